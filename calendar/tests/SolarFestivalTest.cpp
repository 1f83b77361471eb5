#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarAnnotations.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct SolarFestivalCase {
    int day;
    year_month_day reference;
    const char* festival;
};

TEST(SolarFestival, FixedDays) {
    const SolarFestivalCase cases[] = {
        {1, 2008y / 1 / 20, "元旦节"},  {14, 2008y / 2 / 1, "情人节"}, {8, 2008y / 3 / 1, "妇女节"},
        {1, 2008y / 4 / 1, "愚人节"},   {1, 2008y / 5 / 1, "劳动节"},  {4, 2008y / 5 / 1, "青年节"},
        {1, 2008y / 6 / 1, "儿童节"},   {1, 2008y / 7 / 1, "建党节"},  {1, 2008y / 8 / 1, "建军节"},
        {10, 2008y / 9 / 1, "教师节"},  {1, 2008y / 10 / 1, "国庆节"}, {6, 2008y / 10 / 1, "老人节"},
        {31, 2008y / 10 / 1, "万圣节"}, {8, 2008y / 11 / 1, "记者日"}, {25, 2008y / 12 / 1, "圣诞节"},
        // the reference date gives only the month and the year
        {25, 1850y / 12 / 31, "圣诞节"}, {1, 2200y / 1 / 31, "元旦节"},
    };
    for (const SolarFestivalCase& c : cases) {
        EXPECT_EQ(SolarFestival(c.day, c.reference), c.festival) << c.day << " in " << DateText(c.reference);
    }
}

// Mother's Day is the second Sunday of May, Father's Day the third Sunday of
// June, Thanksgiving the fourth Thursday of November.
TEST(SolarFestival, FloatingDays) {
    const SolarFestivalCase cases[] = {
        {11, 2008y / 5 / 1, "母亲节"},   {4, 2008y / 5 / 1, "青年节"},    {18, 2008y / 5 / 1, ""},
        {8, 2011y / 5 / 1, "母亲节"},    {14, 2017y / 5 / 1, "母亲节"},   {15, 2008y / 6 / 1, "父亲节"},
        {21, 2009y / 6 / 1, "父亲节"},   {14, 2009y / 6 / 1, ""},        {28, 2009y / 6 / 1, ""},
        {27, 2008y / 11 / 1, "感恩节"},  {22, 2012y / 11 / 1, "感恩节"},  {28, 2013y / 11 / 1, "感恩节"},
        {20, 2008y / 11 / 1, ""},       {12, 1850y / 5 / 1, "母亲节"},
    };
    for (const SolarFestivalCase& c : cases) {
        EXPECT_EQ(SolarFestival(c.day, c.reference), c.festival) << c.day << " in " << DateText(c.reference);
    }
}

TEST(SolarFestival, OrdinaryDaysAndDaysThatDoNotExistGiveNothing) {
    EXPECT_EQ(SolarFestival(2, 2008y / 1 / 1), "");
    EXPECT_EQ(SolarFestival(1, 2008y / 2 / 1), "");
    EXPECT_EQ(SolarFestival(30, 2008y / 2 / 1), "");
    EXPECT_EQ(SolarFestival(0, 2008y / 1 / 1), "");
}

}  // namespace
}  // namespace qorvane
