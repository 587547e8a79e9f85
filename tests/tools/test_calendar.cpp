#include <gtest/gtest.h>

#include <limits>

#include "shell/core/numbers.h"
#include "tools/core/calendar.h"

using namespace hanhai::tools;

namespace {

constexpr std::int64_t kHour = kDayMilliseconds / 24;
constexpr std::int64_t kEvening = 18 * kHour;

std::string moved(Date start, double days, std::int64_t at) {
    const auto m = addDays({start, at}, days);
    return m ? dateText(m->date) : "none";
}

}  // namespace

TEST(CalendarDays, EveryDayOfTheRangeFollowsTheOneBefore) {
    EXPECT_EQ(dayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(dayNumber({2000, 3, 1}), 11017);
    EXPECT_EQ(dayNumber(kLastDate) - dayNumber(kFirstDate), 3615899);
    EXPECT_FALSE(isValid({2100, 2, 29}) || isValid({99, 12, 31}) || isValid({10000, 1, 1}));
    Date expected = kFirstDate;
    for (std::int64_t day = dayNumber(kFirstDate); day <= dayNumber(kLastDate); ++day) {
        const Date d = dateOfDay(day);
        ASSERT_EQ(d, expected) << day;
        ASSERT_EQ(dayNumber(d), day);
        expected = d.day < daysInMonth(d.year, d.month) ? Date{d.year, d.month, d.day + 1}
                   : d.month < 12                       ? Date{d.year, d.month + 1, 1}
                                                         : Date{d.year + 1, 1, 1};
    }
}

TEST(CalendarOffset, DatesAfterAndBefore) {
    struct Case {
        Date start;
        double days;
        std::int64_t at;
        const char *shown;
    };
    const Case cases[] = {
        {{2008, 1, 31}, 30, kEvening, "2008-03-01"},
        {{2008, 1, 31}, -30, kEvening, "2008-01-01"},
        {{2008, 2, 28}, 1, kEvening, "2008-02-29"},
        {{1900, 2, 28}, 1, kEvening, "1900-03-01"},
        {{2000, 2, 28}, 1, kEvening, "2000-02-29"},
        {{2100, 2, 28}, 1, kEvening, "2100-03-01"},
        {{1986, 5, 20}, 8004, kEvening, "2008-04-18"},
        // A fraction of a day moves the clock: 18:00 plus six hours is midnight.
        {{2008, 1, 31}, 0.25, kEvening, "2008-02-01"},
        {{2008, 1, 31}, 0.2499, kEvening, "2008-01-31"},
        {{2008, 1, 31}, -0.75, kEvening, "2008-01-31"},
        {{2008, 1, 31}, -0.7501, kEvening, "2008-01-30"},
        {{2008, 1, 31}, -1e-12, 0, "2008-01-30"},  // a hair before midnight
        {{2008, 12, 31}, 0.5, 23 * kHour, "2009-01-01"},
        // The ends of the range, and past them.
        {{9999, 12, 30}, 1, kEvening, "9999-12-31"},
        {{9999, 12, 31}, 1, kEvening, "none"},
        {{9999, 12, 31}, 0.25, kEvening, "none"},
        {{100, 1, 2}, -1, kEvening, "0100-01-01"},
        {{100, 1, 1}, -0.75001, kEvening, "none"},
        {{2008, 1, 31}, 1e300, kEvening, "none"},
        {{2008, 1, 31}, std::numeric_limits<double>::infinity(), kEvening, "none"},
        {{2008, 1, 31}, std::numeric_limits<double>::quiet_NaN(), kEvening, "none"},
    };
    for (const Case &c : cases) EXPECT_EQ(moved(c.start, c.days, c.at), c.shown) << dateText(c.start) << " + " << c.days;
}

TEST(CalendarDifference, WholeDaysEitherWayRound) {
    struct Case {
        Moment first, second;
        const char *shown;
    };
    const std::int64_t odd = 13 * kHour + 45 * 60'000 + 30'123;  // 13:45:30.123
    const Case cases[] = {
        {{{2008, 3, 1}, kEvening}, {{2008, 1, 1}, kEvening}, "60"},
        {{{2008, 1, 1}, kEvening}, {{2008, 3, 1}, kEvening}, "60"},
        {{{1900, 2, 1}, odd}, {{1900, 3, 1}, odd}, "28"},
        {{{2000, 2, 1}, odd}, {{2000, 3, 1}, odd}, "29"},
        {{{1986, 5, 20}, odd}, {{2008, 4, 18}, odd}, "8004"},
        {{kFirstDate, odd}, {kLastDate, odd}, "3615899"},
        {{{2008, 1, 1}, 0}, {{2008, 1, 2}, 12 * kHour}, "1.5"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(hanhai::shell::generalText(daysBetween(c.first, c.second)), c.shown)
            << dateText(c.first.date) << " to " << dateText(c.second.date);
}
