#include "core/DueRules.h"

#include "core/Column.h"
#include "platform/Date.h"
#include "platform/EventLoop.h"
#include "platform/RowTable.h"
#include "platform/Text.h"

#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view kPaid = "Paid";
constexpr std::string_view kDue = "Due";

// The decimal digits of a whole number of any size, as a year that is not a
// date may be.
std::string wholeNumberText(double value) {
    char digits[400];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 0);
    return std::string(digits, end.ptr);
}

}  // namespace

double DueDate::WholeYear() const {
    return std::trunc(year);
}

double DueDate::WholeMonth() const {
    return std::trunc(month);
}

DueDate ReadDueDate(std::string_view text) {
    return {Val(NthField(text, "-", 1)), Val(NthField(text, "-", 2))};
}

bool DueAtStart(const DueDate& due, double yearPaid, const Date& today) {
    return today.Year() + 1 > due.year && today.Year() > yearPaid && today.Month() >= due.month;
}

bool PaidByDueDate(const DueDate& due, const Date& today) {
    return due.WholeYear() > today.Year() || due.WholeMonth() > today.Month();
}

void SetDueStatus(RowTable& rows, const Date& today) {
    // Read once: no row comes or goes during a turn (EventLoop::Turn).
    const int count = rows.RowCount();
    for (int row = 0; row < count; ++row) {
        const std::string_view due = rows.Cell(row, +Column::DueDate);
        if (!due.empty()) {
            const bool isDue =
                DueAtStart(ReadDueDate(due), Val(rows.Cell(row, +Column::YearPaid)), today);
            rows.SetCell(row, +Column::PaidDue, isDue ? kDue : kPaid);
        }
        EventLoop::Turn();
    }
}

void ApplyDueDate(RowTable& rows, int row, std::string_view dueDate, const Date& today) {
    const bool paid = PaidByDueDate(ReadDueDate(dueDate), today);
    rows.SetCell(row, +Column::DueDate, dueDate);
    rows.SetCell(row, +Column::PaidDue, paid ? kPaid : kDue);
}

void RecordPayment(RowTable& rows, int row, const Date& today) {
    rows.SetCell(row, +Column::PaidDue, kPaid);
    rows.SetCell(row, +Column::YearPaid, Str(today.Year()));
}

std::string NextDueDate(std::string_view dueDate) {
    return wholeNumberText(ReadDueDate(dueDate).WholeYear() + 1) + "-" + NthField(dueDate, "-", 2) +
           "-" + NthField(dueDate, "-", 3);
}
