// Which cells the list filters keep, and the due month and year they read.

#include "core/ListFilters.h"

#include <gtest/gtest.h>

namespace {

const ListFilter& filterOf(std::string_view text) {
    const FindMenuItem* item = FindMenuItemNamed(text);
    EXPECT_NE(item, nullptr) << text;
    EXPECT_TRUE(item && item->filter) << text;
    return *item->filter;
}

TEST(ListFiltersTest, KeepsWholeTextsIgnoringCaseOnly) {
    struct Case {
        std::string_view menu, cell;
        bool kept;
    };
    const Case cases[] = {
        {"Due Members", "dUE", true},           {"Due Members", "Due ", false},
        {"Due Members", " Due", false},         {"Due Members", "", false},
        {"Paid Members", "PAID", true},         {"Paid Members", "Due", false},
        {"Active Members", "active", true},     {"Active Members", "Inactive", false},
        {"Inactive Members", "inactive", true}, {"Inactive Members", "Active", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterKeeps(filterOf(c.menu), c.cell), c.kept)
            << c.menu << " on \"" << c.cell << '"';
}

TEST(ListFiltersTest, DueMonthReadsTheLeadingNumberOfEachField) {
    struct Case {
        std::string_view due;
        bool in2025, inMarch;
    };
    const Case cases[] = {
        {"2025-03-15", true, true},
        {"2025-3-1", true, true},
        {"2025-03", true, true},
        {"2025-03.9-40", true, true},  // truncated, never rounded
        {"2025-3x", true, true},
        {" 2025- 3", true, true},
        {"2025-04-01", true, false},
        {"2024-03-15", false, true},
        {"2026-03-15", false, true},
        {"2025/03/15", true, false},  // one field: the month reads as 0
        {"2025", true, false},
        {"", false, false},
        {"3/15/25", false, false},
        {"-03-2025", false, true},  // the year field is empty
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DueInYear(c.due, 2025), c.in2025) << c.due;
        EXPECT_EQ(DueInMonth(c.due, 3), c.inMarch) << c.due;
    }
    // A missing month field is month 0, which no chosen month matches.
    EXPECT_FALSE(DueInMonth("2025", 1));
    EXPECT_TRUE(DueInMonth("2025-12-31", 12));
}

}  // namespace
