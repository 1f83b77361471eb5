#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarAnnotations.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct AnimalCase {
    year_month_day date;
    const char* animal;
};

TEST(ZodiacAnimal, ChangesAtTheLunarNewYear) {
    const AnimalCase cases[] = {
        {2008y / 2 / 6, "亥猪"},   {2008y / 2 / 7, "子鼠"},
        {1972y / 2 / 14, "亥猪"},  {1972y / 2 / 15, "子鼠"},
        {2034y / 1 / 1, "丑牛"},   // the leap 冬月 of the year of the ox
        {2034y / 2 / 18, "丑牛"},  {2034y / 2 / 19, "寅虎"},
        {1901y / 1 / 1, "子鼠"},   // 1900 was the year of the rat
        {2050y / 1 / 22, "巳蛇"},  {2050y / 1 / 23, "午马"},
    };
    for (const AnimalCase& c : cases) EXPECT_EQ(ZodiacAnimal(c.date), c.animal) << DateText(c.date);
}

TEST(ZodiacAnimal, FollowsTheGregorianYearOutsideJanuaryToMarch) {
    const AnimalCase cases[] = {
        {1971y / 6 / 1, "亥猪"},   // before the base year: the remainder is brought into 0-11
        {2008y / 12 / 1, "子鼠"},  // lunar 冬月, but December
        {1960y / 7 / 1, "子鼠"},   {1984y / 7 / 1, "子鼠"}, {2023y / 7 / 1, "卯兔"},
        {1949y / 10 / 1, "丑牛"},
    };
    for (const AnimalCase& c : cases) EXPECT_EQ(ZodiacAnimal(c.date), c.animal) << DateText(c.date);
}

TEST(ZodiacAnimal, OutsideTheTableGoesByTheGregorianYear) {
    EXPECT_EQ(ZodiacAnimal(1900y / 1 / 15), "子鼠");
    EXPECT_EQ(ZodiacAnimal(2051y / 1 / 15), "未羊");
    EXPECT_EQ(ZodiacAnimal(1800y / 6 / 1), "申猴");
}

}  // namespace
}  // namespace qorvane
