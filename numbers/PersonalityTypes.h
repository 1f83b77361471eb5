#pragma once
#include <string_view>

namespace qorvane {

// One of the nine personality types of the 81-number table.
struct PersonalityType {
  std::string_view label;
  std::string_view description;
};

inline constexpr int kPersonalityTypeCount = 9;

// The type numbered 1..9; every entry of the table that names the number
// shares this one description.
const PersonalityType& PersonalityTypeByNumber(int number);

}  // namespace qorvane
