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

}  // namespace
