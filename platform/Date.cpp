#include "platform/Date.h"

#include <QDate>
#include <cstdio>
#include <optional>

namespace {

std::optional<QDateTime>& fixedNow() {
    static std::optional<QDateTime> now;
    return now;
}

}  // namespace

Date::Date() {
    const QDate today = Clock::Now().date();
    year_ = today.year();
    month_ = today.month();
    day_ = today.day();
}

void Date::SetYear(int year) {
    // addYears moves 29 February to the 28th when the new year has no 29th.
    const QDate moved = QDate(year_, month_, day_).addYears(year - year_);
    if (!moved.isValid())
        return;
    year_ = moved.year();
    month_ = moved.month();
    day_ = moved.day();
}

std::string Date::ShortDate() const {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year_, month_, day_);
    return text;
}

namespace Clock {

QDateTime Now() {
    if (const auto& fixed = fixedNow())
        return fixed->toLocalTime();
    return QDateTime::currentDateTime();
}

void SetFixed(const QDateTime& now) {
    fixedNow() = now;
}

void Reset() {
    fixedNow().reset();
}

}  // namespace Clock
