// The e-mail template editor: what it loads, what "Save" writes, and the
// question before it closes with changes, on the close button and on a quit.

#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include "dues/EmailEditWindow.h"
#include "roll/App.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <csignal>

namespace {

using Button = MessageDialog::Button;

class EmailEditTest : public ProgramTest {
protected:
    EmailEditWindow& openEditor() {
        mainWindow::instance();
        EmailEditWindow& editor = EmailEditWindow::instance();
        editor.Show();
        return editor;
    }

    // The close prompt as it must be asked.
    static ScriptedDialogs::Asked closePrompt() {
        ScriptedDialogs::Asked asked =
            ScriptedDialogs::Question(1, "Do you want to save changes tbefore closing?", "Save",
                                      "If you don't save, your changes will be lost. ");
        asked.cancelCaption = "Don't Save";
        return asked;
    }

    static void closeButton(EmailEditWindow& editor) { editor.frame()->close(); }

    void writeTemplates() {
        data.write("membWelcomeText", "Welcome,\nfriend.");
        data.write("membDueText", "Please renew — ¡gracias!\n");
        data.write("PaymentRecText", "Thank you.");
    }
};

TEST_F(EmailEditTest, OpensWithTheStoredTextsAndNothingChanged) {
    writeTemplates();
    EmailEditWindow& editor = openEditor();
    EXPECT_EQ(editor.Title(), "Renewal Email Message");
    EXPECT_EQ(editor.TabPanel1.Value(), 0);
    EXPECT_EQ(editor.TabPanel1.Caption(2), "Payment Received");
    EXPECT_EQ(editor.MembWelcomeFld.Text(), "Welcome,\nfriend.");
    EXPECT_EQ(editor.membDueFld.Text(), "Please renew — ¡gracias!\n");
    EXPECT_EQ(editor.paymentRecFld.Text(), "Thank you.");
    EXPECT_FALSE(editor.emailTextChanged);

    // Closing at once asks nothing and writes nothing.
    data.dataFolder().Child("PaymentRecText").Delete();
    closeButton(editor);
    EXPECT_EQ(EmailEditWindow::existing(), nullptr);
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_FALSE(data.exists("PaymentRecText"));
}

TEST_F(EmailEditTest, SaveWritesAllThreeExactlyAndTheRenewalMailUsesThem) {
    MailCatcher mail;
    writeRoll({{.last = "Reader", .id = "6000123", .email = "reader@example.org"}});
    EmailEditWindow& editor = openEditor();
    EXPECT_EQ(editor.membDueFld.Text(), "");
    editor.membDueFld.SetText("Dues are due.\nNo line end after this");
    EXPECT_TRUE(editor.emailTextChanged);

    editor.PushButton1.Push();
    EXPECT_FALSE(editor.emailTextChanged);
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(data.read("membDueText"), "Dues are due.\nNo line end after this");
    // Untouched and missing ones are written too, empty.
    ASSERT_TRUE(data.exists("membWelcomeText"));
    EXPECT_EQ(data.read("membWelcomeText"), "");
    EXPECT_EQ(data.read("PaymentRecText"), "");

    // Text typed by a person, in any script, goes out as typed.
    editor.TabPanel1.SetValue(2);
    editor.paymentRecFld.textEdit()->setPlainText(QStringLiteral("Merci, Øystein — 谢谢"));
    EXPECT_TRUE(editor.emailTextChanged);
    editor.PushButton1_Action();
    EXPECT_EQ(data.read("PaymentRecText"), "Merci, Øystein — 谢谢");

    closeAllWindows();
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    main.RenewBtn_Action();
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].body,
              "Pellam Member Number: 6000123\n\nDues are due.\nNo line end after this");
}

TEST_F(EmailEditTest, StyledTextPastedInIsSavedAsItsWords) {
    EmailEditWindow& editor = openEditor();
    auto* styled = new QMimeData;
    styled->setHtml(QStringLiteral("<p><b>Dear</b> <i>member</i>,</p><p>welcome!</p>"));
    QGuiApplication::clipboard()->setMimeData(styled);
    editor.MembWelcomeFld.textEdit()->paste();
    EXPECT_TRUE(editor.emailTextChanged);
    editor.PushButton1_Action();
    EXPECT_EQ(data.read("membWelcomeText"), "Dear member,\nwelcome!");
}

TEST_F(EmailEditTest, ClosingWithChangesAsksAndSavesOrDropsThem) {
    writeTemplates();
    const std::string stored = data.read("membDueText");

    EmailEditWindow& first = openEditor();
    first.membDueFld.SetText("Changed");
    dialogs.AnswerQuestion(Button::Cancel);
    closeButton(first);
    EXPECT_EQ(dialogs.questions(), std::vector{closePrompt()});
    EXPECT_EQ(EmailEditWindow::existing(), nullptr);
    EXPECT_EQ(data.read("membDueText"), stored);
    closeAllWindows();

    // The next editor shows the texts as stored.
    EmailEditWindow& second = openEditor();
    EXPECT_EQ(second.membDueFld.Text(), stored);
    second.membDueFld.SetText("Changed");
    dialogs.AnswerQuestion(Button::Action);
    closeButton(second);
    EXPECT_EQ(EmailEditWindow::existing(), nullptr);
    EXPECT_EQ(data.read("membDueText"), "Changed");
    EXPECT_EQ(data.read("membWelcomeText"), "Welcome,\nfriend.");
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

TEST_F(EmailEditTest, OnAQuitSaveLetsItGoOnAndDontSaveStopsItWithoutTheEditor) {
    EmailEditWindow& first = openEditor();
    first.paymentRecFld.SetText("Paid, thanks.");
    dialogs.AnswerQuestion(Button::Action);
    EXPECT_TRUE(first.Close(true));
    EXPECT_EQ(data.read("PaymentRecText"), "Paid, thanks.");
    closeAllWindows();

    EmailEditWindow& second = openEditor();
    second.paymentRecFld.SetText("Not kept");
    dialogs.AnswerQuestion(Button::Cancel);
    EXPECT_FALSE(second.Close(true));
    EXPECT_EQ(EmailEditWindow::existing(), nullptr);
    EXPECT_EQ(data.read("PaymentRecText"), "Paid, thanks.");
    EXPECT_EQ(dialogs.questions().size(), 2u);
}

TEST_F(EmailEditTest, AQuitNobodyCanAnswerSavesTheChangesWithoutAsking) {
    int argc = 1;
    char name[] = "rollkeep";
    char* argv[] = {name, nullptr};
    App app(argc, argv);
    startUp(app);
    // The quit ends no event loop here; activations must not make a new window.
    Globals::gAppOpening = true;
    EmailEditWindow& editor = EmailEditWindow::instance();
    editor.Show();
    editor.membDueFld.SetText("Kept through the end of the session");

    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return EmailEditWindow::existing() == nullptr; }, 2000));
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(data.read("membDueText"), "Kept through the end of the session");
}

TEST_F(EmailEditTest, ShowingItAgainKeepsTheUnsavedTexts) {
    EmailEditWindow& editor = openEditor();
    editor.MembWelcomeFld.SetText("Draft");
    data.write("membWelcomeText", "Stored meanwhile");
    EXPECT_EQ(&EmailEditWindow::instance(), &editor);
    EmailEditWindow::instance().Show();
    EXPECT_EQ(editor.MembWelcomeFld.Text(), "Draft");
    EXPECT_TRUE(editor.emailTextChanged);
    dialogs.AnswerQuestion(Button::Cancel);
}

TEST_F(EmailEditTest, ATemplateThatCannotBeWrittenIsNamedAndKeepsTheEditorOpen) {
    EmailEditWindow& editor = openEditor();
    // A folder where the renewal text should go can't be replaced by a file.
    data.dataFolder().Child("membDueText").CreateAsFolder();
    data.write("membDueText/keep", "");
    editor.membDueFld.SetText("Renew, please.");
    editor.PushButton1_Action();
    const std::string told = "The file \"" +
                             data.dataFolder().Child("membDueText").Path().string() +
                             "\" could not be saved: Is a directory.";
    EXPECT_EQ(dialogs.messages(), std::vector{told});
    EXPECT_TRUE(editor.emailTextChanged);
    // The others were written all the same.
    EXPECT_TRUE(data.exists("membWelcomeText"));

    // Choosing "Save" at the close prompt keeps the editor with its text.
    dialogs.AnswerQuestion(Button::Action);
    closeButton(editor);
    EXPECT_EQ(EmailEditWindow::existing(), &editor);
    EXPECT_EQ(editor.membDueFld.Text(), "Renew, please.");
    EXPECT_EQ(dialogs.messages().size(), 2u);

    dialogs.AnswerQuestion(Button::Cancel);
}

}  // namespace
