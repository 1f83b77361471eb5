#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "calendar/CalendarAnnotations.h"
#include "cli/tests/CliRun.h"

namespace qorvane::cli::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr int kCellColumns = 6;  // a day's cell; one blank between cells

// A character of the grid and the columns it takes: the grid holds ASCII and
// CJK characters only, so a multi-byte character is two columns wide.
struct Glyph {
  std::string text;
  int columns;
};

std::vector<Glyph> Glyphs(const std::string& line) {
  std::vector<Glyph> glyphs;
  for (std::size_t i = 0; i < line.size();) {
    const auto lead = static_cast<unsigned char>(line[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    glyphs.push_back({line.substr(i, length), lead < 0x80 ? 1 : 2});
    i += length;
  }
  return glyphs;
}

// The seven cells of a grid line, each the text of its six columns without
// the blanks around it. A character in a column between two cells, one that
// straddles a cell's edge, or a text that is not centred in its cell (the odd
// column on the right) fails the test: that is what "aligned" means here.
std::array<std::string, 7> Cells(const std::string& line) {
  std::array<std::string, 7> cells;
  std::array<int, 7> firstColumn;
  firstColumn.fill(-1);
  int column = 0;
  for (const Glyph& glyph : Glyphs(line)) {
    const int cell = column / (kCellColumns + 1);
    const int offset = column % (kCellColumns + 1);
    if (glyph.text != " ") {
      EXPECT_LT(cell, 7) << "beyond the grid: " << line;
      EXPECT_LE(offset + glyph.columns, kCellColumns) << "'" << glyph.text << "' off its cell: " << line;
      if (cell < 7) {
        if (firstColumn[cell] < 0) firstColumn[cell] = offset;
        cells[cell] += glyph.text;
      }
    }
    column += glyph.columns;
  }
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    if (cells[cell].empty()) continue;
    int width = 0;
    for (const Glyph& glyph : Glyphs(cells[cell])) width += glyph.columns;
    EXPECT_EQ(firstColumn[cell], (kCellColumns - width) / 2) << "'" << cells[cell] << "' not centred: " << line;
  }
  return cells;
}

// A month as the grid shows it: its title and, for every day, its column
// (0 = Sunday) and the lunar text under its number.
struct MonthGrid {
  std::string title;
  std::map<int, int> columnOfDay;
  std::map<int, std::string> lunarOfDay;
  int weeks = 0;
};

MonthGrid ReadMonth(const std::vector<std::string>& lines) {
  MonthGrid grid;
  if (lines.size() < 2) {
    ADD_FAILURE() << "no grid";
    return grid;
  }
  grid.title = lines[0];
  EXPECT_EQ(lines[1], "星期日 星期一 星期二 星期三 星期四 星期五 星期六");
  EXPECT_EQ(lines.size() % 2, 0u) << "a week is a line of numbers and a line of lunar texts";
  for (std::size_t i = 2; i + 1 < lines.size(); i += 2) {
    const std::array<std::string, 7> numbers = Cells(lines[i]);
    const std::array<std::string, 7> lunar = Cells(lines[i + 1]);
    ++grid.weeks;
    for (int column = 0; column < 7; ++column) {
      if (numbers[column].empty()) continue;
      const int day = std::stoi(numbers[column]);
      grid.columnOfDay[day] = column;
      grid.lunarOfDay[day] = lunar[column];
    }
  }
  return grid;
}

MonthGrid RunMonth(const std::vector<std::string>& args) {
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  return ReadMonth(Lines(result.out));
}

struct DayLine {
  int day;
  const char* lunar;
};

void ExpectLunarLines(const MonthGrid& grid, std::initializer_list<DayLine> days) {
  for (const DayLine& d : days) EXPECT_EQ(grid.lunarOfDay.at(d.day), d.lunar) << "day " << d.day;
}

TEST(CalCommand, February2008ShowsTheNewYearFestivalsUnderTheirDays) {
  const MonthGrid grid = RunMonth({"cal", "2008", "2"});
  // The first of the month is selected: a Friday before the lunar New Year.
  EXPECT_EQ(grid.title, "            2008年2月  亥猪  水瓶座");
  EXPECT_EQ(grid.columnOfDay.size(), 29u);
  EXPECT_EQ(grid.columnOfDay.at(1), 5);
  EXPECT_EQ(grid.columnOfDay.at(3), 0);
  EXPECT_EQ(grid.columnOfDay.at(29), 5);
  ExpectLunarLines(grid, {{1, "廿五"}, {4, "立春"}, {6, "除夕"}, {7, "春节"}, {8, "初二"},
                          {14, "情人节"}, {19, "雨水"}, {21, "元宵节"}, {29, "廿三"}});
}

TEST(CalCommand, June2009ShowsTheSolarTermOverFathersDayAndTheLeapMonth) {
  const MonthGrid grid = RunMonth({"cal", "2009", "6"});
  EXPECT_THAT(grid.title, HasSubstr("2009年6月  丑牛  双子座"));
  ExpectLunarLines(grid, {{1, "儿童节"}, {5, "芒种"}, {21, "夏至"}, {22, "三十"}, {23, "闰五"}, {24, "初二"}});
}

TEST(CalCommand, AMonthOfThirtyOneDaysFromASaturdayTakesSixWeeks) {
  const MonthGrid grid = RunMonth({"cal", "2014", "3"});
  EXPECT_EQ(grid.weeks, 6);
  EXPECT_EQ(grid.columnOfDay.at(1), 6);
  EXPECT_EQ(grid.columnOfDay.at(31), 1);
  const MonthGrid february = RunMonth({"cal", "2009", "2"});
  EXPECT_EQ(february.weeks, 4);
}

TEST(CalCommand, AfterTwentyFiftyOnlyTheGregorianFestivalsRemain) {
  const MonthGrid grid = RunMonth({"cal", "2051", "1"});
  EXPECT_EQ(grid.columnOfDay.size(), 31u);
  for (const auto& [day, lunar] : grid.lunarOfDay) EXPECT_EQ(lunar, day == 1 ? "元旦节" : "") << day;
  const MonthGrid last = RunMonth({"cal", "2050", "12"});
  EXPECT_EQ(last.lunarOfDay.at(31), "十八");
}

TEST(CalCommand, AYearAloneShowsItsTwelveMonthsEachHeadedByItsFirstDay) {
  const CliResult year = RunCli({"cal", "2008"});
  ASSERT_EQ(year.status, 0);
  const std::vector<std::string> lines = Lines(year.out);
  std::vector<std::vector<std::string>> months(1);
  for (const std::string& line : lines) {
    if (line.empty()) {
      months.emplace_back();
    } else {
      months.back().push_back(line);
    }
  }
  ASSERT_EQ(months.size(), 12u);
  EXPECT_THAT(months[0][0], HasSubstr("2008年1月  亥猪  摩羯座"));
  EXPECT_THAT(months[11][0], HasSubstr("2008年12月  子鼠  射手座"));
  EXPECT_EQ(months[1], Lines(RunCli({"cal", "2008", "2"}).out));
}

TEST(CalCommand, WithoutArgumentsShowsTodaysMonthHeadedByToday) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::chrono::year_month_day today{std::chrono::year{local.tm_year + 1900},
                                          std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                          std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  const MonthGrid grid = RunMonth({"cal"});
  EXPECT_THAT(grid.title, HasSubstr(std::to_string(local.tm_year + 1900) + "年" + std::to_string(local.tm_mon + 1) +
                                    "月  " + ZodiacAnimal(today) + "  " + SignByDate(today)));
  EXPECT_TRUE(grid.columnOfDay.contains(local.tm_mday));
}

// Colours only on a terminal, and not there either with --no-color or NO_COLOR.
TEST(CalCommand, ColoursFestivalsOnlyOnATerminal) {
  if (!TerminalsAvailable()) GTEST_SKIP() << "no pseudo-terminal here";
  CliRunOptions terminal;
  terminal.outputToTerminal = true;
  const CliResult coloured = RunCli({"cal", "2008", "2"}, terminal);
  EXPECT_EQ(coloured.status, 0);
  EXPECT_THAT(coloured.out, HasSubstr("\x1b[38;5;208m除夕\x1b[0m"));
  EXPECT_THAT(coloured.out, HasSubstr("\x1b[38;5;63m立春\x1b[0m"));
  EXPECT_THAT(coloured.out, HasSubstr("\x1b[7m1\x1b[0m"));  // the selected day

  EXPECT_THAT(RunCli({"cal", "--no-color", "2008", "2"}, terminal).out, Not(HasSubstr("\x1b[")));
  CliRunOptions noColour = terminal;
  noColour.environment.push_back("NO_COLOR=1");
  EXPECT_THAT(RunCli({"cal", "2008", "2"}, noColour).out, Not(HasSubstr("\x1b[")));
  EXPECT_THAT(RunCli({"cal", "2008", "2"}).out, Not(HasSubstr("\x1b[")));
}

}  // namespace
}  // namespace qorvane::cli::testing
