// "Payment Received": the selected row's due date, paid/due and year paid,
// what reaches the member file, and the payment e-mail offered afterwards.

#include "tests/support/MailCatcher.h"
#include "tests/support/ProgramTest.h"

namespace {

using Button = MessageDialog::Button;
using PaymentTest = ProgramTest;

TEST_F(PaymentTest, MovesTheDueDateOnAYearMarksTheRowSavesItAndMailsTheMemberIfAsked) {
    data.write("PaymentRecText", "Thank you for your payment.\n");
    const MailCatcher mail;
    const struct {
        std::string due, moved, paidDue;
    } cases[] = {
        {"2026-03-15", "2027-03-15", "Paid"},
        // Month and day are taken over as written.
        {"2026-3-5", "2027-3-5", "Paid"},
        // Two years behind: one year on is still behind.
        {"2025-03-01", "2026-03-01", "Due"},
        // No date to move, but the payment is recorded.
        {"", "", "Paid"},
    };
    std::vector<Member> members;
    for (const auto& c : cases)
        members.push_back({.last = "M" + c.due,
                           .id = "6000123",
                           .email = "pay@example.org",
                           .paidDue = "Due",
                           .due = c.due,
                           .yearPaid = "2024"});
    writeRoll(members);
    mainWindow& main = mainWindow::instance();

    for (int row = 0; row < std::ssize(cases); ++row) {
        SCOPED_TRACE(cases[row].due);
        main.memberList.SetListIndex(row);
        // Only the last payment is mailed.
        dialogs.AnswerQuestion(row + 1 == std::ssize(cases) ? Button::Action : Button::Cancel);
        main.paymentBtn.Push();
        EXPECT_EQ(dialogs.unusedAnswers(), 0u);
        EXPECT_EQ(main.dueFld.Text(), cases[row].moved);
    }
    ASSERT_EQ(mail.mails().size(), 1u);
    EXPECT_EQ(mail.mails()[0].recipient, "pay@example.org");
    EXPECT_EQ(mail.mails()[0].subject, "Pellam Membership Payment Received");
    EXPECT_EQ(mail.mails()[0].body,
              "Pellam Member Number: 6000123\n\nThank you for your payment.\n");
    // The next save of the roll carries every payment.
    main.Close();
    const std::string saved = data.read("rkMemberList");
    for (const auto& c : cases)
        EXPECT_NE(saved.find("@@@" + c.paidDue + "@@@" + c.moved + "@@@2026@@@"), std::string::npos)
            << c.due;
}

}  // namespace
