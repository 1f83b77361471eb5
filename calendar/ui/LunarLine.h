#pragma once
#include <chrono>
#include <string>

#include "calendar/ui/Rgb.h"

namespace qorvane {

// The small line under a day of the month grid and its colour.
struct LunarLine {
  std::string text;
  Rgb colour;
};

// What the grid prints under a day (DayAnnotationOf of the calendar core: the
// lunar festival, the solar term, the Gregorian festival, the lunar month name
// on the first day of a lunar month, else the lunar day name) in its colour:
// festivals orange, solar terms blue, month starts red, day names dark green.
LunarLine LunarLineOf(std::chrono::year_month_day cellDate);

}  // namespace qorvane
