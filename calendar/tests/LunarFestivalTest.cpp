#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarAnnotations.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct FestivalCase {
    year_month_day date;
    const char* festival;
};

TEST(LunarFestival, NamesEachFestivalOnItsDay) {
    const FestivalCase cases[] = {
        {2008y / 2 / 6, "除夕"},    // 腊月三十
        {2008y / 2 / 7, "春节"},    // 正月初一
        {2008y / 2 / 21, "元宵节"},  // 正月十五
        {2008y / 6 / 8, "端午节"},   // 五月初五
        {2008y / 8 / 7, "七夕节"},   // 七月初七, also 立秋
        {2008y / 9 / 14, "中秋节"},  // 八月十五
        {2008y / 10 / 7, "重阳节"},  // 九月初九
        {2009y / 1 / 3, "腊八节"},   // 腊月初八
        {2001y / 10 / 1, "中秋节"},
        {2013y / 6 / 12, "端午节"},
        {2050y / 1 / 22, "除夕"},    // 腊月廿九: the eve need not be the 30th
        {1901y / 2 / 18, "除夕"},
    };
    for (const FestivalCase& c : cases) EXPECT_EQ(LunarFestival(c.date), c.festival) << DateText(c.date);
}

TEST(LunarFestival, LeavesOtherDaysEmpty) {
    const year_month_day dates[] = {
        2033y / 12 / 22,  // 闰冬月初一: a leap month is no festival month
        2009y / 6 / 27,   // 闰五月初五
        2008y / 3 / 8,    // 二月初一
        2008y / 3 / 22,   // 二月十五
        2008y / 2 / 5,    // 腊月廿九, not the last day of the year
        2008y / 2 / 8,    // 正月初二
        2050y / 12 / 31,  // no lunar date tomorrow, so no eve today
        1900y / 12 / 31,  // outside the table
        2051y / 1 / 26,
    };
    for (const year_month_day& date : dates) EXPECT_EQ(LunarFestival(date), "") << DateText(date);
}

}  // namespace
}  // namespace qorvane
