// What the month grid shows: which cells, their day numbers, the line under
// each day with its colour, and the header around the grid.
#include <QLabel>
#include <QRect>

#include "CalendarDialogFixture.h"

namespace qorvane::calendar_test {
namespace {

const QColor kLunarGreen{0, 64, 0};
const QColor kRed{255, 0, 0};
const QColor kOrange{255, 128, 0};
const QColor kTermBlue{83, 83, 255};
const QColor kBlack{0, 0, 0};

struct MonthShape {
  int year;
  unsigned month;
  int firstCell;  // the weekday of the 1st, Sunday = 1
  int length;
};

void PrintTo(const MonthShape& shape, std::ostream* out) { *out << shape.year << "-" << shape.month; }

class MonthShapeTest : public CalendarDialogTest, public ::testing::WithParamInterface<MonthShape> {};

TEST_P(MonthShapeTest, ShowsEveryDayOfTheMonthInItsWeekdayColumnAndNothingElse) {
  const MonthShape shape = GetParam();
  Open(Date(shape.year, shape.month, 1));

  std::vector<int> expectedCells;
  for (int day = 1; day <= shape.length; ++day) expectedCells.push_back(shape.firstCell + day - 1);
  EXPECT_EQ(VisibleCells(), expectedCells);

  for (int day = 1; day <= shape.length; ++day) {
    const int cell = shape.firstCell + day - 1;
    SCOPED_TRACE(::testing::Message() << "day " << day);
    EXPECT_EQ(dialog().DayCells[cell]->text(), QString::number(day));
    EXPECT_EQ(dialog().DayCells[cell]->tag(), day);
    EXPECT_EQ(dialog().LunarCells[cell]->tag(), day);
    EXPECT_EQ(FontColour(dialog().DayCells[cell]), kBlack);
    // Inside 1901-2050 every day has a line under it.
    EXPECT_FALSE(dialog().LunarCells[cell]->text().isEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeMonths, MonthShapeTest,
    ::testing::Values(MonthShape{2014, 3, 7, 31},   // Saturday start, 31 days: ends in cell 37
                      MonthShape{2015, 8, 7, 31},   // the same shape
                      MonthShape{2009, 2, 1, 28},   // Sunday start, 28 days: rows 4 and 5 empty
                      MonthShape{2008, 2, 6, 29},   // leap February
                      MonthShape{2009, 6, 2, 30},   // holds a leap lunar month
                      MonthShape{2008, 8, 6, 31},   //
                      MonthShape{2001, 10, 2, 31},  //
                      MonthShape{2050, 12, 5, 31},  // the last month the calendar knows
                      MonthShape{1901, 1, 3, 31}),  // the first
    [](const auto& info) {
      return std::to_string(info.param.year) + "_" + std::to_string(info.param.month);
    });

TEST_F(CalendarDialogTest, CellsLieOnTheFormsGrid) {
  Open(Date(2014, 3, 1));
  // Cell 1: row 0, Sunday; cell 37: row 5, Monday.
  EXPECT_EQ(dialog().DayCells[1]->geometry(), QRect(14, 56, 36, 16));
  EXPECT_EQ(dialog().LunarCells[1]->geometry(), QRect(13, 73, 36, 12));
  EXPECT_EQ(dialog().DayCells[37]->geometry(), QRect(56, 216, 36, 16));
  EXPECT_EQ(dialog().LunarCells[37]->geometry(), QRect(55, 233, 36, 12));
  EXPECT_EQ(dialog().DayCells[13]->geometry(), QRect(14 + 42 * 5, 56 + 32, 36, 16));
}

struct DayLine {
  int year;
  unsigned month;
  int day;
  const char* text;
  QColor colour;
  const char* why;
};

void PrintTo(const DayLine& line, std::ostream* out) {
  *out << line.year << "-" << line.month << "-" << line.day << " (" << line.why << ")";
}

class DayLineTest : public CalendarDialogTest, public ::testing::WithParamInterface<DayLine> {};

TEST_P(DayLineTest, ShowsTheLineOfHighestPriorityInItsColour) {
  const DayLine line = GetParam();
  Open(Date(line.year, line.month, 1));
  EXPECT_EQ(LunarText(line.day), QString::fromUtf8(line.text));
  EXPECT_EQ(LunarColour(line.day), line.colour);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeDays, DayLineTest,
    ::testing::Values(
        DayLine{2008, 2, 6, "除夕", kOrange, "lunar New Year's Eve"},
        DayLine{2008, 2, 7, "春节", kOrange, "lunar New Year"},
        DayLine{2008, 2, 21, "元宵节", kOrange, "lantern festival"},
        DayLine{2008, 2, 22, "十六", kLunarGreen, "a plain lunar day"},
        DayLine{2008, 2, 4, "立春", kTermBlue, "a solar term"},
        DayLine{2008, 2, 14, "情人节", kOrange, "a Gregorian festival"},
        DayLine{2008, 3, 8, "妇女节", kOrange, "a Gregorian festival wins over 二月初一"},
        DayLine{2009, 6, 21, "夏至", kTermBlue, "the solar term wins over 父亲节"},
        DayLine{2009, 6, 23, "闰五", kRed, "first day of a leap month"},
        DayLine{2009, 6, 22, "三十", kLunarGreen, "the day before it"},
        DayLine{2008, 8, 7, "七夕节", kOrange, "the lunar festival wins over 立秋"},
        DayLine{2008, 8, 1, "建军节", kOrange, "a Gregorian festival on 七月初一"},
        DayLine{2008, 8, 31, "八月", kRed, "first day of a regular month"},
        DayLine{2001, 10, 1, "中秋节", kOrange, "the lunar festival wins over 国庆节"},
        DayLine{2014, 3, 31, "三月", kRed, "the 37th cell"},
        DayLine{2050, 12, 31, "十八", kLunarGreen, "the last day the calendar knows"},
        DayLine{2050, 12, 22, "冬至", kTermBlue, "the last solar term"}),
    [](const auto& info) {
      return std::to_string(info.param.year) + "_" + std::to_string(info.param.month) + "_" +
             std::to_string(info.param.day);
    });

TEST_F(CalendarDialogTest, HeaderShowsTheYearMonthAnimalAndSignOfToday) {
  Open(Date(2008, 2, 6));
  EXPECT_EQ(dialog().Label1->text(), "2008");
  EXPECT_EQ(dialog().Label20->text(), "2008");
  EXPECT_EQ(dialog().Label17->text(), "2");  // no leading zero
  EXPECT_EQ(dialog().Label16->text(), "2");
  EXPECT_EQ(dialog().Label21->text(), "亥猪");  // before the lunar New Year
  EXPECT_EQ(dialog().Label22->text(), "水瓶座");
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(6)));
}

TEST_F(CalendarDialogTest, WeekdayRowsStartOnSundayWithTheWeekendInRed) {
  Open(Date(2008, 2, 6));
  const char* captions[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  const char* header[] = {"Label2", "Label3", "Label4", "Label6", "Label5", "Label8", "Label7"};
  for (int column = 0; column < 7; ++column) {
    SCOPED_TRACE(captions[column]);
    const QColor expected = (column == 0 || column == 6) ? kRed : kBlack;
    const auto* top = dialog().findChild<QLabel*>(QString::fromLatin1(header[column]));
    const auto* bottom = dialog().findChild<QLabel*>(QStringLiteral("Label%1").arg(9 + column));
    ASSERT_TRUE(top && bottom);
    EXPECT_EQ(top->text(), QString::fromUtf8(captions[column]));
    EXPECT_EQ(bottom->text(), QString::fromUtf8(captions[column]));
    EXPECT_EQ(top->geometry(), QRect(19 + 40 * column, 40, 36, 12));
    EXPECT_EQ(bottom->geometry(), QRect(20 + 40 * column, 253, 36, 12));
    EXPECT_EQ(FontColour(top), expected);
    EXPECT_EQ(FontColour(bottom), expected);
  }
}

TEST_F(CalendarDialogTest, WindowHasTheFormsCaptionSizeAndFrame) {
  Open(Date(2008, 2, 6));
  EXPECT_EQ(dialog().windowTitle(), "Ostrin日历");
  EXPECT_EQ(dialog().size(), QSize(331, 285));
  EXPECT_EQ(dialog().palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_TRUE(dialog().windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(dialog().windowFlags() & Qt::WindowMaximizeButtonHint);
}

struct FarToday {
  int year;
  unsigned month;
  unsigned day;
  int festivalDay;  // the one day whose line is not empty
  const char* festival;
  const char* animal;
  const char* sign;
};

void PrintTo(const FarToday& today, std::ostream* out) {
  *out << today.year << "-" << today.month << "-" << today.day;
}

class TodayOutsideTheTablesTest : public CalendarDialogTest, public ::testing::WithParamInterface<FarToday> {};

TEST_P(TodayOutsideTheTablesTest, ShowsTheGregorianMonthWithOnlyItsGregorianFestival) {
  const FarToday today = GetParam();
  Open(Date(today.year, today.month, today.day));

  EXPECT_EQ(dialog().Label1->text(), QString::number(today.year));
  EXPECT_EQ(dialog().Label17->text(), QString::number(today.month));
  EXPECT_EQ(dialog().Label21->text(), QString::fromUtf8(today.animal));
  EXPECT_EQ(dialog().Label22->text(), QString::fromUtf8(today.sign));
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(static_cast<int>(today.day))));
  EXPECT_EQ(VisibleCells().size(), 31u);
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE(::testing::Message() << "day " << day);
    EXPECT_EQ(LunarText(day), day == today.festivalDay ? QString::fromUtf8(today.festival) : QString());
  }
  EXPECT_EQ(LunarColour(today.festivalDay), kOrange);
}

INSTANTIATE_TEST_SUITE_P(
    FarDates, TodayOutsideTheTablesTest,
    ::testing::Values(FarToday{2060, 8, 15, 1, "建军节", "辰龙", "狮子座"},
                      FarToday{1899, 12, 30, 25, "圣诞节", "亥猪", "摩羯座"}),
    [](const auto& info) { return std::to_string(info.param.year); });

}  // namespace
}  // namespace qorvane::calendar_test
