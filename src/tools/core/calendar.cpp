#include "tools/core/calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hanhai::tools {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValid(const Date &date) {
    return date >= kFirstDate && date <= kLastDate && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

// Counted in 400-year cycles of 146 097 days from 1 March of the year 0, so that the leap day
// falls at the end of a counting year.
std::int64_t dayNumber(const Date &date) {
    const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t cycle = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfCycle = y - cycle * 400;
    const std::int64_t monthFromMarch = (date.month + 9) % 12;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfCycle = yearOfCycle * 365 + yearOfCycle / 4 - yearOfCycle / 100 + dayOfYear;
    return cycle * 146097 + dayOfCycle - 719468;  // 719 468: 0000-03-01 to 1970-01-01
}

Date dateOfDay(std::int64_t day) {
    const std::int64_t z = day + 719468;
    const std::int64_t cycle = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfCycle = z - cycle * 146097;
    const std::int64_t yearOfCycle =
        (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
    const std::int64_t dayOfYear = dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    return {static_cast<int>(yearOfCycle + cycle * 400 + (month <= 2 ? 1 : 0)), month,
            static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1)};
}

std::optional<Moment> addDays(const Moment &start, double days) {
    if (!std::isfinite(days) || !isValid(start.date) || start.millisecond < 0 || start.millisecond >= kDayMilliseconds)
        return std::nullopt;
    static const std::int64_t first = dayNumber(kFirstDate), last = dayNumber(kLastDate);
    // Whole days move the date alone; only the fraction (exact, under one day) meets the clock.
    const double whole = std::trunc(days);
    if (std::fabs(whole) > static_cast<double>(last - first + 1)) return std::nullopt;
    const double time = static_cast<double>(start.millisecond) + (days - whole) * static_cast<double>(kDayMilliseconds);
    std::int64_t carry = 0;  // midnight passed: one day either way
    double within = time;
    if (time < 0) {
        carry = -1;
        within += static_cast<double>(kDayMilliseconds);
    } else if (time >= static_cast<double>(kDayMilliseconds)) {
        carry = 1;
        within -= static_cast<double>(kDayMilliseconds);
    }
    // A moment a hair before midnight stays on its own day, even where the sum rounds up.
    const auto millisecond = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(within)), 0, kDayMilliseconds - 1);
    const std::int64_t day = dayNumber(start.date) + static_cast<std::int64_t>(whole) + carry;
    if (day < first || day > last) return std::nullopt;
    return Moment{dateOfDay(day), millisecond};
}

double daysBetween(const Moment &first, const Moment &second) {
    const std::int64_t apart = (dayNumber(second.date) - dayNumber(first.date)) * kDayMilliseconds +
                               (second.millisecond - first.millisecond);
    return static_cast<double>(std::llabs(apart)) / static_cast<double>(kDayMilliseconds);
}

std::string dateText(const Date &date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace hanhai::tools
