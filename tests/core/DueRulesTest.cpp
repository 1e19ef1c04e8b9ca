// The paid/due rules on fixed days, and the due date a payment moves to.

#include "core/Column.h"
#include "core/DueRules.h"
#include "platform/Date.h"
#include "platform/RowTable.h"

#include <gtest/gtest.h>

namespace {

class DueRulesTest : public ::testing::Test {
protected:
    DueRulesTest() { Clock::SetFixed(2026, 6, 15, 10, 0); }
    ~DueRulesTest() override { Clock::Reset(); }

    // A row with the due date and year paid, and "Paid/Due" marked unset.
    int addRow(std::string_view due, std::string_view yearPaid) {
        rows.AddRow("member");
        const int row = rows.LastIndex();
        rows.SetCell(row, +Column::PaidDue, "unset");
        rows.SetCell(row, +Column::DueDate, due);
        rows.SetCell(row, +Column::YearPaid, yearPaid);
        return row;
    }

    RowTable rows{kColumnCount};
};

TEST_F(DueRulesTest, StartPassAndLiveRuleOnTheSameRows) {
    const struct {
        const char* due;
        const char* yearPaid;
        const char* atStart;  // nullptr: left as it was
        const char* live;
    } cases[] = {
        {"2027-03-01", "2026", "Paid", "Paid"}, {"2028-01-01", "2024", "Paid", "Paid"},
        {"2026-03-01", "2025", "Due", "Due"},   {"2026-03-01", "2026", "Paid", "Due"},
        {"2026-06-30", "2025", "Due", "Due"},   {"2026-09-01", "2025", "Paid", "Paid"},
        {"2025-09-01", "2024", "Paid", "Paid"}, {"2025-03-01", "", "Due", "Due"},
        {"2026", "2025", "Due", "Due"},         {"abc", "", "Due", "Due"},
        {"", "2025", nullptr, "Due"},           {"2026.9-6.9", "2025", "Paid", "Due"},
        {"2026-6.5", "2025", "Paid", "Due"},    {"  2027-01", "", "Paid", "Paid"},
    };
    for (const auto& c : cases)
        addRow(c.due, c.yearPaid);
    SetDueStatus(rows, Date());
    const Date today;
    for (int row = 0; row < rows.RowCount(); ++row) {
        const auto& c = cases[row];
        EXPECT_EQ(rows.Cell(row, +Column::PaidDue), c.atStart ? c.atStart : "unset") << c.due;
        ApplyDueDate(rows, row, c.due, today);
        EXPECT_EQ(rows.Cell(row, +Column::PaidDue), c.live) << c.due;
        EXPECT_EQ(rows.Cell(row, +Column::DueDate), c.due);
    }
}

TEST_F(DueRulesTest, PaymentMarksPaidAndMovesTheYearOnly) {
    const struct {
        const char* due;
        const char* next;
    } cases[] = {
        {"2026-03-15", "2027-03-15"},
        {"2026-3-5", "2027-3-5"},
        {"2026", "2027--"},
        {"2026-03-15-x", "2027-03-15"},
        {"abc", "1--"},
        {"2026.7-01-02", "2027-01-02"},
        {"-5-1", "1-5-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextDueDate(c.due), c.next) << c.due;

    const int row = addRow("2026-03-15", "2020");
    RecordPayment(rows, row, Date());
    EXPECT_EQ(rows.Cell(row, +Column::PaidDue), "Paid");
    EXPECT_EQ(rows.Cell(row, +Column::YearPaid), "2026");
}

}  // namespace
