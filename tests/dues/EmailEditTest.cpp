// The e-mail template editor: what it loads, what "Save" writes, a failed
// write told, the question about unsaved changes on closing, and changes kept
// through a quit nobody can answer.

#include "tests/support/ProgramTest.h"

#include "core/MemberFile.h"
#include "dues/EmailEditWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <csignal>
#include <filesystem>

namespace {

using EmailEditTest = StartUpTest;

TEST_F(EmailEditTest, SaveWritesEachTextAsItsWordsAFailureIsToldAndAQuitStillKeepsTheChanges) {
    data.write("membWelcomeText", "Welcome,\nfriend.");
    data.write("membDueText", "Please renew — ¡gracias!\n");
    startUp(app);
    EmailEditWindow& editor = EmailEditWindow::instance();
    editor.Show();
    EXPECT_EQ(editor.MembWelcomeFld.Text(), "Welcome,\nfriend.");
    EXPECT_EQ(editor.membDueFld.Text(), "Please renew — ¡gracias!\n");

    // No line end or byte-order mark is added; styled text pasted in is saved as its words.
    editor.membDueFld.SetText("Dues are due.\nMerci, Øystein — 谢谢");
    auto* styled = new QMimeData;
    styled->setHtml(QStringLiteral("<p><b>Dear</b> <i>member</i>,</p><p>welcome!</p>"));
    QGuiApplication::clipboard()->setMimeData(styled);
    editor.paymentRecFld.textEdit()->paste();
    editor.PushButton1.Push();
    EXPECT_EQ(data.read("membWelcomeText"), "Welcome,\nfriend.");
    EXPECT_EQ(data.read("membDueText"), "Dues are due.\nMerci, Øystein — 谢谢");
    EXPECT_EQ(data.read("PaymentRecText"), "Dear member,\nwelcome!");

    // A folder where the renewal text should go can't be replaced by a file.
    const FolderItem renewal = data.dataFolder().Child("membDueText");
    ASSERT_TRUE(renewal.Delete() && renewal.CreateAsFolder());
    data.write("membDueText/keep", "");
    editor.membDueFld.SetText("Renew, please.");
    editor.PushButton1_Action();
    EXPECT_EQ(dialogs.messages(), std::vector{"The file \"" + renewal.Path().string() +
                                              "\" could not be saved: Is a directory."});
    EXPECT_TRUE(editor.emailTextChanged);

    // Once it can be written again, a quit nobody can answer saves the change unasked.
    ASSERT_TRUE(renewal.Child("keep").Delete() && renewal.Delete());
    dialogs.clear();
    // The quit ends no event loop here; activations must not make a new window.
    Globals::gAppOpening = true;
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return EmailEditWindow::existing() == nullptr; }, 2000));
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(data.read("membDueText"), "Renew, please.");
}

TEST_F(EmailEditTest, ATextThatCantBeReadIsToldAndSavedOverOnlyOnceItsTabIsTypedInto) {
    // Reading the pipe must not wait, nor the text too large be held.
    data.makePipe("membDueText");
    const uintmax_t oversized = MemberFile::kLargestFile + 1;
    data.writeSparse("PaymentRecText", oversized);
    startUp(app);
    dialogs.clear();
    EmailEditWindow& editor = EmailEditWindow::instance();
    editor.Show();
    const FolderItem renewal = data.dataFolder().Child("membDueText");
    const FolderItem payment = data.dataFolder().Child("PaymentRecText");
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0],
              "The e-mail text \"" + renewal.Path().string() +
                  "\" could not be read: Is a named pipe, not a file. Its tab starts empty, and "
                  "Save leaves the file as it is unless you type into that tab.");
    EXPECT_NE(
        dialogs.messages()[1].find("\"" + payment.Path().string() + "\" could not be read: it is " +
                                   std::to_string(oversized) + " bytes"),
        std::string::npos);

    editor.MembWelcomeFld.SetText("Welcome!");
    editor.PushButton1.Push();
    EXPECT_EQ(data.read("membWelcomeText"), "Welcome!");
    EXPECT_TRUE(std::filesystem::is_fifo(renewal.Path()));
    EXPECT_EQ(std::filesystem::file_size(payment.Path()), oversized);

    editor.membDueFld.SetText("Please renew.");
    editor.PushButton1.Push();
    EXPECT_EQ(data.read("membDueText"), "Please renew.");
}

TEST_F(EmailEditTest, ClosingAsksToSaveAndOnlyAFailedSaveKeepsTheEditorAndAQuitWaiting) {
    startUp(app);
    // A folder where the renewal text should go can't be replaced by a file.
    const FolderItem renewal = data.dataFolder().Child("membDueText");
    ASSERT_TRUE(renewal.CreateAsFolder());
    EmailEditWindow& editor = EmailEditWindow::instance();
    editor.membDueFld.SetText("Kept.");
    dialogs.clear();
    dialogs.AnswerQuestion(MessageDialog::Button::Action);
    app.Quit();
    auto prompt = ScriptedDialogs::Question(MessageDialog::CautionIcon,
                                            "Do you want to save changes tbefore closing?", "Save",
                                            "If you don't save, your changes will be lost. ");
    prompt.cancelCaption = "Don't Save";
    EXPECT_EQ(dialogs.questions(), std::vector{prompt});
    // The failed save is told, and the texts stay open with the roll.
    EXPECT_EQ(dialogs.messages(), notSaved(renewal, "Is a directory"));
    EXPECT_EQ(EmailEditWindow::existing(), &editor);
    ASSERT_NE(mainWindow::existing(), nullptr);

    // "Don't Save" then: nothing more is written, and the quit that asked goes on.
    mainWindow::existing()->memberList.AddRow("Young");
    dialogs.AnswerQuestion(MessageDialog::Button::Cancel);
    app.Quit();
    EXPECT_TRUE(Window::OpenWindows().empty());
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(data.read("rkMemberList").find("Young@@@"), std::string::npos);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

}  // namespace
