#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarAnnotations.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct SignCase {
    month m;
    unsigned lastDayOfEarlierSign;
    const char* earlier;
    const char* later;
};

// Each month's last day of the earlier sign and first day of the later one.
TEST(SignByDate, SplitsEveryMonthAtItsBoundary) {
    const SignCase cases[] = {
        {January, 19, "摩羯座", "水瓶座"},  {February, 18, "水瓶座", "双鱼座"}, {March, 20, "双鱼座", "白羊座"},
        {April, 19, "白羊座", "金牛座"},    {May, 20, "金牛座", "双子座"},      {June, 21, "双子座", "巨蟹座"},
        {July, 22, "巨蟹座", "狮子座"},     {August, 22, "狮子座", "处女座"},   {September, 22, "处女座", "天秤座"},
        {October, 23, "天秤座", "天蝎座"},  {November, 21, "天蝎座", "射手座"}, {December, 21, "射手座", "摩羯座"},
    };
    for (const SignCase& c : cases) {
        const year_month_day lastEarlier = 2009y / c.m / day{c.lastDayOfEarlierSign};
        const year_month_day firstLater = 2009y / c.m / day{c.lastDayOfEarlierSign + 1};
        EXPECT_EQ(SignByDate(2009y / c.m / 1), c.earlier) << DateText(lastEarlier);
        EXPECT_EQ(SignByDate(lastEarlier), c.earlier) << DateText(lastEarlier);
        EXPECT_EQ(SignByDate(firstLater), c.later) << DateText(firstLater);
        EXPECT_EQ(SignByDate(year_month_day{(2009y / c.m / last)}), c.later) << DateText(firstLater);
    }
}

TEST(SignByDate, EdgeDays) {
    EXPECT_EQ(SignByDate(2009y / 1 / 19), "摩羯座");
    EXPECT_EQ(SignByDate(2009y / 1 / 20), "水瓶座");
    EXPECT_EQ(SignByDate(2008y / 2 / 29), "双鱼座");
    EXPECT_EQ(SignByDate(2008y / 12 / 22), "摩羯座");
    EXPECT_EQ(SignByDate(2008y / 8 / 23), "处女座");  // the traditional first day of 处女座
    EXPECT_EQ(SignByDate(1600y / 8 / 23), "处女座");  // any year
}

TEST(SignOfDay, TakesTheMonthAndYearFromTheReferenceDate) {
    EXPECT_EQ(SignOfDay(20, 2009y / 1 / 5), "水瓶座");
    EXPECT_EQ(SignOfDay(19, 2009y / 1 / 31), "摩羯座");
    EXPECT_EQ(SignOfDay(29, 2008y / 2 / 1), "双鱼座");
    EXPECT_EQ(SignOfDay(23, 2050y / 8 / 1), "处女座");
}

}  // namespace
}  // namespace qorvane
