#include <cstdint>

#include "calendar/CalendarAnnotations.h"
#include "calendar/SolarTermNames.h"
#include "calendar/SolarTermTable.h"

namespace qorvane {

int SolarTermIndex(int year, int month, int day) {
    if (year < SolarTermFirstYear || year > SolarTermLastYear || month < 1 || month > 12) return 0;
    const std::uint8_t b = SolarTermTable[(year - SolarTermFirstYear) * 12 + month - 1];
    // The first term of a month falls before the 15th, the second on or after it.
    if (day < 15) return day == 15 - (b >> 4) ? 2 * (month - 1) + 1 : 0;
    return day == 15 + (b & 0x0F) ? 2 * (month - 1) + 2 : 0;
}

std::string SolarTermName(std::chrono::year_month_day date) {
    const int index = SolarTermIndex(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                                     static_cast<int>(static_cast<unsigned>(date.day())));
    return std::string(SolarTermNames[index]);
}

}  // namespace qorvane
