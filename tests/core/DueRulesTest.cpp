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
    const Date today;
    const struct {
        const char *due, *atStart, *live;
    } cases[] = {
        {"2026.9-6.9", "Paid", "Due"},
        {"2026-6.5", "Paid", "Due"},
        {"  2027-01", "Paid", "Paid"},
    };
    for (const auto& c : cases) {
        RowTable rows(kColumnCount);
        rows.AddRow("member");
        rows.SetCell(0, +Column::DueDate, c.due);
        rows.SetCell(0, +Column::YearPaid, "2025");
        SetDueStatus(rows, today);
        EXPECT_EQ(rows.Cell(0, +Column::PaidDue), c.atStart) << c.due;
        ApplyDueDate(rows, 0, c.due, today);
        EXPECT_EQ(rows.Cell(0, +Column::PaidDue), c.live) << c.due;
    }
    Clock::Reset();
}

}  // namespace
