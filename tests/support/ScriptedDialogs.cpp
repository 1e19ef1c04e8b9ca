#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs& ScriptedDialogs::Install() {
    auto driver = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& installed = *driver;
    SetDialogDriver(std::move(driver));
    return installed;
}

void ScriptedDialogs::AnswerQuestion(MessageDialog::Button button) {
    questionAnswers_.push_back(button);
}

void ScriptedDialogs::AnswerOpenFile(std::optional<FolderItem> file) {
    openAnswers_.push_back(std::move(file));
}

void ScriptedDialogs::AnswerSaveFile(std::optional<FolderItem> file) {
    saveAnswers_.push_back(std::move(file));
}

void ScriptedDialogs::AnswerPrint(std::function<std::unique_ptr<Graphics>()> makeSurface) {
    printAnswers_.push_back(std::move(makeSurface));
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> texts;
    for (const Asked& a : asked_)
        if (a.kind == Kind::MsgBox)
            texts.push_back(a.text);
    return texts;
}

std::vector<ScriptedDialogs::Asked> ScriptedDialogs::questions() const {
    std::vector<Asked> found;
    for (const Asked& a : asked_)
        if (a.kind == Kind::Question)
            found.push_back(a);
    return found;
}

std::vector<std::string> ScriptedDialogs::urls() const {
    std::vector<std::string> found;
    for (const Asked& a : asked_)
        if (a.kind == Kind::URL)
            found.push_back(a.text);
    return found;
}

size_t ScriptedDialogs::unusedAnswers() const {
    return questionAnswers_.size() + openAnswers_.size() + saveAnswers_.size() +
           printAnswers_.size();
}

void ScriptedDialogs::clear() {
    asked_.clear();
    questionAnswers_.clear();
    openAnswers_.clear();
    saveAnswers_.clear();
    printAnswers_.clear();
}

void ScriptedDialogs::msgBox(const std::string& text) {
    asked_.push_back({Kind::MsgBox, text, {}, {}, 0, false, {}});
}

MessageDialog::Button ScriptedDialogs::messageDialog(const MessageDialog& dialog) {
    asked_.push_back({Kind::Question, dialog.Message, dialog.Explanation, dialog.ActionCaption,
                      dialog.Icon, dialog.CancelVisible, dialog.CancelCaption});
    if (questionAnswers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << dialog.Message;
        return MessageDialog::Button::Cancel;
    }
    const MessageDialog::Button answer = questionAnswers_.front();
    questionAnswers_.pop_front();
    return answer;
}

std::optional<FolderItem> ScriptedDialogs::openFile(const OpenFileRequest& request) {
    asked_.push_back({Kind::OpenFile, request.title, request.filter, {}, 0, true, {}});
    if (openAnswers_.empty()) {
        ADD_FAILURE() << "unscripted open-file dialog: " << request.title;
        return std::nullopt;
    }
    auto answer = openAnswers_.front();
    openAnswers_.pop_front();
    return answer;
}

std::optional<FolderItem> ScriptedDialogs::saveFile(const SaveFileRequest& request) {
    asked_.push_back({Kind::SaveFile, request.title, request.defaultName, {}, 0, true, {}});
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unscripted save-file dialog: " << request.title;
        return std::nullopt;
    }
    auto answer = saveAnswers_.front();
    saveAnswers_.pop_front();
    return answer;
}

std::unique_ptr<Graphics> ScriptedDialogs::printerDialog() {
    asked_.push_back({Kind::Print, {}, {}, {}, 0, true, {}});
    if (printAnswers_.empty()) {
        ADD_FAILURE() << "unscripted print dialog";
        return nullptr;
    }
    auto makeSurface = std::move(printAnswers_.front());
    printAnswers_.pop_front();
    return makeSurface ? makeSurface() : nullptr;
}

void ScriptedDialogs::showURL(const std::string& url) {
    asked_.push_back({Kind::URL, url, {}, {}, 0, false, {}});
}
