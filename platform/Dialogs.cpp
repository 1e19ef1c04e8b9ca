#include "platform/Dialogs.h"

#include "platform/Application.h"
#include "platform/Printing.h"
#include "platform/QtDialogDriver.h"

#include <cstdio>
#include <utility>

namespace {

std::unique_ptr<DialogDriver>& installedDriver() {
    static std::unique_ptr<DialogDriver> driver;
    return driver;
}

}  // namespace

std::unique_ptr<DialogDriver> SetDialogDriver(std::unique_ptr<DialogDriver> driver) {
    return std::exchange(installedDriver(), std::move(driver));
}

DialogDriver& CurrentDialogDriver() {
    std::unique_ptr<DialogDriver>& driver = installedDriver();
    if (!driver)
        driver = std::make_unique<QtDialogDriver>();
    return *driver;
}

void MsgBox(std::string_view text) {
    CurrentDialogDriver().msgBox(std::string(text));
}

void ReportWriteFailure(const FolderItem& file, std::string_view reason) {
    const std::string path = file.Path().string();
    if (Application::QuitIsUnattended()) {
        std::fprintf(stderr, "Rollkeep: could not save \"%s\": %.*s\n", path.c_str(),
                     static_cast<int>(reason.size()), reason.data());
        return;
    }
    MsgBox("The file \"" + path + "\" could not be saved: " + std::string(reason) + ".");
}

MessageDialog::Button MessageDialog::ShowModal() const {
    return CurrentDialogDriver().messageDialog(*this);
}

bool AskQuestion(MessageDialog::IconKind icon, std::string_view message,
                 std::string_view explanation, std::string_view actionCaption,
                 std::string_view cancelCaption) {
    MessageDialog question;
    question.Icon = icon;
    question.Message = message;
    question.Explanation = explanation;
    question.ActionCaption = actionCaption;
    question.CancelVisible = true;
    question.CancelCaption = cancelCaption;
    return question.ShowModal() == MessageDialog::Button::Action;
}

std::optional<bool> AskUnlessUnattended(MessageDialog::IconKind icon, std::string_view message,
                                        std::string_view explanation,
                                        std::string_view actionCaption,
                                        std::string_view cancelCaption) {
    if (Application::QuitIsUnattended())
        return std::nullopt;
    const bool action = AskQuestion(icon, message, explanation, actionCaption, cancelCaption);
    if (Application::QuitIsUnattended())
        return std::nullopt;
    return action;
}

void ShowURL(std::string_view url) {
    CurrentDialogDriver().showURL(std::string(url));
}

std::optional<FolderItem> GetOpenFile(const OpenFileRequest& request) {
    return CurrentDialogDriver().openFile(request);
}

std::optional<FolderItem> GetSaveFile(const SaveFileRequest& request) {
    return CurrentDialogDriver().saveFile(request);
}

std::unique_ptr<Graphics> OpenPrinterDialog() {
    return CurrentDialogDriver().printerDialog();
}
