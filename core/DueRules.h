#pragma once

#include <string>
#include <string_view>

class Date;
class RowTable;

// A due date as every rule reads it: the text cut at "-", the number each of
// the first two pieces begins with as the year and the month, 0 where a piece
// or its number is missing. The day never counts: a membership is due from the
// first of its month.
struct DueDate {
    double year = 0;
    double month = 0;

    // The year and month cut to whole numbers, toward zero.
    double WholeYear() const;
    double WholeMonth() const;
};

DueDate ReadDueDate(std::string_view text);

// The start-up pass's rule, on the values as read: due when the due year is
// not later than this year, the year paid is not this year, and the due month
// has come.
bool DueAtStart(const DueDate& due, double yearPaid, const Date& today);

// The record form's rule, on whole numbers and the due date alone: paid while
// the due year is later than this year or the due month is still to come.
bool PaidByDueDate(const DueDate& due, const Date& today);

// The start-up pass over every row that has a due date: column "Paid/Due" set
// to "Due" or "Paid". Rows without a due date are left as they are.
void SetDueStatus(RowTable& rows, const Date& today);

// The record form's due date written into a row, and the row's "Paid/Due"
// set from it.
void ApplyDueDate(RowTable& rows, int row, std::string_view dueDate, const Date& today);

// A payment: the row marked "Paid" in this year.
void RecordPayment(RowTable& rows, int row, const Date& today);

// The due date a payment moves on to: the whole year plus one, then month and
// day exactly as they stand ("2026-3-5" gives "2027-3-5", "2026" "2027--").
std::string NextDueDate(std::string_view dueDate);
