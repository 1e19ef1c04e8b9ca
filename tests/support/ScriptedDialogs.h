#pragma once

#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// A dialog driver for tests: answers each dialog from a queue the test fills,
// and records what was asked. A dialog nobody scripted fails the test and is
// answered as if cancelled.
class ScriptedDialogs : public DialogDriver {
public:
    enum class Kind { MsgBox, Question, OpenFile, SaveFile, Print, URL };

    struct Asked {
        Kind kind;
        std::string text;         // message, title, or address
        std::string explanation;  // questions only
        std::string action;       // questions: the action button's caption
        int icon = 0;
        bool cancelVisible = false;
        std::string cancelCaption{};  // questions only, when not the platform's own

        friend bool operator==(const Asked&, const Asked&) = default;
    };

    // A question with a cancel button, as a test expects it to be asked.
    static Asked Question(int icon, std::string text, std::string action,
                          std::string explanation = {}) {
        return {Kind::Question,
                std::move(text),
                std::move(explanation),
                std::move(action),
                icon,
                true,
                {}};
    }

    // Installs a fresh driver and returns it; it stays installed until the next Install().
    static ScriptedDialogs& Install();

    // Queues the answer to the next question.
    void AnswerQuestion(MessageDialog::Button button);
    void AnswerOpenFile(std::optional<FolderItem> file);
    void AnswerSaveFile(std::optional<FolderItem> file);
    // The print dialog: a function that makes the drawing surface, or nothing to cancel.
    void AnswerPrint(std::function<std::unique_ptr<Graphics>()> makeSurface);

    const std::vector<Asked>& asked() const { return asked_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messages() const;
    // The questions asked, in order.
    std::vector<Asked> questions() const;
    std::vector<std::string> urls() const;
    // Answers queued but never asked for.
    size_t unusedAnswers() const;
    void clear();

    void msgBox(const std::string& text) override;
    MessageDialog::Button messageDialog(const MessageDialog& dialog) override;
    std::optional<FolderItem> openFile(const OpenFileRequest& request) override;
    std::optional<FolderItem> saveFile(const SaveFileRequest& request) override;
    std::unique_ptr<Graphics> printerDialog() override;
    void showURL(const std::string& url) override;

private:
    std::vector<Asked> asked_;
    std::deque<MessageDialog::Button> questionAnswers_;
    std::deque<std::optional<FolderItem>> openAnswers_;
    std::deque<std::optional<FolderItem>> saveAnswers_;
    std::deque<std::function<std::unique_ptr<Graphics>()>> printAnswers_;
};

// How gtest shows an asked dialog in a failed comparison.
inline void PrintTo(const ScriptedDialogs::Asked& asked, std::ostream* out) {
    *out << "{kind " << static_cast<int>(asked.kind) << ", \"" << asked.text << "\", \""
         << asked.explanation << "\", action \"" << asked.action << "\", icon " << asked.icon
         << (asked.cancelVisible ? ", cancel" : "") << " \"" << asked.cancelCaption << "\"}";
}
