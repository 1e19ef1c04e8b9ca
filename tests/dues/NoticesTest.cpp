// The record form's renewal and plain e-mails: their guards, and the body made
// of the member-number header and the template exactly as stored.

#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include <array>

namespace {

using NoticesTest = ProgramTest;

TEST_F(NoticesTest, WithoutAnAddressEitherMailOnlySaysSo) {
    const MailCatcher mail;
    data.write("membDueText", "Please renew.");
    writeRoll({{.last = "Reader", .id = "6000123", .email = ""}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    for (PushButton* button : {&main.RenewBtn, &main.emailBtn}) {
        SCOPED_TRACE(button->Name());
        dialogs.clear();
        EXPECT_FALSE(button->Enabled());
        button->Action();
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No email address available."});
    }
    EXPECT_TRUE(mail.mails().empty());
}

TEST_F(NoticesTest, BodiesAreTheHeaderAndTheTemplateExactlyAndAnUnreadableTemplateIsTold) {
    const MailCatcher mail;
    writeRoll({{.last = "Reader", .id = "6000123", .email = "reader@example.org"}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    // Without a renewal text there is nothing to send.
    main.RenewBtn.Push();
    const struct {
        std::string stored, body;
    } cases[] = {
        // Nothing is added or taken away at the end.
        {"Ends with two.\n\n", "Pellam Member Number: 6000123\n\nEnds with two.\n\n"},
        {"", "Pellam Member Number: 6000123\n\n"},
        // No placeholders: the text is handed over as it stands.
        {"Grüße, %name% $(id) `x` \"q\" 'a';\r\nbye",
         "Pellam Member Number: 6000123\n\nGrüße, %name% $(id) `x` \"q\" 'a';\r\nbye"},
    };
    using Texts = std::vector<std::array<std::string, 3>>;
    Texts expected;
    for (const auto& c : cases) {
        data.write("membDueText", c.stored);
        main.RenewBtn.Push();
        expected.push_back({"reader@example.org", "Pellam Membership Renewal", c.body});
    }
    // The plain message is the header alone, with the form's texts as typed.
    main.memberID.SetText("A-17 x");
    main.emailBtn.Push();
    expected.push_back(
        {"reader@example.org", "Pellam Message", "Pellam Member Number: A-17 x\n\n"});
    EXPECT_TRUE(dialogs.asked().empty());

    // A renewal text that can't be read is told, and the mail goes out empty.
    data.dataFolder().Child("membDueText").Delete();
    ASSERT_TRUE(data.dataFolder().Child("membDueText").CreateAsFolder());
    main.RenewBtn.Push();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"The selected file is not a text file."});
    expected.push_back({"reader@example.org", "Pellam Membership Renewal", ""});

    Texts sent;
    for (const MailCatcher::Mail& m : mail.mails())
        sent.push_back({m.recipient, m.subject, m.body});
    EXPECT_EQ(sent, expected);
}

}  // namespace
