#pragma once
#include <chrono>

namespace qorvane {

// Days of a Gregorian month; February has 29 in a Gregorian leap year.
int MonthLength(int year, unsigned month);

// (year, month, day) with the day cut back to the month's length, so that a
// day chosen in a longer month still lands on a real date.
std::chrono::year_month_day ClampedDate(int year, unsigned month, unsigned day);

// The grid cell (1-37) of the first day of a month. Weeks start on Sunday, so
// this is the day of the week of the first, 1 = Sunday ... 7 = Saturday, and
// day d of the month lies in cell FirstCellOfMonth + d - 1.
int FirstCellOfMonth(int year, unsigned month);

}  // namespace qorvane
