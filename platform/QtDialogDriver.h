#pragma once

#include "platform/Dialogs.h"

// The dialog driver the program runs with: Qt's own message boxes, file
// dialogs and print dialog, each modal over the active window.
class QtDialogDriver : public DialogDriver {
public:
    void msgBox(const std::string& text) override;
    MessageDialog::Button messageDialog(const MessageDialog& dialog) override;
    std::optional<FolderItem> openFile(const OpenFileRequest& request) override;
    std::optional<FolderItem> saveFile(const SaveFileRequest& request) override;
    std::unique_ptr<Graphics> printerDialog() override;
    void showURL(const std::string& url) override;
    // Not on a platform that draws nowhere anyone looks (offscreen, minimal).
    bool canBeSeen() const override;
};
