#include <chrono>
#include <ostream>
#include <string>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/MonthGridText.h"

namespace qorvane::cli {

namespace {

using namespace std::chrono;

// Years as `cal` takes them; the lunar lines exist for 1901-2050 only, the
// Gregorian days, festivals, animal and sign for all of them.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The day whose animal and sign head a month: today in today's month, as the
// calendar window selects it, else the first of the month.
year_month_day SelectedDay(year_month shown, year_month_day today) {
  if (shown == year_month{today.year(), today.month()}) return today;
  return shown / day{1};
}

void PrintMonth(year_month shown, const CliContext& context, bool colour) {
  for (const std::string& line : MonthGridLines(SelectedDay(shown, context.today), colour)) {
    context.out << line << '\n';
  }
}

}  // namespace

int RunCal(const Arguments& arguments, CliContext& context) {
  ExpectPositionals(arguments, 0, 2, "[YEAR [MONTH]]");
  const bool colour = context.colourTerminal && !arguments.Has("no-color");
  const auto& positionals = arguments.Positionals();

  if (positionals.empty()) {
    PrintMonth({context.today.year(), context.today.month()}, context, colour);
    return 0;
  }
  const year shownYear{ParseIntegerArgument(positionals[0], kFirstYear, kLastYear, "year")};
  if (positionals.size() == 2) {
    const unsigned shownMonth = static_cast<unsigned>(ParseIntegerArgument(positionals[1], 1, 12, "month"));
    PrintMonth(shownYear / month{shownMonth}, context, colour);
    return 0;
  }
  for (unsigned m = 1; m <= 12; ++m) {
    if (m > 1) context.out << '\n';
    PrintMonth(shownYear / month{m}, context, colour);
  }
  return 0;
}

}  // namespace qorvane::cli
