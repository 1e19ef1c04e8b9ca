#include "platform/QtDialogDriver.h"

#include "platform/PainterGraphics.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Where the file dialogs start: Documents, or home where there is none (a
// folder that is missing would be taken for a file name).
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QMessageBox::Icon messageIcon(MessageDialog::IconKind icon) {
    switch (icon) {
        case MessageDialog::CautionIcon:
            return QMessageBox::Warning;
        case MessageDialog::StopIcon:
            return QMessageBox::Critical;
        case MessageDialog::QuestionIcon:
            return QMessageBox::Question;
        default:
            return QMessageBox::Information;
    }
}

// The kinds of file the program reads are named the way the rest of the
// program names them; anything else may be any file.
QString nameFilters(const std::string& filter) {
    if (filter == "TEXT;CSV")
        return QStringLiteral("Text and CSV files (*.txt *.csv);;All files (*)");
    return QStringLiteral("All files (*)");
}

std::optional<FolderItem> chosenFile(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return FolderItem(path.toStdString());
}

}  // namespace

void QtDialogDriver::msgBox(const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(toQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MessageDialog::Button QtDialogDriver::messageDialog(const MessageDialog& dialog) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(messageIcon(dialog.Icon));
    box.setText(toQString(dialog.Message));
    box.setInformativeText(toQString(dialog.Explanation));
    QPushButton* action = box.addButton(toQString(dialog.ActionCaption), QMessageBox::AcceptRole);
    box.setDefaultButton(action);
    if (dialog.CancelVisible && dialog.CancelCaption.empty())
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    else if (dialog.CancelVisible)
        box.addButton(toQString(dialog.CancelCaption), QMessageBox::DestructiveRole);
    box.exec();
    return box.clickedButton() == action ? MessageDialog::Button::Action
                                         : MessageDialog::Button::Cancel;
}

std::optional<FolderItem> QtDialogDriver::openFile(const OpenFileRequest& request) {
    return chosenFile(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                   toQString(request.title), documentsFolder(),
                                                   nameFilters(request.filter)));
}

std::optional<FolderItem> QtDialogDriver::saveFile(const SaveFileRequest& request) {
    const QString suggested = QDir(documentsFolder()).filePath(toQString(request.defaultName));
    return chosenFile(QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                   toQString(request.title), suggested));
}

std::unique_ptr<Graphics> QtDialogDriver::printerDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setFullPage(true);
    // Without any printer the dialog would offer nothing to print on; a PDF
    // in the Documents folder keeps "Print to File" working.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(
            QDir(documentsFolder()).filePath(QCoreApplication::applicationName() + ".pdf"));
    }
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<PainterGraphics>(std::move(printer));
}

void QtDialogDriver::showURL(const std::string& url) {
    QDesktopServices::openUrl(QUrl(toQString(url)));
}

bool QtDialogDriver::canBeSeen() const {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
