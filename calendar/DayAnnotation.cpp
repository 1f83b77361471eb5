#include "calendar/DayAnnotation.h"

#include <utility>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"

namespace qorvane {

DayAnnotation DayAnnotationOf(std::chrono::year_month_day date) {
  // Each rule overwrites the one before it, so the last that applies wins.
  DayAnnotation line{LunarDayName(date), DayAnnotationKind::LunarDay};
  if (line.text == "初一") line = {LunarMonthName(date), DayAnnotationKind::LunarMonthStart};

  const int day = static_cast<int>(static_cast<unsigned>(date.day()));
  if (std::string festival = SolarFestival(day, date); !festival.empty()) {
    line = {std::move(festival), DayAnnotationKind::GregorianFestival};
  }
  if (std::string term = SolarTermName(date); !term.empty()) {
    line = {std::move(term), DayAnnotationKind::SolarTerm};
  }
  if (std::string festival = LunarFestival(date); !festival.empty()) {
    line = {std::move(festival), DayAnnotationKind::LunarFestival};
  }
  return line;
}

}  // namespace qorvane
