// The counts window: which rows it counts.

#include "dues/reportWindow.h"
#include "tests/support/ProgramTest.h"

namespace {

using ReportWindowTest = ProgramTest;

TEST_F(ReportWindowTest, CountsWholeTextsWhateverTheirCaseInTheRowsShown) {
    const std::pair<std::string, std::string> statusAndPaidDue[] = {
        {"ACTIVE", "PAID"},  {"active", "paid"}, {"Active ", "Paid!"}, {"activ", "Due "},
        {"Inactive", "dUE"}, {"Paid", "Active"}, {"Inactive", "Due"},
    };
    std::vector<Member> members;
    // Without a due date the paid/due pass at start leaves the column as written.
    for (const auto& [status, paidDue] : statusAndPaidDue)
        members.push_back({.last = status, .paidDue = paidDue, .due = "", .status = status});
    writeRoll(members);
    mainWindow& main = mainWindow::instance();
    // A filter left all but the last row.
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(6);

    main.Toolbar11_Action(*main.Toolbar11.Counts);
    const reportWindow& report = reportWindow::instance();
    // Active, inactive, paid, due, total.
    EXPECT_EQ((std::vector{report.paidFld.Text(), report.dueFld.Text(), report.paidFld1.Text(),
                           report.dueFld1.Text(), report.TextField1.Text()}),
              (std::vector<std::string>{"2", "1", "2", "1", "6"}));
}

}  // namespace
