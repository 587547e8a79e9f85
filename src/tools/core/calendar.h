// The perpetual calendar's arithmetic: dates of the Gregorian calendar (run back before 1582 as
// it stands), counted in whole days, with a time of day held apart in milliseconds. A date
// moved by a real number of days and the distance between two dates come out of whole-number
// sums, so two dates with the same time of day are always a whole number of days apart.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace hanhai::tools {

struct Date {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;
    auto operator<=>(const Date &) const = default;
};

// A date and a time of day, as a date picker holds them.
struct Moment {
    Date date;
    std::int64_t millisecond = 0;  // since midnight: 0 to kDayMilliseconds − 1
    bool operator==(const Moment &) const = default;
};

inline constexpr std::int64_t kDayMilliseconds = 86'400'000;

// The dates the calendar works with, the pickers' range as well.
inline constexpr Date kFirstDate{100, 1, 1};
inline constexpr Date kLastDate{9999, 12, 31};

bool isLeapYear(int year);
int daysInMonth(int year, int month);  // 0 for a month that does not exist
bool isValid(const Date &date);        // a real day from kFirstDate to kLastDate

// Days since 1970-01-01, negative before it, and back again.
std::int64_t dayNumber(const Date &date);
Date dateOfDay(std::int64_t day);

// The moment `days` days after `start` (before it when negative). A fraction of a day moves the
// time of day and with it the date when midnight is passed. Nothing when the moment falls
// outside kFirstDate to kLastDate or `days` is not a finite number.
std::optional<Moment> addDays(const Moment &start, double days);

// How far apart two moments are, in days, whichever comes first; the times of day count as
// fractions of a day.
double daysBetween(const Moment &first, const Moment &second);

// "2008-03-01": four-digit year, two-digit month and day.
std::string dateText(const Date &date);

}  // namespace hanhai::tools
