#include "platform/Date.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <chrono>

namespace {

QDateTime toQt(Clock::Moment moment) {
    return QDateTime::fromMSecsSinceEpoch(moment.time_since_epoch().count());
}

class DateTest : public ::testing::Test {
protected:
    void TearDown() override { Clock::Reset(); }

    static void fixToday(int year, int month, int day) { Clock::SetFixed(year, month, day, 12, 0); }
};

TEST_F(DateTest, IsTodayAsTheFixedClockSays) {
    fixToday(2025, 3, 15);
    const Date today;
    EXPECT_EQ(today.Year(), 2025);
    EXPECT_EQ(today.Month(), 3);
    EXPECT_EQ(today.Day(), 15);
    EXPECT_EQ(toQt(Clock::Now()), QDateTime(QDate(2025, 3, 15), QTime(12, 0)));
}

TEST_F(DateTest, TakesTheLocalDateOfAFixedMoment) {
    const QDateTime moment(QDate(2025, 1, 1), QTime(0, 30), Qt::UTC);
    Clock::SetFixed(Clock::Moment(std::chrono::milliseconds(moment.toMSecsSinceEpoch())));
    const Date today;
    const QDate local = moment.toLocalTime().date();
    EXPECT_EQ(today.Year(), local.year());
    EXPECT_EQ(today.Month(), local.month());
    EXPECT_EQ(today.Day(), local.day());
}

TEST_F(DateTest, FollowsTheRealClockAfterReset) {
    fixToday(1999, 12, 31);
    Clock::Reset();
    const QDate before = QDate::currentDate();
    const Date today;
    const QDate after = QDate::currentDate();
    const QDate seen(today.Year(), today.Month(), today.Day());
    EXPECT_TRUE(seen == before || seen == after);
}

TEST_F(DateTest, ShortDateIsZeroPadded) {
    fixToday(2025, 3, 15);
    EXPECT_EQ(Date().ShortDate(), "2025-03-15");
    fixToday(2024, 1, 5);
    EXPECT_EQ(Date().ShortDate(), "2024-01-05");
    fixToday(2026, 12, 31);
    EXPECT_EQ(Date().ShortDate(), "2026-12-31");
    fixToday(987, 6, 7);
    EXPECT_EQ(Date().ShortDate(), "0987-06-07");
}

TEST_F(DateTest, SetYearKeepsMonthAndDay) {
    fixToday(2025, 3, 15);
    Date date;
    date.SetYear(2031);
    EXPECT_EQ(date.ShortDate(), "2031-03-15");
    date.SetYear(1990);
    EXPECT_EQ(date.ShortDate(), "1990-03-15");
}

TEST_F(DateTest, SetYearMovesLeapDayToTheLastOfFebruary) {
    fixToday(2024, 2, 29);
    Date date;
    date.SetYear(2025);
    EXPECT_EQ(date.ShortDate(), "2025-02-28");
    // The 28th it became stays the 28th, even in a leap year.
    date.SetYear(2028);
    EXPECT_EQ(date.ShortDate(), "2028-02-28");

    Date leapDay;
    leapDay.SetYear(2000);
    EXPECT_EQ(leapDay.ShortDate(), "2000-02-29");
    leapDay.SetYear(1900);
    EXPECT_EQ(leapDay.ShortDate(), "1900-02-28");
}

}  // namespace
