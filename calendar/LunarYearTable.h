#pragma once
#include <array>
#include <cstdint>

namespace qorvane {

inline constexpr int LunarTableFirstYear = 1901;
inline constexpr int LunarTableLastYear = 2050;

// One entry per Gregorian year Y of 1901-2050, at index Y - 1901: four bytes
// written as one word, byte 0 in the top eight bits. An entry describes the
// 16 lunar months (a leap month counts as one) that begin with the month
// containing 1 January of Y:
//   byte 0, bit 7    the month containing 1 January: 1 = 腊月 (12), 0 = 冬月 (11)
//   byte 0, bits 6-0 the lunar day of 1 January
//   bytes 1-2        month lengths, bit 15 of that word for the first month of
//                    the window down to bit 0 for the sixteenth;
//                    1 = 30 days, 0 = 29 days
//   byte 3           the leap month (1-12) of the lunar year whose New Year
//                    falls in Y, 0 when it has none; the leap month directly
//                    follows the regular month of the same number
extern const std::array<std::uint32_t, LunarTableLastYear - LunarTableFirstYear + 1> LunarYearTable;

}  // namespace qorvane
