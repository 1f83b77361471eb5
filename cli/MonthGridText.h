#pragma once
#include <chrono>
#include <string>
#include <vector>

namespace qorvane::cli {

// The columns of one day in the grid: the widest lunar line is a festival of
// three CJK characters ("元宵节"), six columns.
inline constexpr int kDayColumns = 6;
// Seven days with a blank between them.
inline constexpr int kGridColumns = 7 * kDayColumns + 6;

// One month as `cal` prints it, weeks starting on Sunday, with the line that
// the calendar window shows under each day printed under its number:
//   a title with the year, the month, the zodiac animal and the sign of
//   `selected` (a day of that month), centred over the grid;
//   the weekday headings "星期日" … "星期六";
//   per week a line of day numbers and a line of lunar texts, each centred in
//   its day's six columns.
// Trailing blanks are left off. With `colour`, festivals, solar terms, lunar
// month starts, weekend headings and the selected day carry terminal colours.
std::vector<std::string> MonthGridLines(std::chrono::year_month_day selected, bool colour);

}  // namespace qorvane::cli
