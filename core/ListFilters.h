#pragma once

#include "core/Column.h"

#include <array>
#include <optional>
#include <string_view>

// What a list filter keeps: the rows whose cell in the column equals the
// value as a whole text, case ignored. The caption names the view it leaves.
struct ListFilter {
    Column column;
    std::string_view value;
    std::string_view caption;
};

// An item of the toolbar's "Find Members" drop-down. The one without a filter
// opens the due-by-month window instead.
struct FindMenuItem {
    std::string_view text;
    std::optional<ListFilter> filter;
};

inline constexpr ListFilter kDueFilter{Column::PaidDue, "due", "Due Memberships"};
inline constexpr ListFilter kPaidFilter{Column::PaidDue, "paid", "Paid Memberships"};
inline constexpr ListFilter kActiveFilter{Column::Status, "active", "Active Memberships"};
inline constexpr ListFilter kInactiveFilter{Column::Status, "inactive", "Inactive Memberships"};

// In the order the drop-down lists them.
inline constexpr std::array<FindMenuItem, 5> kFindMenuItems = {{
    {"Due Members", kDueFilter},
    {"Due by Month", std::nullopt},
    {"Paid Members", kPaidFilter},
    {"Active Members", kActiveFilter},
    {"Inactive Members", kInactiveFilter},
}};

// The drop-down item a chosen text names, case ignored; nothing for any other text.
const FindMenuItem* FindMenuItemNamed(std::string_view text);

// Whether a row whose cell in the filter's column holds this text stays.
// Nothing is trimmed: "Due " is not "due".
bool FilterKeeps(const ListFilter& filter, std::string_view cell);

// The due-by-month filter reads a due date as "-" fields: the leading number
// of each, cut to a whole number; 0 where a field or its number is missing.
// The day is never needed.
bool DueInYear(std::string_view dueDate, int year);
bool DueInMonth(std::string_view dueDate, int month);
