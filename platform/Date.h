#pragma once

#include <chrono>
#include <string>

// A calendar date. A new Date is now, in local time, as the program's clock
// says; tests set the clock so date rules run on fixed days.
class Date {
public:
    Date();

    int Year() const { return year_; }
    int Month() const { return month_; }  // 1 to 12
    int Day() const { return day_; }

    // Keeps month and day. 29 February in a year without one becomes 28 February.
    void SetYear(int year);

    // "YYYY-MM-DD", zero-padded: every reader of a date in the program splits
    // it at "-" into year, month and day.
    std::string ShortDate() const;

private:
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
};

// The one source of "now" for the whole program.
namespace Clock {
// To the millisecond, which reaches far enough back for any year a date may name.
using Moment = std::chrono::sys_time<std::chrono::milliseconds>;
Moment Now();
// Fix "now" until Reset(); for tests. A moment is the same everywhere; a date
// and time are read in local time.
void SetFixed(Moment now);
void SetFixed(int year, int month, int day, int hour = 0, int minute = 0);
void Reset();
}  // namespace Clock
