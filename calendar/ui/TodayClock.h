#pragma once
#include <chrono>
#include <functional>

namespace qorvane {

// Where the calendar learns today's date. The program passes SystemToday;
// tests pass a fixed date, inside or outside the years the calendar knows.
using TodayClock = std::function<std::chrono::year_month_day()>;

// Today's date by the local clock of the system.
std::chrono::year_month_day SystemToday();

}  // namespace qorvane
