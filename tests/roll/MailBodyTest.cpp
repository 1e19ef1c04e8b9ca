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

namespace {

using Behaviour = MailCatcher::Behaviour;
using Texts = std::vector<std::string>;

TEST(MailBodyTest, TheThreeTextsArriveVerbatimAsOneMailLinkAndNothingInThemRuns) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
    const MailCatcher mail;
    const QTemporaryDir scratch;
    const std::string trap = QDir(scratch.path()).filePath("ran").toStdString();
    const std::string touch = "touch '" + trap + "'";
    const Texts cases[] = {
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
    size_t sent = 0;
    for (const Texts& c : cases) {
        SCOPED_TRACE(c[0]);
        const std::string answer = MailBody(c);
        EXPECT_NE(answer.find("sent"), std::string::npos) << answer;
        const std::vector<MailCatcher::Mail> mails = mail.mails();
        ASSERT_EQ(mails.size(), ++sent);
        EXPECT_EQ((Texts{mails.back().recipient, mails.back().subject, mails.back().body}), c);
        ASSERT_EQ(mails.back().arguments.size(), 1u);
        EXPECT_TRUE(mails.back().arguments[0].starts_with("mailto:"));
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(trap)));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(MailBodyTest, AFailedHandOffIsToldWithItsReasonAndNoneHoldsTheProgram) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Install();
    const std::string link = "mailto:ann%40example.org?subject=Hello&body=";
    const std::string failed = "The message could not be handed to the mail program: ";
    const std::string tooLong = failed + "the message is too long for a mail link";
    const struct {
        Behaviour behaviour;
        std::string body;
        std::string told;  // "" when the message goes
    } cases[] = {
        {Behaviour::Fails, "Body", failed + "no mail program is set up."},
        {Behaviour::Missing, "Body", failed + "xdg-email was not found; install xdg-utils."},
        // Too long once encoded (each blank takes three characters), and too long as it is.
        {Behaviour::Records, std::string(50'000, ' '),
         tooLong + " (150044 characters once encoded, at most 131071)."},
        {Behaviour::Records, std::string(131'072, 'a'), tooLong + "."},
        {Behaviour::Records, std::string(131'071 - link.size(), 'a'), ""},
        // A mail program in the foreground stays for minutes.
        {Behaviour::StaysForMinutes, "Body", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told + " for a body of " + std::to_string(c.body.size()));
        const MailCatcher mail(c.behaviour);
        dialogs.clear();
        QElapsedTimer elapsed;
        elapsed.start();
        MailBody({"ann@example.org", "Hello", c.body});
        // Well short of the minutes, with room for a busy machine.
        EXPECT_LT(elapsed.elapsed(), 8000);
        EXPECT_EQ(dialogs.messages(), c.told.empty() ? Texts{} : Texts{c.told});
        // A failing mail program was reached; a message too long never goes.
        const bool reached = c.behaviour == Behaviour::Fails || c.told.empty();
        ASSERT_EQ(mail.mails().size(), reached ? 1u : 0u);
        if (reached) {
            EXPECT_EQ(mail.mails()[0].body, c.body);
        }
    }
}

}  // namespace
