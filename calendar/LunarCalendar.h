#pragma once
#include <chrono>
#include <string>

namespace qorvane {

// Lunar code of a Gregorian date of 1901-2050: month * 100 + day, negated for
// a leap month; 0 outside those years.
int GregorianToLunar(std::chrono::year_month_day date);

// "正月" … "腊月", "闰五" for a leap month (no "月"); "" when the code is 0.
std::string LunarMonthName(std::chrono::year_month_day date);

// "初一" … "三十"; "" when the code is 0.
std::string LunarDayName(std::chrono::year_month_day date);

}  // namespace qorvane
