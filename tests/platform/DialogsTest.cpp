#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "platform/QtDialogDriver.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
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

QAbstractButton* buttonWithText(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}

// A home folder of its own with a Documents folder in it, so the dialogs'
// suggestions are known and nothing lands in the real Documents.
class TemporaryHome {
public:
    TemporaryHome() : previous_(qgetenv("HOME")) {
        qputenv("HOME", dir_.path().toUtf8());
        QDir().mkpath(documents());
    }
    ~TemporaryHome() { qputenv("HOME", previous_); }

    QString documents() const {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

MessageDialog deleteQuestion() {
    MessageDialog question;
    question.Icon = MessageDialog::CautionIcon;
    question.Message = "Delete this member?";
    question.Explanation = "This can't be undone.";
    question.ActionCaption = "Delete";
    question.CancelVisible = true;
    return question;
}

struct Shown {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString informativeText;
    QStringList buttons;
};

Shown describe(QMessageBox& box) {
    Shown shown{box.icon(), box.text(), box.informativeText(), {}};
    for (QAbstractButton* button : box.buttons())
        shown.buttons << button->text();
    return shown;
}

}  // namespace

TEST(DialogFunctions, ReachTheInstalledDriverAndReturnItsAnswers) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    dialogs.AnswerOpenFile(FolderItem("/tmp/members.csv"));
    dialogs.AnswerSaveFile(std::nullopt);
    dialogs.AnswerPrint([](PrinterSetup& setup) {
        setup.HorizontalResolution = 72;
        return std::make_unique<RecordingGraphics>();
    });

    MsgBox("The roll is saved.");
    const MessageDialog question = deleteQuestion();
    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Action);
    EXPECT_EQ(GetOpenFile({"Import", "TEXT;CSV"}), FolderItem("/tmp/members.csv"));
    EXPECT_EQ(GetSaveFile({"Export", "roll.csv"}), std::nullopt);
    ShowURL("https://example.org/dues");
    PrinterSetup setup;
    setup.HorizontalResolution = 300;
    EXPECT_NE(OpenPrinterDialog(setup), nullptr);
    EXPECT_EQ(setup.HorizontalResolution, 72);

    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"The roll is saved."});
    ASSERT_EQ(dialogs.questions().size(), 1u);
    const ScriptedDialogs::Asked asked = dialogs.questions().front();
    EXPECT_EQ(asked.text, "Delete this member?");
    EXPECT_EQ(asked.explanation, "This can't be undone.");
    EXPECT_EQ(asked.action, "Delete");
    EXPECT_EQ(asked.icon, MessageDialog::CautionIcon);
    EXPECT_TRUE(asked.cancelVisible);
    EXPECT_EQ(dialogs.urls(), std::vector<std::string>{"https://example.org/dues"});
    EXPECT_EQ(dialogs.asked().size(), 6u);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

TEST(DialogFunctions, SetDialogDriverHandsBackTheDriverItReplaces) {
    ScriptedDialogs& first = ScriptedDialogs::Install();
    auto replaced = SetDialogDriver(std::make_unique<ScriptedDialogs>());
    EXPECT_EQ(replaced.get(), &first);
    EXPECT_NE(&CurrentDialogDriver(), &first);

    // With no driver set, the program falls back on Qt's dialogs.
    SetDialogDriver(nullptr);
    EXPECT_NE(dynamic_cast<QtDialogDriver*>(&CurrentDialogDriver()), nullptr);
    ScriptedDialogs::Install();
}

TEST_F(QtDialogs, MessageDialogShowsItsTextsAndReportsTheActionButton) {
    Shown shown;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        shown = describe(box);
        EXPECT_EQ(box.defaultButton(), buttonWithText(box, "Delete"));
        buttonWithText(box, "Delete")->click();
    });
    const MessageDialog question = deleteQuestion();

    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Action);
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.text, "Delete this member?");
    EXPECT_EQ(shown.informativeText, "This can't be undone.");
    EXPECT_EQ(shown.buttons.size(), 2);
    EXPECT_TRUE(shown.buttons.contains("Delete"));
}

TEST_F(QtDialogs, MessageDialogCancelButtonAndEscapeBothCancel) {
    MessageDialog question;
    question.Message = "Leave without saving?";
    question.ActionCaption = "Leave";
    question.CancelVisible = true;

    whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Cancel);

    whenShown<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Cancel);
}

TEST_F(QtDialogs, ACancelButtonWithItsOwnCaptionIsPressedOnlyOnPurpose) {
    MessageDialog question;
    question.Message = "Save changes?";
    question.ActionCaption = "Save";
    question.CancelVisible = true;
    question.CancelCaption = "Don't Save";

    QStringList captions;
    bool escapeAnswered = false;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        captions = describe(box).buttons;
        // Escape is no answer here: the box stays until a button is pressed.
        QTest::keyClick(&box, Qt::Key_Escape);
        escapeAnswered = !box.isVisible();
        buttonWithText(box, "Don't Save")->click();
    });
    EXPECT_EQ(question.ShowModal(), MessageDialog::Button::Cancel);
    EXPECT_FALSE(escapeAnswered);
    EXPECT_EQ(captions.size(), 2);
    EXPECT_TRUE(captions.contains("Don't Save"));
    EXPECT_FALSE(captions.contains("Cancel"));
}

TEST_F(QtDialogs, NotesShowTheirIconAndOneButton) {
    const std::pair<MessageDialog::IconKind, QMessageBox::Icon> icons[] = {
        {MessageDialog::NoteIcon, QMessageBox::Information},
        {MessageDialog::CautionIcon, QMessageBox::Warning},
        {MessageDialog::StopIcon, QMessageBox::Critical},
        {MessageDialog::QuestionIcon, QMessageBox::Question},
    };
    for (const auto& [kind, expected] : icons) {
        Shown shown;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            shown = describe(box);
            box.buttons().front()->click();
        });
        MessageDialog note;
        note.Icon = kind;
        note.Message = "Dues are paid up.";
        EXPECT_EQ(note.ShowModal(), MessageDialog::Button::Action) << kind;
        EXPECT_EQ(shown.icon, expected) << kind;
        EXPECT_EQ(shown.buttons, QStringList{"OK"}) << kind;
    }

    Shown shown;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        shown = describe(box);
        box.buttons().front()->click();
    });
    MsgBox("Nothing to print.");
    EXPECT_EQ(shown.text, "Nothing to print.");
    EXPECT_EQ(shown.buttons.size(), 1);
}

TEST_F(QtDialogs, OpenFileOffersTextAndCsvFilesAndReturnsTheChoice) {
    const TemporaryHome home;
    const QString chosen = QDir(home.documents()).filePath("members.csv");
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        // The dialog won't change the name a person is typing in its focused
        // name field.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();  // QFileDialog keeps accept() to itself
    });
    QFile(chosen).open(QIODevice::WriteOnly);

    EXPECT_EQ(GetOpenFile({"Import members", "TEXT;CSV"}), FolderItem(chosen.toStdString()));
    EXPECT_EQ(filters, (QStringList{"Text and CSV files (*.txt *.csv)", "All files (*)"}));

    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        dialog.reject();
    });
    EXPECT_EQ(GetOpenFile({"Open", "ROLL"}), std::nullopt);
    EXPECT_EQ(filters, QStringList{"All files (*)"});
}

TEST_F(QtDialogs, SaveFileSuggestsTheNameInDocuments) {
    const TemporaryHome home;
    QStringList suggested;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        suggested = dialog.selectedFiles();
        dialog.reject();
    });
    EXPECT_EQ(GetSaveFile({"Export", "roll export.csv"}), std::nullopt);
    EXPECT_EQ(suggested, QStringList{QDir(home.documents()).filePath("roll export.csv")});
}

TEST_F(QtDialogs, PrintDialogCancelledGivesNothingAndKeepsTheSetup) {
    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    PrinterSetup setup;
    setup.HorizontalResolution = 300;
    EXPECT_EQ(OpenPrinterDialog(setup), nullptr);
    EXPECT_EQ(setup.HorizontalResolution, 300);
}

TEST_F(QtDialogs, PrintDialogWithoutPrintersPrintsToAPdfInDocuments) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    const TemporaryHome home;

    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    PrinterSetup setup;
    setup.VerticalResolution = 600;
    std::unique_ptr<Graphics> g = OpenPrinterDialog(setup);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(setup.HorizontalResolution, 72);
    EXPECT_EQ(setup.VerticalResolution, 72);
    g->DrawString("Checklist", 47, 100);
    g.reset();

    QFile pdf(QDir(home.documents()).filePath(QCoreApplication::applicationName() + ".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}
