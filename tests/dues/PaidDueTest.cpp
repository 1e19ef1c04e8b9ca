// The two paid/due rules on the worked cases, today being 2026-06-15.

#include "core/Column.h"
#include "tests/support/ProgramTest.h"

namespace {

struct WorkedCase {
    std::string due;
    std::string yearPaid;
    std::string pass;  // what the start-up pass writes ("" = column left as it was)
    std::string live;  // what the live rule writes
};

const WorkedCase kCases[] = {
    {"2027-03-01", "2026", "Paid", "Paid"},
    {"2028-01-01", "2024", "Paid", "Paid"},
    {"2026-03-01", "2025", "Due", "Due"},
    {"2026-03-01", "2026", "Paid", "Due"},
    {"2026-06-30", "2025", "Due", "Due"},
    {"2026-09-01", "2025", "Paid", "Paid"},
    {"2025-09-01", "2024", "Paid", "Paid"},
    {"2025-03-01", "", "Due", "Due"},
    {"2026", "2025", "Due", "Due"},
    {"abc", "", "Due", "Due"},
    {"", "2025", "", "Due"},
};

class PaidDueTest : public ProgramTest {
protected:
    void writeCases() {
        std::vector<Member> members;
        int n = 0;
        for (const WorkedCase& c : kCases)
            members.push_back({.last = "M" + std::to_string(10 + n++),
                               .paidDue = "unset",
                               .due = c.due,
                               .yearPaid = c.yearPaid});
        writeRoll(members);
    }
};

TEST_F(PaidDueTest, StartUpPassFollowsTheWorkedCasesAndStoresThem) {
    writeCases();
    mainWindow& main = mainWindow::instance();
    ASSERT_EQ(main.memberList.ListCount(), static_cast<int>(std::size(kCases)));
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const std::string expected = kCases[i].pass.empty() ? "unset" : kCases[i].pass;
        EXPECT_EQ(main.memberList.Cell(static_cast<int>(i), +Column::PaidDue), expected)
            << "due " << kCases[i].due << " paid " << kCases[i].yearPaid;
    }
    // The pass saved, then loaded back what it saved.
    const std::string file = data.read("rkMemberList");
    EXPECT_NE(file.find("@@@Due@@@2026-03-01@@@2025@@@"), std::string::npos);
    EXPECT_EQ(file.find("unset@@@2026-03"), std::string::npos);
}

TEST_F(PaidDueTest, LiveRuleFollowsTheWorkedCases) {
    writeCases();
    mainWindow& main = mainWindow::instance();
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const int row = static_cast<int>(i);
        main.memberList.SetListIndex(row);
        // Set the date anew so the rule runs whatever the form showed before.
        main.dueFld.SetText("x");
        main.dueFld.SetText(kCases[i].due);
        EXPECT_EQ(main.memberList.Cell(row, +Column::PaidDue), kCases[i].live)
            << "due " << kCases[i].due;
        EXPECT_EQ(main.memberList.Cell(row, +Column::DueDate), kCases[i].due);
    }
}

TEST_F(PaidDueTest, SelectingARowPaidOnlyByItsYearMarksItDue) {
    writeRoll({{.last = "Early", .due = "2026-03-01", .yearPaid = "2026"}});
    mainWindow& main = mainWindow::instance();
    EXPECT_EQ(main.memberList.Cell(0, +Column::PaidDue), "Paid");
    main.memberList.SetListIndex(0);
    EXPECT_EQ(main.memberList.Cell(0, +Column::PaidDue), "Due");
}

TEST_F(PaidDueTest, LiveRuleWritesNothingWithoutASelectionOrWhileAdding) {
    writeRoll({{.last = "Only", .paidDue = "Paid", .due = "2027-01-01"}});
    mainWindow& main = mainWindow::instance();
    main.dueFld.SetText("2020-01-01");
    EXPECT_EQ(main.memberList.Cell(0, +Column::DueDate), "2027-01-01");

    main.memberList.SetListIndex(0);
    Globals::gAddingMember = true;
    main.dueFld.SetText("2020-01-01");
    EXPECT_EQ(main.memberList.Cell(0, +Column::PaidDue), "Paid");
    EXPECT_EQ(main.memberList.Cell(0, +Column::DueDate), "2027-01-01");
}

TEST_F(PaidDueTest, PassKeepsItsResultsInTheListOnlyWhileFiltered) {
    writeRoll({{.last = "Late", .paidDue = "Paid", .due = "2026-01-01", .yearPaid = "2025"}});
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");
    main.memberList.SetCell(0, +Column::DueDate, "2020-01-01");
    Globals::gSearchOn = true;
    main.SetDueStatus();
    // Nothing written; the list shows the roll as last stored.
    EXPECT_EQ(data.read("rkMemberList"), stored);
    EXPECT_EQ(main.memberList.Cell(0, +Column::DueDate), "2026-01-01");
    EXPECT_TRUE(Globals::gSearchOn);
}

}  // namespace
