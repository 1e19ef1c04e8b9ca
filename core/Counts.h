#pragma once

#include "core/Column.h"

#include <string_view>

class RowTable;

// One number of the counts window: the rows whose cell in the column equals
// the value as a whole text, case ignored.
struct CountRule {
    Column column;
    std::string_view value;
};

inline constexpr CountRule kActiveCount{Column::Status, "active"};
inline constexpr CountRule kInactiveCount{Column::Status, "inactive"};
inline constexpr CountRule kPaidCount{Column::PaidDue, "paid"};
inline constexpr CountRule kDueCount{Column::PaidDue, "due"};

// Walks the rows once, reading the row count again before each row, as the
// rows may change while it yields.
int CountRows(const RowTable& rows, const CountRule& rule);
