#include "platform/Date.h"

#include <QDateTime>
#include <cstdio>
#include <optional>

namespace {

std::optional<Clock::Moment>& fixedNow() {
    static std::optional<Clock::Moment> now;
    return now;
}

QDateTime toQt(Clock::Moment moment) {
    return QDateTime::fromMSecsSinceEpoch(moment.time_since_epoch().count());
}

}  // namespace

Date::Date() {
    const QDate today = toQt(Clock::Now()).toLocalTime().date();
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

Moment Now() {
    if (const auto& fixed = fixedNow())
        return *fixed;
    return std::chrono::time_point_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now());
}

void SetFixed(Moment now) {
    fixedNow() = now;
}

void SetFixed(int year, int month, int day, int hour, int minute) {
    const QDateTime local(QDate(year, month, day), QTime(hour, minute));
    fixedNow() = Moment(std::chrono::milliseconds(local.toMSecsSinceEpoch()));
}

void Reset() {
    fixedNow().reset();
}

}  // namespace Clock
