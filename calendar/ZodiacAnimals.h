#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The twelve animals in cycle order, "子鼠" first.
extern const std::array<std::string_view, 12> ZodiacAnimals;

// A year whose animal is ZodiacAnimals[0].
inline constexpr int ZodiacBaseYear = 1972;

}  // namespace qorvane
