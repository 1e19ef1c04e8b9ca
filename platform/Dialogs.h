#pragma once

#include "platform/Files.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class Graphics;

// Shows a text with one button, and waits.
void MsgBox(std::string_view text);

// Tells the user that a file could not be written, naming the file and the
// system's reason. While a quit nobody can answer runs (a signal, the end of
// the desktop session), the text goes to standard error instead.
void ReportWriteFailure(const FolderItem& file, std::string_view reason);

// A modal question with an action button and, when shown, a cancel button.
class MessageDialog {
public:
    enum IconKind { NoteIcon = 0, CautionIcon = 1, StopIcon = 2, QuestionIcon = 3 };
    enum class Button { Action, Cancel };

    IconKind Icon = NoteIcon;
    std::string Message;
    std::string Explanation;
    std::string ActionCaption = "OK";
    bool CancelVisible = false;
    // Empty for the platform's own caption. A cancel button captioned as an
    // answer of its own ("Don't Save") is not pressed by Escape, so no key
    // gives that answer by chance.
    std::string CancelCaption;

    // The button pressed; Cancel also when the dialog was dismissed.
    Button ShowModal() const;
};

// Asks a question with an action button and a cancel button: true when the
// action button was pressed. An empty cancel caption is the platform's own.
bool AskQuestion(MessageDialog::IconKind icon, std::string_view message,
                 std::string_view explanation, std::string_view actionCaption,
                 std::string_view cancelCaption = {});
// The same question, unless nobody can answer it: nothing then, during a quit
// nobody can answer (a signal, the end of the desktop session), also one that
// came while the question was up and closed it unanswered.
std::optional<bool> AskUnlessUnattended(MessageDialog::IconKind icon, std::string_view message,
                                        std::string_view explanation,
                                        std::string_view actionCaption,
                                        std::string_view cancelCaption = {});

struct OpenFileRequest {
    std::string title;
    std::string filter;  // the file kinds offered, e.g. "TEXT;CSV"
};

struct SaveFileRequest {
    std::string title;
    std::string defaultName;
};

// Opens an address in the user's web browser.
void ShowURL(std::string_view url);
// A file the user chose to open; nothing when cancelled.
std::optional<FolderItem> GetOpenFile(const OpenFileRequest& request);
// A file the user named to save to; nothing when cancelled.
std::optional<FolderItem> GetSaveFile(const SaveFileRequest& request);
// The print dialog: a surface to draw the pages on, nothing when cancelled.
std::unique_ptr<Graphics> OpenPrinterDialog();

// Everything a person answers or sees in a modal dialog goes through one
// driver. The program runs with the one that shows Qt's dialogs; tests install
// one that answers from a script and records what was asked.
class DialogDriver {
public:
    virtual ~DialogDriver() = default;
    virtual void msgBox(const std::string& text) = 0;
    virtual MessageDialog::Button messageDialog(const MessageDialog& dialog) = 0;
    virtual std::optional<FolderItem> openFile(const OpenFileRequest& request) = 0;
    virtual std::optional<FolderItem> saveFile(const SaveFileRequest& request) = 0;
    virtual std::unique_ptr<Graphics> printerDialog() = 0;
    virtual void showURL(const std::string& url) = 0;
    // Whether a person can see the dialogs: a start that can't go on tells
    // them in a window only then.
    virtual bool canBeSeen() const { return true; }
};

// Installs a driver and returns the one it replaces.
std::unique_ptr<DialogDriver> SetDialogDriver(std::unique_ptr<DialogDriver> driver);
DialogDriver& CurrentDialogDriver();
