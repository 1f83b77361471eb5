#include "calendar/ui/MonthGrid.h"

#include <algorithm>

namespace qorvane {

using namespace std::chrono;

int MonthLength(int year, unsigned month) {
  const year_month_day_last last{std::chrono::year{year}, month_day_last{std::chrono::month{month}}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

year_month_day ClampedDate(int year, unsigned month, unsigned day) {
  const unsigned length = static_cast<unsigned>(MonthLength(year, month));
  return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{std::min(day, length)};
}

int FirstCellOfMonth(int year, unsigned month) {
  const weekday first{sys_days{std::chrono::year{year} / std::chrono::month{month} / 1}};
  return static_cast<int>(first.c_encoding()) + 1;  // c_encoding: 0 = Sunday
}

}  // namespace qorvane
