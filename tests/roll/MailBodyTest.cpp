// The hand-off of a message to the mail script the application carries, end to
// end: the three texts reach the mail program exactly and nothing in them ever
// runs; a failed hand-off is told and none holds the program up.

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

using Behaviour = MailCatcher::Behaviour;

class MailBodyTest : public ::testing::Test {
protected:
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
};

TEST_F(MailBodyTest, TheThreeTextsArriveVerbatimAsOneMailLinkAndNothingInThemRuns) {
    const MailCatcher mail;
    const QTemporaryDir scratch;
    const std::string trap = QDir(scratch.path()).filePath("ran").toStdString();
    const std::string touch = "touch '" + trap + "'";
    const struct {
        std::string recipient, subject, body;
    } cases[] = {
        {"ann@example.org", "Hello", "Line one\nLine two"},
        {"to$(" + touch + ")@example.org", "`" + touch + "`", "; " + touch + "; #"},
        {"x\" ; " + touch + " ; echo \"", "x' ; " + touch + " ; echo '", "| " + touch},
        {"&& " + touch, "$HOME ${PATH} \\n \\ %s %n", "\"quoted\" 'single' \\\"escaped\\\""},
        // A recipient that looks like an option of the mail command stays a recipient.
        {"--body", "-x@example.org", "--utf8"},
        {"a@example.org --cc evil@example.org", "Subject", "Body"},
        {"mailto:a@example.org?cc=b@example.org", "-", "-"},
        {"jürgen@exämple.org", "Année 2026 · «Pellam»", "Grüße — 日本語 ✓\r\n\n\ttabbed\n\n\n"},
        {"a@example.org", "Long", std::string(60000, 'x') + "\nend"},
        // The payment message may have no recipient, a failed template no body.
        {"", "Pellam Membership Payment Received", "Header\n\n"},
        {"ann@example.org", "Welcome to Pellam", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recipient);
        const size_t before = mail.mails().size();
        const std::string answer = MailBody({c.recipient, c.subject, c.body});
        EXPECT_NE(answer.find("sent"), std::string::npos) << answer;
        const std::vector<MailCatcher::Mail> mails = mail.mails();
        ASSERT_EQ(mails.size(), before + 1);
        EXPECT_EQ(mails.back().recipient, c.recipient);
        EXPECT_EQ(mails.back().subject, c.subject);
        EXPECT_EQ(mails.back().body, c.body);
        ASSERT_EQ(mails.back().arguments.size(), 1u);
        EXPECT_TRUE(mails.back().arguments[0].starts_with("mailto:"));
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(trap)));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MailBodyTest, AFailedHandOffIsToldWithItsReason) {
    const std::string link = "mailto:ann%40example.org?subject=Hello&body=";
    const std::string tooLong =
        "The message could not be handed to the mail program: the message is too long for a "
        "mail link";
    const struct {
        Behaviour behaviour;
        std::string body;
        std::string told;  // "" when the message goes
    } cases[] = {
        {Behaviour::Fails, "Body",
         "The message could not be handed to the mail program: no mail program is set up."},
        {Behaviour::Missing, "Body",
         "The message could not be handed to the mail program: xdg-email was not found; "
         "install xdg-utils."},
        // Too long once encoded (each blank takes three characters), and too long as it is.
        {Behaviour::Records, std::string(50'000, ' '),
         tooLong + " (150044 characters once encoded, at most 131071)."},
        {Behaviour::Records, std::string(131'072, 'a'), tooLong + "."},
        {Behaviour::Records, std::string(131'071 - link.size(), 'a'), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told + " for a body of " + std::to_string(c.body.size()));
        const MailCatcher mail(c.behaviour);
        dialogs.clear();
        MailBody({"ann@example.org", "Hello", c.body});
        EXPECT_EQ(dialogs.messages(),
                  c.told.empty() ? std::vector<std::string>{} : std::vector{c.told});
        // A failing mail program was reached; a message too long never goes.
        EXPECT_EQ(mail.mails().size(), c.behaviour == Behaviour::Fails || c.told.empty() ? 1u : 0u);
    }
}

TEST_F(MailBodyTest, AMailProgramThatStaysOpenDoesNotHoldTheProgram) {
    const MailCatcher mail(Behaviour::StaysForMinutes);
    QElapsedTimer elapsed;
    elapsed.start();
    MailBody({"ann@example.org", "Hello", "Body"});
    // Well short of the minutes the mail program stays, with room for a busy machine.
    EXPECT_LT(elapsed.elapsed(), 8000);
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].body, "Body");
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
