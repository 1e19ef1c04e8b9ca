// A year later, leap days included, is tried through the new member's
// proposed due date in tests/roll/AddMemberTest.cpp.

#include "platform/Date.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <chrono>

namespace {

TEST(Date, TodayIsTheLocalDateOfTheClocksMoment) {
    const QDateTime moment(QDate(2025, 1, 1), QTime(0, 30), Qt::UTC);
    Clock::SetFixed(Clock::Moment(std::chrono::milliseconds(moment.toMSecsSinceEpoch())));
    const Date today;
    EXPECT_EQ(QDate(today.Year(), today.Month(), today.Day()), moment.toLocalTime().date());

    Clock::Reset();
    const QDate before = QDate::currentDate();
    const Date now;
    const QDate seen(now.Year(), now.Month(), now.Day());
    EXPECT_TRUE(seen == before || seen == QDate::currentDate());
}

// Rows of {today, year set, date then}.
TEST(Date, SetYearKeepsMonthAndDayButNoLeapDayInACommonYear) {
    struct Row {
        int year, month, day, newYear;
        const char* shortDate;
    };
    const Row rows[] = {
        {2025, 3, 15, 2031, "2031-03-15"}, {2025, 3, 15, 987, "0987-03-15"},
        {2024, 1, 5, 2023, "2023-01-05"},  {2024, 2, 29, 2000, "2000-02-29"},
        {2024, 2, 29, 2025, "2025-02-28"}, {2024, 2, 29, 1900, "1900-02-28"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shortDate);
        Clock::SetFixed(row.year, row.month, row.day, 12, 0);
        Date date;
        date.SetYear(row.newYear);
        EXPECT_EQ(date.ShortDate(), row.shortDate);
    }
    // The 28th a leap day became stays the 28th, even in a leap year.
    Clock::SetFixed(2024, 2, 29, 12, 0);
    Date date;
    date.SetYear(2025);
    date.SetYear(2028);
    EXPECT_EQ(date.ShortDate(), "2028-02-28");
    Clock::Reset();
}

}  // namespace
