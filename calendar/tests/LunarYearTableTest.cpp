#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "calendar/LunarYearTable.h"

namespace qorvane {
namespace {

std::uint32_t EntryOf(int year) { return LunarYearTable[year - LunarTableFirstYear]; }

TEST(LunarYearTable, TellingRows) {
    struct Row {
        int year;
        std::uint32_t bytes;
    };
    const Row rows[] = {
        {1901, 0x0B52BA00}, {1903, 0x83A93705}, {1984, 0x1DEC960A}, {2009, 0x86E4AE05},
        {2033, 0x81A5750B}, {2034, 0x0B52B600}, {2050, 0x882AD803},
        // set from the new moons of 2 August 1989 and 8 June 2013
        {1989, 0x18A55D00}, {2013, 0x14AB5500},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EntryOf(row.year), row.bytes) << row.year;
    }
}

// What the engine relies on: the first month's day exists, the leap month is
// never the month that contains 1 January, and the whole Gregorian year lies
// within the first 14 months of the window.
TEST(LunarYearTable, EveryEntryKeepsTheInvariantsTheEngineReliesOn) {
    for (int year = LunarTableFirstYear; year <= LunarTableLastYear; ++year) {
        const std::uint32_t entry = EntryOf(year);
        const unsigned b0 = entry >> 24;
        const unsigned lengthBits = (entry >> 8) & 0xFFFFu;
        const unsigned leapMonth = entry & 0xFFu;
        const unsigned firstMonth = (b0 & 0x80u) ? 12 : 11;
        const unsigned dayOfNewYear = b0 & 0x7Fu;
        const auto length = [&](int k) { return (lengthBits >> (15 - k)) & 1u ? 30u : 29u; };

        EXPECT_GE(dayOfNewYear, 1u) << year;
        EXPECT_LE(dayOfNewYear, length(0)) << year;
        EXPECT_NE(leapMonth, firstMonth) << year;
        EXPECT_TRUE(leapMonth == 0 || (leapMonth >= 2 && leapMonth <= 11)) << year;

        unsigned covered = length(0) - dayOfNewYear + 1;
        for (int k = 1; k < 14; ++k) covered += length(k);
        const unsigned daysInYear = std::chrono::year{year}.is_leap() ? 366 : 365;
        EXPECT_GE(covered, daysInYear) << year;
    }
}

TEST(LunarYearTable, OnlyTheYear2033HasALeapEleventhMonth) {
    for (int year = LunarTableFirstYear; year <= LunarTableLastYear; ++year) {
        EXPECT_EQ((EntryOf(year) & 0xFFu) == 11, year == 2033) << year;
    }
}

}  // namespace
}  // namespace qorvane
