#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The lunar day names, index 1-30 ("初一" … "三十"); index 0 is empty.
extern const std::array<std::string_view, 31> LunarDayNames;

}  // namespace qorvane
