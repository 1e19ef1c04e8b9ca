// The hand-off of a message to the mail script the application carries, end to
// end: the three texts must reach the mail program exactly, and nothing in
// them may ever run.

#include "roll/MailBody.h"
#include "tests/support/MailCatcher.h"

#include <gtest/gtest.h>
#include <QDir>
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
