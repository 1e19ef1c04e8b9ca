// Member numbers, the new member's row, the e-mails and the counts.

#include "core/Column.h"
#include "core/Counts.h"
#include "core/MemberMail.h"
#include "core/MemberNumber.h"
#include "core/MemberRow.h"
#include "platform/RowTable.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

class MemberRulesTest : public ::testing::Test {
protected:
    MemberRulesTest() { data.dataFolder().CreateAsFolder(); }
    FolderItem folder() const { return data.dataFolder(); }
    TempDataFolder data;
};

TEST_F(MemberRulesTest, NextMemberNumber) {
    EXPECT_EQ(MemberNumber::Next(folder()).number, "6000001");
    const struct {
        const char* stored;
        const char* next;
    } cases[] = {{"6000001", "6000002"},
                 {"6000001\n", "6000002"},
                 {"12.7", "13"},
                 {"x12", "1"},
                 {"", "1"},
                 {"-3.5", "-2"},
                 {"1e400", ""}};
    for (const auto& c : cases) {
        data.write("LastMemberNumber", c.stored);
        const auto proposal = MemberNumber::Next(folder());
        EXPECT_EQ(proposal.number, c.next) << c.stored;
        EXPECT_TRUE(proposal.readable);
    }
    // A number typed over the proposal is what the next one follows.
    ASSERT_EQ(MemberNumber::Store(folder(), "7100"), std::nullopt);
    EXPECT_EQ(data.read("LastMemberNumber"), "7100");
    EXPECT_EQ(MemberNumber::Next(folder()).number, "7101");

    data.dataFolder().Child("LastMemberNumber").Delete();
    ASSERT_TRUE(data.dataFolder().Child("LastMemberNumber").CreateAsFolder());
    const auto unreadable = MemberNumber::Next(folder());
    EXPECT_FALSE(unreadable.readable);
    EXPECT_EQ(unreadable.number, "");
    EXPECT_EQ(MemberNumber::Store(folder(), "1"), "Is a directory");
}

TEST_F(MemberRulesTest, NewMemberRow) {
    RowTable rows(kColumnCount);
    rows.AddRow("Earlier");
    NewMember member{.lastName = "Lee", .firstName = "Ann", .memberID = "6000009"};
    member.joined = "2026-06-15";
    member.dueDate = "2020-01-01";
    member.notes = "first\nsecond";
    member.active = true;
    const struct {
        int typeIndex;
        bool active;
        const char* type;
        const char* status;
    } cases[] = {{0, true, "Individual", "active"},
                 {2, false, "Organization", "Inactive"},
                 {3, true, "Other", "active"},
                 {-1, true, "", "active"},
                 {4, false, "", "Inactive"}};
    for (const auto& c : cases) {
        member.typeIndex = c.typeIndex;
        member.active = c.active;
        AddNewMember(rows, member, 2026);
        const int row = rows.LastIndex();
        EXPECT_EQ(rows.Cell(row, +Column::Type), c.type);
        EXPECT_EQ(rows.Cell(row, +Column::Status), c.status);
    }
    const int row = rows.LastIndex();
    EXPECT_EQ(row, 5);
    EXPECT_EQ(rows.Cell(row, +Column::LastName), "Lee");
    EXPECT_EQ(rows.Cell(row, +Column::MemberID), "6000009");
    EXPECT_EQ(rows.Cell(row, +Column::Joined), "2026-06-15");
    // Paid this year even with a due date long past.
    EXPECT_EQ(rows.Cell(row, +Column::PaidDue), "Paid");
    EXPECT_EQ(rows.Cell(row, +Column::YearPaid), "2026");
    EXPECT_EQ(rows.Cell(row, +Column::Notes), "first###second");
    EXPECT_EQ(NotesText("a###b######"), "a\nb\n\n");

    EXPECT_EQ(MembershipTypeIndex("organization"), 2);
    EXPECT_EQ(MembershipTypeIndex("FAMILY"), 1);
    EXPECT_EQ(MembershipTypeIndex("Family "), -1);
    EXPECT_TRUE(IsActiveStatus("ACTIVE"));
    EXPECT_FALSE(IsActiveStatus(""));
    EXPECT_FALSE(IsActiveStatus("Inactive"));
}

TEST_F(MemberRulesTest, FindByNameLastNamesFirst) {
    RowTable rows(kColumnCount);
    for (auto [last, first] :
         {std::pair{"Smith", "Anna"}, {"Annersley", "Bob"}, {"Öberg", "Åsa"}}) {
        rows.AddRow(last);
        rows.SetCell(rows.LastIndex(), +Column::FirstName, first);
    }
    const struct {
        const char* text;
        int row;
    } cases[] = {{"ann", 1}, {"AN", 1}, {"anna", 0}, {"öb", 2},
                 {"ÅS", 2},  {"", 0},   {"x", -1},   {"Smithson", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FindMemberByName(rows, c.text), c.row) << c.text;
}

TEST_F(MemberRulesTest, MailsAreHeaderAndTemplate) {
    data.write("membWelcomeText", "Welcome!\nSee you.");
    data.write("PaymentRecText", "");
    const struct {
        Notice notice;
        const char* number;
        const char* body;
        bool read;
    } cases[] = {
        {kWelcomeNotice, "6000001", "Pellam Member Number: 6000001\n\nWelcome!\nSee you.", true},
        {kPaymentNotice, "", "Pellam Member Number: \n\n", true},
        {kRenewalNotice, "6000001", "", false},
    };
    for (const auto& c : cases) {
        const auto composed = ComposeNotice(c.notice, folder(), "a@b.org", c.number);
        EXPECT_EQ(composed.mail.body, c.body) << c.notice.templateName;
        EXPECT_EQ(composed.templateRead, c.read) << c.notice.templateName;
        EXPECT_EQ(composed.mail.subject, c.notice.subject);
        EXPECT_EQ(composed.mail.recipient, "a@b.org");
    }
    const MemberMail plain = PlainMail("a@b.org", "42");
    EXPECT_EQ(plain.subject, "Pellam Message");
    EXPECT_EQ(plain.body, "Pellam Member Number: 42\n\n");
}

TEST_F(MemberRulesTest, CountsIgnoreCaseAndCountNeitherForOtherTexts) {
    RowTable rows(kColumnCount);
    const struct {
        const char* status;
        const char* paidDue;
    } members[] = {{"Active", "Paid"}, {"inactive", "Due"}, {"", ""}, {"ACTIVE", "due "}};
    for (const auto& m : members) {
        rows.AddRow("m");
        rows.SetCell(rows.LastIndex(), +Column::Status, m.status);
        rows.SetCell(rows.LastIndex(), +Column::PaidDue, m.paidDue);
    }
    EXPECT_EQ(CountRows(rows, kActiveCount), 2);
    EXPECT_EQ(CountRows(rows, kInactiveCount), 1);
    EXPECT_EQ(CountRows(rows, kPaidCount), 1);
    EXPECT_EQ(CountRows(rows, kDueCount), 1);
    EXPECT_EQ(CountRows(RowTable(kColumnCount), kDueCount), 0);
}

}  // namespace
