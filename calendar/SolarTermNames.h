#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The 24 solar terms, index 1-24, two per Gregorian month from January:
// term 2(M - 1) + 1 is the first of month M, 2(M - 1) + 2 the second.
// Index 0 is empty.
extern const std::array<std::string_view, 25> SolarTermNames;

}  // namespace qorvane
