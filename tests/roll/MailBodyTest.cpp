// The hand-off of a message to the mail script the application carries, end to
// end: the three texts must reach the mail program exactly, and nothing in
// them may ever run.

#include "roll/MailBody.h"
#include "tests/support/MailCatcher.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

class MailBodyTest : public ::testing::Test {
protected:
    // Hands one message over and returns what the mail program received.
    MailCatcher::Mail handOver(const std::string& recipient, const std::string& subject,
                               const std::string& body) {
        const size_t before = mail.mails().size();
        MailBody({recipient, subject, body});
        const std::vector<MailCatcher::Mail> mails = mail.mails();
        EXPECT_EQ(mails.size(), before + 1) << "no mail for " << recipient;
        return mails.empty() ? MailCatcher::Mail{} : mails.back();
    }

    // A file that a command hidden in a text would create, if anything ran it.
    std::string trap() const { return QDir(scratch.path()).filePath("ran").toStdString(); }
    bool trapSprung() const { return QFileInfo::exists(QString::fromStdString(trap())); }

    MailCatcher mail;
    QTemporaryDir scratch;
};

TEST_F(MailBodyTest, TheThreeTextsArriveInTheirPlaces) {
    const std::string answer = MailBody({"ann@example.org", "Hello", "Line one\nLine two"});
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].recipient, "ann@example.org");
    EXPECT_EQ(mail.mails()[0].subject, "Hello");
    EXPECT_EQ(mail.mails()[0].body, "Line one\nLine two");
    EXPECT_NE(answer.find("sent"), std::string::npos) << answer;

    // Found again every call: a second message is handed over just the same.
    handOver("bob@example.org", "Second", "Body");
    EXPECT_EQ(mail.mails().size(), 2u);
}

TEST_F(MailBodyTest, ShellTextArrivesVerbatimAndNeverRuns) {
    const std::string touch = "touch '" + trap() + "'";
    const std::vector<std::string> hostile = {
        "$(" + touch + ")",
        "`" + touch + "`",
        "; " + touch + "; #",
        "x\" ; " + touch + " ; echo \"",
        "x' ; " + touch + " ; echo '",
        "| " + touch,
        "&& " + touch,
        "$HOME ${PATH} \\n \\ %s %n",
        "\"quoted\" and 'single' \\\"escaped\\\"",
    };
    for (const std::string& text : hostile) {
        const MailCatcher::Mail got =
            handOver("to" + text + "@example.org", text, text + "\n" + text);
        EXPECT_EQ(got.recipient, "to" + text + "@example.org");
        EXPECT_EQ(got.subject, text);
        EXPECT_EQ(got.body, text + "\n" + text);
    }
    EXPECT_FALSE(trapSprung());
}

TEST_F(MailBodyTest, RecipientThatLooksLikeAnOptionStaysARecipient) {
    for (const std::string recipient :
         {"-x@example.org", "--body", "--utf8", "-", "mailto:a@example.org?cc=b@example.org",
          "a@example.org --cc evil@example.org"}) {
        const MailCatcher::Mail got = handOver(recipient, "Subject", "Body");
        EXPECT_EQ(got.recipient, recipient);
        EXPECT_EQ(got.subject, "Subject") << recipient;
        EXPECT_EQ(got.body, "Body") << recipient;
        // Handed over as one mailto link and nothing else, so no text can
        // become an option of the mail command.
        ASSERT_EQ(got.arguments.size(), 1u) << recipient;
        EXPECT_EQ(got.arguments[0].rfind("mailto:", 0), 0u);
    }
}

TEST_F(MailBodyTest, LineEndsAndNonAsciiAreKept) {
    const std::string body = "Grüße aus Köln — 日本語 ✓\r\n\n\ttabbed\n\n\n";
    const MailCatcher::Mail got = handOver("jürgen@exämple.org", "Année 2026 · «Pellam»", body);
    EXPECT_EQ(got.recipient, "jürgen@exämple.org");
    EXPECT_EQ(got.subject, "Année 2026 · «Pellam»");
    EXPECT_EQ(got.body, body);

    const std::string longBody(60000, 'x');
    EXPECT_EQ(handOver("a@example.org", "Long", longBody + "\nend").body, longBody + "\nend");
}

TEST_F(MailBodyTest, EmptyTextsStillOpenAMessage) {
    // The payment message may have no recipient, a failed template no body.
    MailCatcher::Mail got = handOver("", "Pellam Membership Payment Received", "Header\n\n");
    EXPECT_EQ(got.recipient, "");
    EXPECT_EQ(got.subject, "Pellam Membership Payment Received");
    EXPECT_EQ(got.body, "Header\n\n");

    got = handOver("ann@example.org", "Welcome to Pellam", "");
    EXPECT_EQ(got.recipient, "ann@example.org");
    EXPECT_EQ(got.subject, "Welcome to Pellam");
    EXPECT_EQ(got.body, "");
}

}  // namespace

namespace {

// A hand-off that fails, or a mail program that keeps running, never holds
// the program up, and whatever fails is told.
class MailHandOffTest : public ::testing::Test {
protected:
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
};

TEST_F(MailHandOffTest, AMailProgramThatStaysOpenDoesNotHoldTheProgram) {
    const MailCatcher mail(MailCatcher::Behaviour::StaysForMinutes);
    QElapsedTimer elapsed;
    elapsed.start();
    MailBody({"ann@example.org", "Hello", "Body"});
    // Well short of the minutes the mail program stays, with room for a busy machine.
    EXPECT_LT(elapsed.elapsed(), 8000);
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].body, "Body");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MailHandOffTest, AFailedHandOffIsToldWithItsReason) {
    for (const auto behaviour : {MailCatcher::Behaviour::Fails, MailCatcher::Behaviour::Missing}) {
        const MailCatcher mail(behaviour);
        MailBody({"ann@example.org", "Hello", "Body"});
    }
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "The message could not be handed to the mail program: no mail program is set up.",
                  "The message could not be handed to the mail program: xdg-email was not found; "
                  "install xdg-utils."}));
}

TEST_F(MailHandOffTest, AMessageTooLongForAMailLinkIsToldAndNotHandedOver) {
    const MailCatcher mail;
    // Too long once encoded (each blank takes three characters), and too long as it is.
    MailBody({"ann@example.org", "Hello", std::string(50'000, ' ')});
    MailBody({"ann@example.org", "Hello", std::string(131'072, 'a')});
    EXPECT_TRUE(mail.mails().empty());
    ASSERT_EQ(dialogs.messages().size(), 2u);
    for (const std::string& message : dialogs.messages())
        EXPECT_NE(message.find("too long for a mail link"), std::string::npos) << message;

    // Just below the limit it goes.
    dialogs.clear();
    const std::string link = "mailto:ann%40example.org?subject=Hello&body=";
    MailBody({"ann@example.org", "Hello", std::string(131'071 - link.size(), 'a')});
    EXPECT_EQ(mail.mails().size(), 1u);
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
