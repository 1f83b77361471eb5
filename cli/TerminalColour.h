#pragma once
#include <string>
#include <string_view>

#include "calendar/DayAnnotation.h"

namespace qorvane::cli {

// Select Graphic Rendition codes for the month grid on a terminal, after the
// colours of the calendar window: festivals orange, solar terms blue, the
// first of a lunar month red, weekend headings red. The plain lunar day keeps
// the terminal's own colour, which stays readable on light and dark screens.
inline constexpr std::string_view kOrange = "38;5;208";
inline constexpr std::string_view kBlue = "38;5;63";
inline constexpr std::string_view kRed = "31";
inline constexpr std::string_view kReverse = "7";  // the selected day

// The code for a lunar line of this kind, or "" for none.
std::string_view ColourOf(DayAnnotationKind kind);

// `text` wrapped in the escape sequences of `code`; `text` alone when code is "".
std::string Coloured(std::string_view text, std::string_view code);

}  // namespace qorvane::cli
