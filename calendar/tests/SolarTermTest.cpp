#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "calendar/CalendarAnnotations.h"
#include "calendar/SolarTermTable.h"
#include "calendar/tests/DateText.h"

namespace qorvane {
namespace {

using namespace std::chrono;

std::array<std::uint8_t, 12> RowOf(int year) {
    std::array<std::uint8_t, 12> row{};
    for (int m = 0; m < 12; ++m) row[m] = SolarTermTable[(year - 1901) * 12 + m];
    return row;
}

TEST(SolarTermTable, TellingRows) {
    using Row = std::array<std::uint8_t, 12>;
    EXPECT_EQ(RowOf(1901), (Row{0x96, 0xB4, 0x96, 0xA6, 0x97, 0x97, 0x78, 0x79, 0x79, 0x69, 0x78, 0x77}));
    EXPECT_EQ(RowOf(2008), (Row{0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x87, 0x78, 0x87, 0x86}));
    // September 2050 is 0x88: the Sun reaches 165 degrees (白露) in the evening
    // of 7 September, Beijing time.
    EXPECT_EQ(RowOf(2050), (Row{0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}));
}

TEST(SolarTermTable, FirstTermsFallOnDays3To9AndSecondTermsOnDays18To24) {
    for (std::size_t i = 0; i < SolarTermTable.size(); ++i) {
        const int firstDay = 15 - (SolarTermTable[i] >> 4);
        const int secondDay = 15 + (SolarTermTable[i] & 0x0F);
        EXPECT_TRUE(firstDay >= 3 && firstDay <= 9) << "month " << i;
        EXPECT_TRUE(secondDay >= 18 && secondDay <= 24) << "month " << i;
    }
}

// The Sun takes 14 to 16 days from one term to the next; a byte with a term
// in the wrong place would break the rhythm.
TEST(SolarTermTable, ConsecutiveTermsAre14To16DaysApart) {
    sys_days previous{};
    bool first = true;
    for (sys_days day = sys_days{1901y / 1 / 1}; day <= sys_days{2050y / 12 / 31}; day += days{1}) {
        const year_month_day date{day};
        if (SolarTermName(date).empty()) continue;
        if (!first) {
            const auto gap = (day - previous).count();
            EXPECT_TRUE(gap >= 14 && gap <= 16) << DateText(date) << " comes " << gap << " days after the last term";
        }
        previous = day;
        first = false;
    }
}

struct TermIndexCase {
    int year, month, day;
    int index;
};

TEST(SolarTermIndex, FindsTheTermsOfTheTableAndNothingElse) {
    const TermIndexCase cases[] = {
        {2008, 1, 6, 1},   {2008, 1, 21, 2},  {2008, 2, 4, 3},  {2008, 12, 7, 23}, {2008, 12, 21, 24},
        {2008, 1, 7, 0},   {2008, 1, 5, 0},   {2008, 1, 15, 0}, {2008, 1, 14, 0},  {2008, 12, 31, 0},
        {1901, 1, 6, 1},   {2050, 12, 22, 24},
        // outside 1901-2050 there are no terms
        {2051, 1, 5, 0},   {1900, 12, 22, 0}, {2051, 1, 6, 0},
    };
    for (const TermIndexCase& c : cases) {
        EXPECT_EQ(SolarTermIndex(c.year, c.month, c.day), c.index) << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST(SolarTermName, NamesTheTermOfTheDay) {
    EXPECT_EQ(SolarTermName(2008y / 1 / 6), "小寒");
    EXPECT_EQ(SolarTermName(2008y / 12 / 21), "冬至");
    EXPECT_EQ(SolarTermName(2009y / 6 / 21), "夏至");
    EXPECT_EQ(SolarTermName(2050y / 9 / 7), "白露");
    EXPECT_EQ(SolarTermName(2050y / 9 / 8), "");
    EXPECT_EQ(SolarTermName(2008y / 1 / 7), "");
    EXPECT_EQ(SolarTermName(2051y / 1 / 5), "");
}

// Dates of terms as published for these years (Beijing time).
TEST(SolarTermName, AgreesWithPublishedDates) {
    struct Published {
        year_month_day date;
        const char* term;
    };
    const Published published[] = {
        {1980y / 3 / 20, "春分"},  {1997y / 12 / 22, "冬至"}, {2000y / 2 / 4, "立春"},   {2000y / 3 / 20, "春分"},
        {2000y / 6 / 21, "夏至"},  {2000y / 12 / 21, "冬至"}, {2012y / 3 / 20, "春分"},  {2012y / 12 / 21, "冬至"},
        {2017y / 2 / 3, "立春"},   {2019y / 3 / 21, "春分"},  {2019y / 6 / 21, "夏至"},  {2019y / 12 / 22, "冬至"},
        {2020y / 2 / 4, "立春"},   {2020y / 3 / 20, "春分"},  {2020y / 6 / 21, "夏至"},  {2020y / 12 / 21, "冬至"},
        {2021y / 2 / 3, "立春"},   {2021y / 12 / 21, "冬至"}, {2022y / 2 / 4, "立春"},   {2022y / 12 / 22, "冬至"},
        {2023y / 4 / 5, "清明"},   {2023y / 12 / 22, "冬至"}, {2024y / 1 / 6, "小寒"},   {2024y / 1 / 20, "大寒"},
        {2024y / 2 / 4, "立春"},   {2024y / 3 / 20, "春分"},  {2024y / 4 / 4, "清明"},   {2024y / 6 / 21, "夏至"},
        {2024y / 8 / 7, "立秋"},   {2024y / 9 / 22, "秋分"},  {2024y / 12 / 21, "冬至"}, {2025y / 2 / 3, "立春"},
        {2025y / 12 / 21, "冬至"},
    };
    for (const Published& p : published) {
        EXPECT_EQ(SolarTermName(p.date), p.term) << DateText(p.date);
    }
}

}  // namespace
}  // namespace qorvane
