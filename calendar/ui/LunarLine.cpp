#include "calendar/ui/LunarLine.h"

#include <utility>

#include "calendar/DayAnnotation.h"

namespace qorvane {

namespace {

constexpr Rgb kLunarDayColour{0, 64, 0};
constexpr Rgb kMonthStartColour{255, 0, 0};
constexpr Rgb kFestivalColour{255, 128, 0};
constexpr Rgb kSolarTermColour{83, 83, 255};

Rgb ColourOf(DayAnnotationKind kind) {
  switch (kind) {
    case DayAnnotationKind::LunarMonthStart: return kMonthStartColour;
    case DayAnnotationKind::GregorianFestival:
    case DayAnnotationKind::LunarFestival: return kFestivalColour;
    case DayAnnotationKind::SolarTerm: return kSolarTermColour;
    case DayAnnotationKind::LunarDay: break;
  }
  return kLunarDayColour;
}

}  // namespace

LunarLine LunarLineOf(std::chrono::year_month_day cellDate) {
  // The priority of the rules lives in the calendar core, shared with the
  // command line; the grid only adds its colours.
  DayAnnotation annotation = DayAnnotationOf(cellDate);
  return {std::move(annotation.text), ColourOf(annotation.kind)};
}

}  // namespace qorvane
