// The lunar engine over its whole range, and one month as the calendar
// dialog fills its grid.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "calendar/ui/LunarLine.h"
#include "calendar/ui/MonthGrid.h"

namespace {

using namespace std::chrono;

constexpr sys_days kFirstDay = sys_days{year{1901} / January / 1};
constexpr sys_days kLastDay = sys_days{year{2050} / December / 31};

// Every day of 1901-2050 (54,787 of them): the lunar code and both names.
void BM_LunarFullRange(benchmark::State& state) {
  for (auto _ : state) {
    long long sum = 0;
    std::size_t nameBytes = 0;
    for (sys_days day = kFirstDay; day <= kLastDay; day += days{1}) {
      const year_month_day date{day};
      sum += qorvane::GregorianToLunar(date);
      nameBytes += qorvane::LunarMonthName(date).size() + qorvane::LunarDayName(date).size();
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(nameBytes);
  }
  state.counters["days"] = static_cast<double>((kLastDay - kFirstDay).count() + 1);
}
BENCHMARK(BM_LunarFullRange)->Unit(benchmark::kMillisecond);

// Everything the dialog computes to draw one month: the animal of the year,
// the grid position, the line under each day and the sign of the selected day.
void BM_MonthAnnotations(benchmark::State& state) {
  const year_month_day shown = year{2024} / February / 10;  // holds 春节, 除夕 and a solar term
  const int y = static_cast<int>(shown.year());
  const unsigned m = static_cast<unsigned>(shown.month());
  for (auto _ : state) {
    std::size_t bytes = qorvane::ZodiacAnimal(shown).size();
    bytes += static_cast<std::size_t>(qorvane::FirstCellOfMonth(y, m));
    const int length = qorvane::MonthLength(y, m);
    for (int d = 1; d <= length; ++d) {
      const year_month_day cell = year{y} / month{m} / day{static_cast<unsigned>(d)};
      bytes += qorvane::LunarLineOf(cell).text.size();
    }
    bytes += qorvane::SignOfDay(static_cast<int>(static_cast<unsigned>(shown.day())), shown).size();
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_MonthAnnotations)->Unit(benchmark::kMicrosecond);

}  // namespace
