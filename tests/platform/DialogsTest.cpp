#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "platform/QtDialogDriver.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Waits in the running modal loop until a dialog of type D shows, then hands
// it to the answer.
template <class D>
void whenShown(std::function<void(D&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<D*>(widget);
            if (dialog && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(*dialog);
                return;
            }
        }
    });
    poll->start(10);
}

// Puts Qt's own dialogs in place for one test; the scripted ones come back after.
class QtDialogs : public ::testing::Test {
protected:
    QtDialogs() { SetDialogDriver(std::make_unique<QtDialogDriver>()); }
    ~QtDialogs() override { ScriptedDialogs::Install(); }
};

}  // namespace

// "Don't Save" loses the changes, so Escape must not choose it.
TEST_F(QtDialogs, ACancelButtonWithItsOwnCaptionIsPressedOnlyOnPurpose) {
    MessageDialog question;
    question.Message = "Save changes?";
    question.ActionCaption = "Save";
    question.CancelVisible = true;
    question.CancelCaption = "Don't Save";

    QStringList captions;
    bool escapeAnswered = false;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        QAbstractButton* dontSave = nullptr;
        for (QAbstractButton* button : box.buttons()) {
            captions << button->text();
            if (button->text() == "Don't Save")
                dontSave = button;
        }
        QTest::keyClick(&box, Qt::Key_Escape);
        escapeAnswered = !box.isVisible();
        ASSERT_NE(dontSave, nullptr);
        dontSave->click();
    });
    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Cancel);
    EXPECT_FALSE(escapeAnswered);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"Don't Save", "Save"}));
}

TEST_F(QtDialogs, PrintDialogWithoutPrintersPrintsToAPdfInDocuments) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    // A home of its own, so nothing lands in the real Documents.
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);

    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    std::unique_ptr<Graphics> g = OpenPrinterDialog();
    ASSERT_NE(g, nullptr);
    g->DrawString("Checklist", 47, 100);
    g.reset();
    qputenv("HOME", previousHome);

    QFile pdf(QDir(documents).filePath(QCoreApplication::applicationName() + ".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}
