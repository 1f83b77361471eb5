#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "calendar/LunarCalendar.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct LunarCase {
    year_month_day date;
    int code;
    const char* monthName;
    const char* dayName;
};

std::ostream& operator<<(std::ostream& out, const LunarCase& c) { return out << DateText(c.date); }

class LunarDateTest : public testing::TestWithParam<LunarCase> {};

TEST_P(LunarDateTest, CodeAndNames) {
    const LunarCase& c = GetParam();
    EXPECT_EQ(GregorianToLunar(c.date), c.code);
    EXPECT_EQ(LunarMonthName(c.date), c.monthName);
    EXPECT_EQ(LunarDayName(c.date), c.dayName);
}

INSTANTIATE_TEST_SUITE_P(
    TableEdges, LunarDateTest,
    testing::Values(
        // the first day of the table, the first lunar New Year, the last day
        LunarCase{1901y / 1 / 1, 1111, "冬月", "十一"},
        LunarCase{1901y / 2 / 18, 1230, "腊月", "三十"},
        LunarCase{1901y / 2 / 19, 101, "正月", "初一"},
        LunarCase{2050y / 12 / 31, 1118, "冬月", "十八"},
        // outside the table there is no lunar date
        LunarCase{1900y / 12 / 31, 0, "", ""},
        LunarCase{2051y / 1 / 1, 0, "", ""},
        LunarCase{1600y / 6 / 15, 0, "", ""},
        LunarCase{9999y / 12 / 31, 0, "", ""}));

INSTANTIATE_TEST_SUITE_P(
    LeapMonths, LunarDateTest,
    testing::Values(
        LunarCase{2009y / 6 / 23, -501, "闰五", "初一"},
        LunarCase{2009y / 7 / 22, 601, "六月", "初一"},
        LunarCase{2023y / 3 / 22, -201, "闰二", "初一"},
        // the leap 冬月 of 2033 runs over the turn of the year: its days in
        // January 2034 learn their leap flag from 31 December 2033
        LunarCase{2033y / 12 / 22, -1101, "闰冬", "初一"},
        LunarCase{2033y / 12 / 31, -1110, "闰冬", "初十"},
        LunarCase{2034y / 1 / 1, -1111, "闰冬", "十一"},
        LunarCase{2034y / 1 / 19, -1129, "闰冬", "廿九"},
        LunarCase{2034y / 1 / 20, 1201, "腊月", "初一"},
        // the 冬月 before the leap one stays regular
        LunarCase{2033y / 12 / 21, 1130, "冬月", "三十"}));

INSTANTIATE_TEST_SUITE_P(
    OrdinaryDays, LunarDateTest,
    testing::Values(
        LunarCase{2008y / 8 / 8, 708, "七月", "初八"},
        LunarCase{2008y / 2 / 6, 1230, "腊月", "三十"},
        LunarCase{2008y / 9 / 14, 815, "八月", "十五"},
        LunarCase{2009y / 1 / 1, 1206, "腊月", "初六"},
        LunarCase{1984y / 1 / 1, 1129, "冬月", "廿九"},
        LunarCase{1903y / 1 / 1, 1203, "腊月", "初三"},
        LunarCase{2024y / 2 / 29, 120, "正月", "二十"},
        LunarCase{2000y / 2 / 29, 125, "正月", "廿五"}));

// Two months whose first day depends on a new moon a few minutes from
// midnight: 七月 1989 begins on 2 August, 五月 2013 on 8 June.
INSTANTIATE_TEST_SUITE_P(
    NewMoonsNearMidnight, LunarDateTest,
    testing::Values(
        LunarCase{1989y / 7 / 3, 601, "六月", "初一"},
        LunarCase{1989y / 8 / 1, 630, "六月", "三十"},
        LunarCase{1989y / 8 / 2, 701, "七月", "初一"},
        LunarCase{1989y / 8 / 30, 729, "七月", "廿九"},
        LunarCase{1989y / 8 / 31, 801, "八月", "初一"},
        LunarCase{2013y / 5 / 10, 401, "四月", "初一"},
        LunarCase{2013y / 6 / 7, 429, "四月", "廿九"},
        LunarCase{2013y / 6 / 8, 501, "五月", "初一"},
        LunarCase{2013y / 6 / 12, 505, "五月", "初五"},
        LunarCase{2013y / 7 / 7, 530, "五月", "三十"},
        LunarCase{2013y / 7 / 8, 601, "六月", "初一"}));

class LunarNewYearTest : public testing::TestWithParam<year_month_day> {};

TEST_P(LunarNewYearTest, FollowsTheLastDayOfTheTwelfthMonth) {
    const year_month_day newYear = GetParam();
    EXPECT_EQ(GregorianToLunar(newYear), 101);
    const int eve = GregorianToLunar(year_month_day{sys_days{newYear} - days{1}});
    EXPECT_TRUE(eve == 1229 || eve == 1230) << eve;
}

INSTANTIATE_TEST_SUITE_P(PublishedDates, LunarNewYearTest,
                         testing::Values(1901y / 2 / 19, 1949y / 1 / 29, 1972y / 2 / 15, 2000y / 2 / 5,
                                         2008y / 2 / 7, 2020y / 1 / 25, 2024y / 2 / 10, 2034y / 2 / 19,
                                         2050y / 1 / 23));

TEST(LunarCalendar, RejectsDatesThatDoNotExist) {
    EXPECT_EQ(GregorianToLunar(2009y / 2 / 29), 0);
    EXPECT_EQ(GregorianToLunar(2008y / 13 / 1), 0);
    EXPECT_EQ(LunarMonthName(2008y / 4 / 31), "");
    EXPECT_EQ(LunarDayName(2008y / 4 / 31), "");
}

// The month that follows `month` in the lunar sequence is either the leap
// month of the same number (only after a regular month) or the next regular
// month, 正月 after 腊月.
bool IsNextMonth(int month, int next) {
    const int following = std::abs(month) % 12 + 1;
    return next == following || (month > 0 && next == -month);
}

TEST(LunarCalendar, EveryDayOfTheTableFollowsFromThePreviousOne) {
    int previous = GregorianToLunar(1901y / 1 / 1);
    int daysInMonth = 1;
    for (sys_days day = sys_days{1901y / 1 / 2}; day <= sys_days{2050y / 12 / 31}; day += days{1}) {
        const year_month_day date{day};
        const int code = GregorianToLunar(date);
        const int previousMonth = previous / 100;
        const int previousDay = std::abs(previous) % 100;
        const int month = code / 100;
        const int lunarDay = std::abs(code) % 100;
        if (lunarDay == 1) {
            ASSERT_TRUE(previousDay == 29 || previousDay == 30) << DateText(date) << " follows day " << previousDay;
            ASSERT_TRUE(IsNextMonth(previousMonth, month)) << DateText(date) << ": " << previousMonth << " -> " << month;
            daysInMonth = 1;
        } else {
            ASSERT_EQ(month, previousMonth) << DateText(date);
            ASSERT_EQ(lunarDay, previousDay + 1) << DateText(date);
            ++daysInMonth;
        }
        ASSERT_LE(daysInMonth, 30) << DateText(date);
        previous = code;
    }
}

// A lunar year has twelve months, or thirteen with its leap month, and a leap
// month is never the first or the last of the year.
TEST(LunarCalendar, EveryLunarYearHasTwelveOrThirteenMonths) {
    int monthsThisYear = 0;
    int leapMonthsThisYear = 0;
    for (sys_days day = sys_days{1901y / 2 / 19}; day <= sys_days{2050y / 12 / 31}; day += days{1}) {
        const year_month_day date{day};
        const int code = GregorianToLunar(date);
        if (std::abs(code) % 100 != 1) continue;
        if (code == 101 && monthsThisYear != 0) {
            ASSERT_TRUE(monthsThisYear == 12 + leapMonthsThisYear) << DateText(date);
            ASSERT_LE(leapMonthsThisYear, 1) << DateText(date);
            monthsThisYear = 0;
            leapMonthsThisYear = 0;
        }
        ++monthsThisYear;
        if (code < 0) {
            ++leapMonthsThisYear;
            ASSERT_NE(code, -101) << DateText(date);
            ASSERT_NE(code, -1201) << DateText(date);
        }
    }
}

}  // namespace
}  // namespace qorvane
