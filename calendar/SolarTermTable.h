#pragma once
#include <array>
#include <cstdint>

namespace qorvane {

inline constexpr int SolarTermFirstYear = 1901;
inline constexpr int SolarTermLastYear = 2050;

// The solar-term days of 1901-2050, one byte per Gregorian month: the byte of
// year Y, month M is at (Y - 1901) * 12 + (M - 1). Each month holds two terms:
// the high nibble h puts the first on day 15 - h, the low nibble l the second
// on day 15 + l (l is never 0).
//
// Computed, not typed in: tools/solar_terms finds the moment the Sun's apparent
// longitude reaches each multiple of 15 degrees and dates it in Beijing time.
// Where the computation disagrees with older printed tables, the Sun wins:
// 白露 2050 is 7 September (the Sun reaches 165 degrees near 18:00 that day),
// so September 2050 is 0x88.
extern const std::array<std::uint8_t, (SolarTermLastYear - SolarTermFirstYear + 1) * 12> SolarTermTable;

}  // namespace qorvane
