#include "cli/MonthGridText.h"

#include <array>
#include <string_view>

#include "calendar/CalendarAnnotations.h"
#include "calendar/DayAnnotation.h"
#include "cli/DisplayWidth.h"
#include "cli/TerminalColour.h"

namespace qorvane::cli {

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 7> kWeekdayHeadings = {
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

// One day's cell of a grid line: the text centred in its columns, coloured
// without the padding so that the escape codes never shift a column.
std::string Cell(std::string_view text, std::string_view colourCode) {
  const int free = kDayColumns - DisplayWidth(text);
  const int left = free > 0 ? free / 2 : 0;
  const int right = free > 0 ? free - left : 0;
  return std::string(static_cast<std::size_t>(left), ' ') + Coloured(text, colourCode) +
         std::string(static_cast<std::size_t>(right), ' ');
}

std::string JoinCells(const std::array<std::string, 7>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ' ';
    line += cells[i].empty() ? std::string(kDayColumns, ' ') : cells[i];
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string Title(year_month_day selected) {
  const std::string title = std::to_string(static_cast<int>(selected.year())) + "年" +
                            std::to_string(static_cast<unsigned>(selected.month())) + "月  " +
                            ZodiacAnimal(selected) + "  " + SignByDate(selected);
  std::string line = CentreInColumns(title, kGridColumns);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string WeekdayHeadings(bool colour) {
  std::array<std::string, 7> cells;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const bool weekend = i == 0 || i == 6;
    cells[i] = Cell(kWeekdayHeadings[i], colour && weekend ? kRed : std::string_view{});
  }
  return JoinCells(cells);
}

}  // namespace

std::vector<std::string> MonthGridLines(year_month_day selected, bool colour) {
  const year_month month{selected.year(), selected.month()};
  const sys_days first{month / day{1}};
  const unsigned lastDay = static_cast<unsigned>((month / last).day());
  // Column of the first day: 0 = Sunday.
  const unsigned firstColumn = weekday{first}.c_encoding();

  std::vector<std::string> lines{Title(selected), WeekdayHeadings(colour)};
  std::array<std::string, 7> numbers;
  std::array<std::string, 7> lunar;
  for (unsigned d = 1; d <= lastDay; ++d) {
    const unsigned column = (firstColumn + d - 1) % 7;
    const year_month_day date{month / day{d}};
    const DayAnnotation annotation = DayAnnotationOf(date);
    const bool isSelected = date == selected;
    numbers[column] = Cell(std::to_string(d), colour && isSelected ? kReverse : std::string_view{});
    lunar[column] = Cell(annotation.text, colour ? ColourOf(annotation.kind) : std::string_view{});
    if (column == 6 || d == lastDay) {
      lines.push_back(JoinCells(numbers));
      lines.push_back(JoinCells(lunar));
      numbers = {};
      lunar = {};
    }
  }
  return lines;
}

}  // namespace qorvane::cli
