#include <array>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"
#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"

namespace qorvane::cli {

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

std::string IsoDate(year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

// Everything the calendar knows of one day.
struct DayFacts {
  int lunarCode;
  std::string monthName;
  std::string dayName;
  std::string solarTerm;
  std::string lunarFestival;
  std::string gregorianFestival;
  std::string animal;
  std::string sign;
};

DayFacts FactsOf(year_month_day date) {
  return {GregorianToLunar(date),
          LunarMonthName(date),
          LunarDayName(date),
          SolarTermName(date),
          LunarFestival(date),
          SolarFestival(static_cast<int>(static_cast<unsigned>(date.day())), date),
          ZodiacAnimal(date),
          SignByDate(date)};
}

void PrintIfAny(std::ostream& out, std::string_view label, const std::string& value) {
  if (!value.empty()) out << label << value << '\n';
}

void PrintDay(std::ostream& out, year_month_day date) {
  const DayFacts facts = FactsOf(date);
  out << "公历：" << IsoDate(date) << ' ' << kWeekdayNames[weekday{sys_days{date}}.c_encoding()] << '\n';
  PrintIfAny(out, "农历：", facts.monthName + facts.dayName);
  out << "农历代码：" << facts.lunarCode << '\n';
  PrintIfAny(out, "节气：", facts.solarTerm);
  PrintIfAny(out, "农历节日：", facts.lunarFestival);
  PrintIfAny(out, "公历节日：", facts.gregorianFestival);
  out << "生肖：" << facts.animal << '\n';
  out << "星座：" << facts.sign << '\n';
}

// date, lunar code, month name, day name, solar term, lunar festival,
// Gregorian festival, animal, sign; a day without a lunar date (code 0) has
// empty lunar fields rather than a 0.
void PrintTsvLine(std::ostream& out, year_month_day date) {
  const DayFacts facts = FactsOf(date);
  out << IsoDate(date) << '\t' << (facts.lunarCode != 0 ? std::to_string(facts.lunarCode) : "") << '\t'
      << facts.monthName << '\t' << facts.dayName << '\t' << facts.solarTerm << '\t' << facts.lunarFestival
      << '\t' << facts.gregorianFestival << '\t' << facts.animal << '\t' << facts.sign << '\n';
}

}  // namespace

int RunLunar(const Arguments& arguments, CliContext& context) {
  if (arguments.Has("tsv")) {
    ExpectPositionals(arguments, 2, 2, "FROM TO");
    const sys_days from{ParseDateArgument(arguments.Positionals()[0], "FROM date")};
    const sys_days to{ParseDateArgument(arguments.Positionals()[1], "TO date")};
    if (from > to) throw UsageError("FROM date comes after TO date");
    for (sys_days d = from; d <= to; d += days{1}) PrintTsvLine(context.out, year_month_day{d});
    return 0;
  }
  ExpectPositionals(arguments, 1, 1, "DATE");
  PrintDay(context.out, ParseDateArgument(arguments.Positionals()[0], "date"));
  return 0;
}

}  // namespace qorvane::cli
