// The two paid/due rules on due dates with fractions and leading blanks: the
// start-up pass reads the numbers as they stand, the live rule cuts them.

#include "core/Column.h"
#include "core/DueRules.h"
#include "platform/Date.h"
#include "platform/RowTable.h"

#include <gtest/gtest.h>

namespace {

TEST(DueRules, StartPassAndLiveRuleReadFractionsApart) {
    Clock::SetFixed(2026, 6, 15, 10, 0);
    const struct {
        const char *due, *atStart, *live;
    } cases[] = {
        {"2026.9-6.9", "Paid", "Due"},
        {"2026-6.5", "Paid", "Due"},
        {"  2027-01", "Paid", "Paid"},
    };
    RowTable rows(kColumnCount);
    for (const auto& c : cases) {
        rows.AddRow("member");
        rows.SetCell(rows.LastIndex(), +Column::DueDate, c.due);
        rows.SetCell(rows.LastIndex(), +Column::YearPaid, "2025");
    }
    const Date today;
    SetDueStatus(rows, today);
    for (int row = 0; row < rows.RowCount(); ++row) {
        const auto& c = cases[row];
        EXPECT_EQ(rows.Cell(row, +Column::PaidDue), c.atStart) << c.due;
        ApplyDueDate(rows, row, c.due, today);
        EXPECT_EQ(rows.Cell(row, +Column::PaidDue), c.live) << c.due;
    }
    Clock::Reset();
}

}  // namespace
