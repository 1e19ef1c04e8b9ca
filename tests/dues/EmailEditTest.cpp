// The e-mail template editor: what it loads, what "Save" writes, a failed
// write told, and changes kept through a quit nobody can answer.

#include "tests/support/ProgramTest.h"

#include "dues/EmailEditWindow.h"

#include <QClipboard>
#include <QGuiApplication>
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
};

TEST_F(EmailEditTest, LoadsEachTextIntoItsTabAndSaveWritesEachExactlyAsItsWords) {
    data.write("membWelcomeText", "Welcome,\nfriend.");
    data.write("membDueText", "Please renew — ¡gracias!\n");
    EmailEditWindow& editor = openEditor();
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
}

using EmailEditQuitTest = StartUpTest;

TEST_F(EmailEditQuitTest, AQuitNobodyCanAnswerSavesTheChangesWithoutAsking) {
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

TEST_F(EmailEditTest, ATemplateThatCannotBeWrittenIsNamedAndStaysChanged) {
    EmailEditWindow& editor = openEditor();
    // A folder where the renewal text should go can't be replaced by a file.
    data.dataFolder().Child("membDueText").CreateAsFolder();
    data.write("membDueText/keep", "");
    editor.membDueFld.SetText("Renew, please.");
    editor.PushButton1_Action();
    EXPECT_EQ(dialogs.messages(),
              std::vector{"The file \"" + data.dataFolder().Child("membDueText").Path().string() +
                          "\" could not be saved: Is a directory."});
    EXPECT_TRUE(editor.emailTextChanged);
    dialogs.AnswerQuestion(Button::Cancel);  // the close prompt at the end
}

}  // namespace
