#pragma once
#include <chrono>
#include <string>

namespace qorvane {

// 1-24 when a solar term falls on the day, else 0 (also outside 1901-2050).
int SolarTermIndex(int year, int month, int day);
// The name of the term that falls on the date, or "".
std::string SolarTermName(std::chrono::year_month_day date);
// "春节", "端午节", … "除夕", or "".
std::string LunarFestival(std::chrono::year_month_day date);
// The Gregorian festival of day `day` in the month and year of `reference`, or "".
std::string SolarFestival(int day, std::chrono::year_month_day reference);
// "子鼠" … "亥猪"; the previous year's animal before the lunar New Year.
std::string ZodiacAnimal(std::chrono::year_month_day date);
// The Western sign of the date, by month and day.
std::string SignByDate(std::chrono::year_month_day date);
// SignByDate of day `day` in the month and year of `reference`.
std::string SignOfDay(int day, std::chrono::year_month_day reference);

}  // namespace qorvane
