#include "platform/Dialogs.h"

#include "platform/Printing.h"
#include "platform/QtDialogDriver.h"

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

MessageDialog::Button MessageDialog::ShowModal() const {
    return CurrentDialogDriver().messageDialog(*this);
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

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup& setup) {
    return CurrentDialogDriver().printerDialog(setup);
}
