#include "cli/TerminalColour.h"

namespace qorvane::cli {

std::string_view ColourOf(DayAnnotationKind kind) {
  switch (kind) {
    case DayAnnotationKind::LunarFestival:
    case DayAnnotationKind::GregorianFestival: return kOrange;
    case DayAnnotationKind::SolarTerm: return kBlue;
    case DayAnnotationKind::LunarMonthStart: return kRed;
    case DayAnnotationKind::LunarDay: break;
  }
  return {};
}

std::string Coloured(std::string_view text, std::string_view code) {
  if (code.empty()) return std::string(text);
  return "\x1b[" + std::string(code) + "m" + std::string(text) + "\x1b[0m";
}

}  // namespace qorvane::cli
