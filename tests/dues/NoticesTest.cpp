// The record form's renewal and plain e-mails: their guards, and the body made
// of the member-number header and the template exactly as stored.

#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include <array>

namespace {

using Texts = std::vector<std::array<std::string, 3>>;

class NoticesTest : public ProgramTest {
protected:
    // One member with the address given, selected in the form.
    mainWindow& openWith(const std::string& email) {
        writeRoll({{.last = "Reader", .id = "6000123", .email = email}});
        mainWindow& main = mainWindow::instance();
        main.memberList.SetListIndex(0);
        return main;
    }

    // Recipient, subject and body of every mail handed over, in order.
    std::vector<std::array<std::string, 3>> sent() const {
        std::vector<std::array<std::string, 3>> texts;
        for (const MailCatcher::Mail& m : mail.mails())
            texts.push_back({m.recipient, m.subject, m.body});
        return texts;
    }

    MailCatcher mail;
};

TEST_F(NoticesTest, RenewalWithoutAnAddressOnlySaysSo) {
    data.write("membDueText", "Please renew.");
    mainWindow& main = openWith("");
    EXPECT_FALSE(main.RenewBtn.Enabled());
    main.RenewBtn_Action();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No email address available."});
    EXPECT_TRUE(mail.mails().empty());
}

TEST_F(NoticesTest, RenewalWithoutATemplateDoesNothingAtAll) {
    mainWindow& main = openWith("reader@example.org");
    ASSERT_TRUE(main.RenewBtn.Enabled());
    main.RenewBtn.Push();
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_TRUE(mail.mails().empty());
}

TEST_F(NoticesTest, RenewalBodyIsTheHeaderAndTheTemplateExactly) {
    mainWindow& main = openWith("reader@example.org");
    const struct {
        std::string stored, body;
    } cases[] = {
        {"Dear member,\nplease renew.",
         "Pellam Member Number: 6000123\n\nDear member,\nplease renew."},
        // Nothing is added or taken away at the end.
        {"Ends with two.\n\n", "Pellam Member Number: 6000123\n\nEnds with two.\n\n"},
        {"", "Pellam Member Number: 6000123\n\n"},
        // No placeholders: the text is handed over as it stands.
        {"Grüße, %name% $(id) `x` \"q\" 'a';\r\nbye",
         "Pellam Member Number: 6000123\n\nGrüße, %name% $(id) `x` \"q\" 'a';\r\nbye"},
    };
    for (const auto& c : cases) {
        data.write("membDueText", c.stored);
        main.RenewBtn.Push();
    }
    Texts expected;
    for (const auto& c : cases)
        expected.push_back({"reader@example.org", "Pellam Membership Renewal", c.body});
    EXPECT_EQ(sent(), expected);
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(NoticesTest, UnreadableRenewalTemplateGivesAMessageAndAnEmptyMail) {
    ASSERT_TRUE(data.dataFolder().Child("membDueText").CreateAsFolder());
    mainWindow& main = openWith("reader@example.org");
    main.RenewBtn.Push();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"The selected file is not a text file."});
    EXPECT_EQ(sent(), (Texts{{"reader@example.org", "Pellam Membership Renewal", ""}}));
}

TEST_F(NoticesTest, PlainMessageIsTheHeaderAlone) {
    data.write("membDueText", "not used");
    mainWindow& main = openWith("reader@example.org");
    ASSERT_TRUE(main.emailBtn.Enabled());
    main.emailBtn.Push();
    // The form's texts are used as typed, number or not.
    main.memberID.SetText("A-17 x");
    main.EmailAddress.SetText("not an address");
    main.emailBtn.Push();
    main.memberID.SetText("");
    main.emailBtn.Push();

    EXPECT_EQ(sent(),
              (Texts{{"reader@example.org", "Pellam Message", "Pellam Member Number: 6000123\n\n"},
                     {"not an address", "Pellam Message", "Pellam Member Number: A-17 x\n\n"},
                     {"not an address", "Pellam Message", "Pellam Member Number: \n\n"}}));
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(NoticesTest, PlainMessageWithoutAnAddressOnlySaysSo) {
    mainWindow& main = openWith("");
    EXPECT_FALSE(main.emailBtn.Enabled());
    main.emailBtn_Action();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"No email address available."});
    EXPECT_TRUE(mail.mails().empty());
}

TEST_F(NoticesTest, BothMessagesWorkWhileFiltered) {
    data.write("membDueText", "Please renew.");
    writeRoll({{.last = "Hidden", .id = "1", .email = "hidden@example.org"},
               {.last = "Shown", .id = "2", .email = "shown@example.org"}});
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");
    // A filter narrows the list and blocks the form.
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(0);
    main.memberList.SetListIndex(0);
    ASSERT_FALSE(main.EmailAddress.Enabled());
    ASSERT_TRUE(main.emailBtn.Enabled());
    ASSERT_TRUE(main.RenewBtn.Enabled());
    main.emailBtn.Push();
    main.RenewBtn.Push();

    EXPECT_EQ(sent(), (Texts{{"shown@example.org", "Pellam Message", "Pellam Member Number: 2\n\n"},
                             {"shown@example.org", "Pellam Membership Renewal",
                              "Pellam Member Number: 2\n\nPlease renew."}}));
    EXPECT_EQ(data.read("rkMemberList"), stored);
}

}  // namespace
