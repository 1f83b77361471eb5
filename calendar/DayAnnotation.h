#pragma once
#include <chrono>
#include <string>

namespace qorvane {

// Which rule chose the line under a day; the calendar colours it by this.
enum class DayAnnotationKind {
  LunarDay,           // the lunar day name ("初二"), or nothing outside 1901-2050
  LunarMonthStart,    // the lunar month name on the first day of a lunar month
  GregorianFestival,  // "元旦节", "母亲节", …
  SolarTerm,          // "立春", "夏至", …
  LunarFestival,      // "春节", "除夕", …
};

// The short line that a month grid prints under a day.
struct DayAnnotation {
  std::string text;
  DayAnnotationKind kind;
};

// The line under a day, from the highest priority down: the lunar festival,
// the solar term, the Gregorian festival, the lunar month name on the first
// day of a lunar month, else the lunar day name. Outside 1901-2050 only the
// Gregorian festivals remain; other days get "" (kind LunarDay).
DayAnnotation DayAnnotationOf(std::chrono::year_month_day date);

}  // namespace qorvane
