#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The lunar month names as a wall calendar prints them, index 1-12
// ("正" … "冬", "腊"); index 0 is empty.
extern const std::array<std::string_view, 13> LunarMonthNames;

}  // namespace qorvane
