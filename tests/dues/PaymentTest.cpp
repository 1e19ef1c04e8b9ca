// "Payment Received": what is written into the selected row, how the due date
// moves on, and the payment e-mail offered afterwards.

#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

#include <array>

namespace {

using Button = MessageDialog::Button;
using Texts = std::vector<std::array<std::string, 3>>;

class PaymentTest : public ProgramTest {
protected:
    // Presses "Payment Received" and answers the e-mail offer.
    void pay(mainWindow& main, Button answer) {
        dialogs.AnswerQuestion(answer);
        main.paymentBtn.Push();
        EXPECT_EQ(dialogs.unusedAnswers(), 0u);
    }

    // Recipient, subject and body of every mail handed over, in order.
    std::vector<std::array<std::string, 3>> sent() const {
        std::vector<std::array<std::string, 3>> texts;
        for (const MailCatcher::Mail& m : mail.mails())
            texts.push_back({m.recipient, m.subject, m.body});
        return texts;
    }

    // One member, due as given, selected in the form.
    mainWindow& openWith(const std::string& due, const std::string& email = "pay@example.org") {
        writeRoll(
            {{.last = "Payer", .id = "6000123", .email = email, .due = due, .yearPaid = "2024"}});
        mainWindow& main = mainWindow::instance();
        main.memberList.SetListIndex(0);
        return main;
    }

    MailCatcher mail;
};

TEST_F(PaymentTest, MovesTheDueDateOnAYearAsWritten) {
    const struct {
        std::string due, moved, paidDue;
    } cases[] = {
        {"2026-03-15", "2027-03-15", "Paid"},
        {"2026-12-01", "2027-12-01", "Paid"},
        // Month and day are taken over exactly, padded or not.
        {"2026-3-5", "2027-3-5", "Paid"},
        {"2026", "2027--", "Paid"},
        {"2026-03-15-x", "2027-03-15", "Paid"},
        {"2026-03", "2027-03-", "Paid"},
        // Two years behind: one year on is still behind, so the row is due again.
        {"2025-03-01", "2026-03-01", "Due"},
        {"2025-09-01", "2026-09-01", "Paid"},
        {"abc", "1--", "Due"},
        {"12.9-01-01", "13-01-01", "Due"},
        {"-3-01", "1-3-01", "Due"},
        {" 2026-07-01", "2027-07-01", "Paid"},
    };
    std::vector<Member> members;
    for (const auto& c : cases)
        members.push_back({.last = "M" + std::to_string(members.size() + 10),
                           .id = "6000123",
                           .email = "pay@example.org",
                           .paidDue = "Due",
                           .due = c.due,
                           .yearPaid = "2024"});
    writeRoll(members);
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");

    for (size_t i = 0; i < std::size(cases); ++i) {
        const int r = static_cast<int>(i);
        main.memberList.SetListIndex(r);
        pay(main, Button::Cancel);
        EXPECT_EQ(main.dueFld.Text(), cases[i].moved) << cases[i].due;
        EXPECT_EQ(main.memberList.Cell(r, 14), cases[i].moved) << cases[i].due;
        EXPECT_EQ(main.memberList.Cell(r, 13), cases[i].paidDue) << cases[i].due;
        EXPECT_EQ(main.memberList.Cell(r, 15), "2026") << cases[i].due;
    }
    // A payment stays in the list until the roll is next saved.
    EXPECT_EQ(data.read("rkMemberList"), stored);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PaymentTest, EmptyDueDateIsNotMovedButThePaymentIsRecorded) {
    mainWindow& main = openWith("");
    pay(main, Button::Cancel);
    EXPECT_EQ(main.dueFld.Text(), "");
    EXPECT_EQ(main.memberList.Cell(0, 14), "");
    EXPECT_EQ(main.memberList.Cell(0, 13), "Paid");
    EXPECT_EQ(main.memberList.Cell(0, 15), "2026");
}

TEST_F(PaymentTest, PayingTwiceMovesTwoYears) {
    mainWindow& main = openWith("2026-03-15");
    pay(main, Button::Cancel);
    pay(main, Button::Cancel);
    EXPECT_EQ(main.memberList.Cell(0, 14), "2028-03-15");
    EXPECT_EQ(main.memberList.Cell(0, 15), "2026");
    EXPECT_EQ(dialogs.questions().size(), 2u);
}

TEST_F(PaymentTest, OfferIsAQuestionAndCancelKeepsThePayment) {
    mainWindow& main = openWith("2026-03-15");
    pay(main, Button::Cancel);

    EXPECT_EQ(dialogs.questions(),
              std::vector{ScriptedDialogs::Question(
                  3, "Do you want to send a 'Payment Received' email?", "Send")});
    EXPECT_TRUE(mail.mails().empty());
    EXPECT_EQ(main.memberList.Cell(0, 14), "2027-03-15");
    EXPECT_EQ(main.memberList.Cell(0, 13), "Paid");

    // The next save of the roll carries the payment.
    main.Close();
    EXPECT_NE(data.read("rkMemberList").find("@@@Paid@@@2027-03-15@@@2026@@@"), std::string::npos);
}

TEST_F(PaymentTest, PaymentMailCarriesTheNumberAndTheTemplate) {
    data.write("PaymentRecText", "Thank you for your payment.\nSee you soon.\n");
    mainWindow& main = openWith("2026-03-15");
    pay(main, Button::Action);

    EXPECT_EQ(sent(), (Texts{{"pay@example.org", "Pellam Membership Payment Received",
                              "Pellam Member Number: 6000123\n\nThank you for your "
                              "payment.\nSee you soon.\n"}}));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PaymentTest, PaymentMailGoesEvenWithoutAnAddress) {
    data.write("PaymentRecText", "Thanks");
    mainWindow& main = openWith("2026-03-15", "");
    pay(main, Button::Action);

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(sent(), (Texts{{"", "Pellam Membership Payment Received",
                              "Pellam Member Number: 6000123\n\nThanks"}}));
}

TEST_F(PaymentTest, MissingTemplateGivesAMessageAndAnEmptyMail) {
    mainWindow& main = openWith("2026-03-15");
    pay(main, Button::Action);

    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"The selected file is not a text file."});
    EXPECT_EQ(sent(), (Texts{{"pay@example.org", "Pellam Membership Payment Received", ""}}));
    // The payment itself was recorded before.
    EXPECT_EQ(main.memberList.Cell(0, 14), "2027-03-15");
}

TEST_F(PaymentTest, WhileAddingNothingIsWrittenButTheOfferUsesTheForm) {
    data.write("PaymentRecText", "Thanks");
    writeRoll(
        {{.last = "Kept", .id = "5", .paidDue = "Due", .due = "2026-01-01", .yearPaid = "2024"}});
    mainWindow& main = mainWindow::instance();
    main.memberList.SetListIndex(0);
    const std::vector<std::string> before = row(main.memberList, 0);
    main.Toolbar11_Action(*main.Toolbar11.AddButton);
    main.EmailAddress.SetText("new@example.org");
    pay(main, Button::Action);

    EXPECT_EQ(row(main.memberList, 0), before);
    EXPECT_EQ(main.memberList.ListCount(), 1);
    EXPECT_EQ(main.dueFld.Text(), "2027-06-15");
    EXPECT_EQ(sent(), (Texts{{"new@example.org", "Pellam Membership Payment Received",
                              "Pellam Member Number: 6000001\n\nThanks"}}));
    EXPECT_TRUE(Globals::gAddingMember);
}

TEST_F(PaymentTest, WithoutASelectionTheMailHasNoRecipientOrNumber) {
    data.write("PaymentRecText", "Thanks");
    writeRoll({{.last = "Kept", .id = "5", .email = "kept@example.org"}});
    mainWindow& main = mainWindow::instance();
    const std::vector<std::string> before = row(main.memberList, 0);
    ASSERT_EQ(main.memberList.ListIndex(), -1);
    pay(main, Button::Action);

    EXPECT_EQ(row(main.memberList, 0), before);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(
        sent(),
        (Texts{{"", "Pellam Membership Payment Received", "Pellam Member Number: \n\nThanks"}}));
}

}  // namespace
