#include <gtest/gtest.h>

#include <chrono>

#include "calendar/DayAnnotation.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

struct AnnotationCase {
    year_month_day date;
    const char* text;
    DayAnnotationKind kind;
};

// Days where two or more rules apply show who wins; the plain days show the
// fallbacks.
TEST(DayAnnotation, TheHighestRuleThatAppliesWins) {
    using enum DayAnnotationKind;
    const AnnotationCase cases[] = {
        {2008y / 8 / 7, "七夕节", LunarFestival},       // also 立秋
        {2001y / 10 / 1, "中秋节", LunarFestival},      // also 国庆节
        {2008y / 2 / 7, "春节", LunarFestival},         // also the first of 正月
        {2009y / 6 / 21, "夏至", SolarTerm},            // also 父亲节
        {2008y / 3 / 8, "妇女节", GregorianFestival},   // also the first of 二月
        {2008y / 8 / 1, "建军节", GregorianFestival},
        {2009y / 6 / 23, "闰五", LunarMonthStart},
        {2008y / 7 / 3, "六月", LunarMonthStart},
        {2008y / 2 / 8, "初二", LunarDay},
        {2050y / 12 / 31, "十八", LunarDay},
        {2051y / 1 / 1, "元旦节", GregorianFestival},   // no lunar date after 2050
        {1900y / 12 / 25, "圣诞节", GregorianFestival},
        {2051y / 1 / 2, "", LunarDay},
    };
    for (const AnnotationCase& c : cases) {
        const DayAnnotation annotation = DayAnnotationOf(c.date);
        EXPECT_EQ(annotation.text, c.text) << DateText(c.date);
        EXPECT_EQ(annotation.kind, c.kind) << DateText(c.date);
    }
}

}  // namespace
}  // namespace qorvane
