#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "calendar/ZodiacAnimals.h"

namespace qorvane {

std::string ZodiacAnimal(std::chrono::year_month_day date) {
    const int years = static_cast<int>(date.year()) - ZodiacBaseYear;
    const int r = (years % 12 + 12) % 12;  // the key is the remainder mod 12, kept in 0-11

    // Early in the Gregorian year, a date still in 冬月 or 腊月 (regular or
    // leap) lies before the lunar New Year and keeps last year's animal.
    const unsigned month = static_cast<unsigned>(date.month());
    if (month >= 1 && month <= 3) {
        const std::string monthName = LunarMonthName(date);
        if (monthName.find("腊") != std::string::npos || monthName.find("冬") != std::string::npos) {
            return std::string(ZodiacAnimals[(r + 11) % 12]);
        }
    }
    return std::string(ZodiacAnimals[r]);
}

}  // namespace qorvane
