// Stepping through months and years, choosing a day and coming back to today,
// done as a user does it: with the mouse.
#include <QTest>

#include "CalendarDialogFixture.h"

namespace qorvane::calendar_test {
namespace {

TEST_F(CalendarDialogTest, SpinnersStartOnTodaysYearAndMonthAndBothAreShown) {
  Open(Date(2008, 2, 6));
  EXPECT_EQ(dialog().UpDown1->position(), 2008);
  EXPECT_EQ(dialog().UpDown2->position(), 2);
  EXPECT_EQ(dialog().UpDown1->minimum(), 1901);
  EXPECT_EQ(dialog().UpDown1->maximum(), 2050);
  EXPECT_EQ(dialog().UpDown2->minimum(), 1);
  EXPECT_EQ(dialog().UpDown2->maximum(), 12);
  EXPECT_TRUE(dialog().UpDown1->isVisible());
  EXPECT_TRUE(dialog().UpDown2->isVisible());
}

TEST_F(CalendarDialogTest, ClickingTheYearOrTheMonthShowsOnlyItsSpinner) {
  Open(Date(2008, 2, 6));
  Click(dialog().Label1);
  EXPECT_TRUE(dialog().UpDown1->isVisible());
  EXPECT_FALSE(dialog().UpDown2->isVisible());
  Click(dialog().Label17);
  EXPECT_FALSE(dialog().UpDown1->isVisible());
  EXPECT_TRUE(dialog().UpDown2->isVisible());
}

TEST_F(CalendarDialogTest, EachSpinnerStepRedrawsAtOnce) {
  Open(Date(2008, 2, 6));
  StepDown(dialog().UpDown1);
  EXPECT_EQ(dialog().Label1->text(), "2007");
  EXPECT_EQ(dialog().Label20->text(), "2007");
  EXPECT_EQ(dialog().Label21->text(), "戌狗");  // 6 February 2007 is still 腊月
  EXPECT_EQ(CellOfDay(1), 5);  // 1 February 2007 was a Thursday
  StepUp(dialog().UpDown2);
  EXPECT_EQ(dialog().Label17->text(), "3");
  EXPECT_EQ(dialog().Label16->text(), "3");
  EXPECT_EQ(dialog().Label1->text(), "2007");
}

TEST_F(CalendarDialogTest, SelectedDay31IsCutBackOnlyWhileAShorterMonthIsShown) {
  Open(Date(2008, 1, 31));
  StepUp(dialog().UpDown2);  // February 2008
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(29)));
  EXPECT_EQ(dialog().Label22->text(), "双鱼座");  // sign of 29 February
  StepUp(dialog().UpDown2);  // March 2008
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(31)));
  EXPECT_EQ(dialog().Label22->text(), "白羊座");  // sign of 31 March
  StepDown(dialog().UpDown1);  // March 2007
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(31)));
}

struct SpinnerLimit {
  const char* name;
  int year;
  unsigned month;
  bool yearSpinner;
  bool up;
  const char* shownYear;
  const char* shownMonth;
};

void PrintTo(const SpinnerLimit& limit, std::ostream* out) { *out << limit.name; }

class SpinnerLimitTest : public CalendarDialogTest, public ::testing::WithParamInterface<SpinnerLimit> {};

TEST_P(SpinnerLimitTest, StepPastTheEndOfTheRangeStaysAtTheEnd) {
  const SpinnerLimit limit = GetParam();
  Open(Date(limit.year, limit.month, 15));
  UpDownSpinner* spinner = limit.yearSpinner ? dialog().UpDown1 : dialog().UpDown2;
  const int before = spinner->position();
  for (int step = 0; step < 3; ++step) limit.up ? StepUp(spinner) : StepDown(spinner);
  EXPECT_EQ(spinner->position(), before);
  EXPECT_EQ(dialog().Label1->text(), limit.shownYear);
  EXPECT_EQ(dialog().Label17->text(), limit.shownMonth);
  EXPECT_EQ(VisibleCells().size(), 31u);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SpinnerLimitTest,
    ::testing::Values(SpinnerLimit{"YearAbove2050", 2050, 12, true, true, "2050", "12"},
                      SpinnerLimit{"YearBelow1901", 1901, 1, true, false, "1901", "1"},
                      SpinnerLimit{"MonthAbove12KeepsTheYear", 2008, 12, false, true, "2008", "12"},
                      SpinnerLimit{"MonthBelow1KeepsTheYear", 2008, 1, false, false, "2008", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalendarDialogTest, BothLabelsOfACellPutTheHighlightOnItsDayNumber) {
  Open(Date(2008, 2, 6));
  const int elsewhere = CellOfDay(15);
  for (int day : {1, 7, 21, 29}) {
    const int cell = CellOfDay(day);
    SCOPED_TRACE(::testing::Message() << "day " << day << ", cell " << cell);
    Click(dialog().DayCells[cell]);
    EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(cell));
    Click(dialog().DayCells[elsewhere]);
    Click(dialog().LunarCells[cell]);
    EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(cell));
  }
}

TEST_F(CalendarDialogTest, MouseDownMovesTheHighlightBeforeAnyClick) {
  Open(Date(2008, 2, 6));
  const int cell = CellOfDay(20);
  QTest::mousePress(dialog().LunarCells[cell], Qt::LeftButton);
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(cell));
  // A press that is never released stores no day: a redraw returns to the 6th.
  StepUp(dialog().UpDown2);
  StepDown(dialog().UpDown2);
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(6)));
}

TEST_F(CalendarDialogTest, ADayClickStoresTheDayWithoutRedrawing) {
  Open(Date(2008, 2, 6));
  Click(dialog().DayCells[CellOfDay(7)]);
  // The animal and sign still belong to the 6th ...
  EXPECT_EQ(dialog().Label21->text(), "亥猪");
  EXPECT_EQ(dialog().Label22->text(), "水瓶座");
  // ... until the month is drawn again, now for the 7th.
  StepUp(dialog().UpDown2);
  StepDown(dialog().UpDown2);
  EXPECT_EQ(dialog().Label21->text(), "子鼠");
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(7)));
}

TEST_F(CalendarDialogTest, TheAnimalFollowsTheSelectedDayAcrossTheLunarNewYear) {
  Open(Date(2008, 2, 20));
  Click(dialog().LunarCells[CellOfDay(6)]);
  StepUp(dialog().UpDown2);
  StepDown(dialog().UpDown2);
  EXPECT_EQ(dialog().Label21->text(), "亥猪");
  Click(dialog().LunarCells[CellOfDay(7)]);
  StepUp(dialog().UpDown2);
  StepDown(dialog().UpDown2);
  EXPECT_EQ(dialog().Label21->text(), "子鼠");
}

TEST_F(CalendarDialogTest, TodayReturnsToTodaysMonthAndDay) {
  Open(Date(2008, 2, 6));
  StepUp(dialog().UpDown1);
  StepUp(dialog().UpDown2);
  Click(dialog().DayCells[CellOfDay(20)]);
  Click(dialog().StaticText1);
  EXPECT_EQ(dialog().Label1->text(), "2008");
  EXPECT_EQ(dialog().Label17->text(), "2");
  EXPECT_EQ(dialog().UpDown1->position(), 2008);
  EXPECT_EQ(dialog().UpDown2->position(), 2);
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(CellOfDay(6)));
  EXPECT_EQ(dialog().Label21->text(), "亥猪");
}

TEST_F(CalendarDialogTest, TodayAsksTheClockAgain) {
  Open(Date(2008, 2, 6));
  today_ = Date(2008, 3, 31);  // the dialog stayed open over a few weeks
  Click(dialog().StaticText1);
  EXPECT_EQ(dialog().Label17->text(), "3");
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(37));
  // The selection is today's day again: March 31 survives a step to April and back.
  StepUp(dialog().UpDown2);
  StepDown(dialog().UpDown2);
  EXPECT_EQ(HighlightPlace(), HighlightPlaceOf(37));
}

TEST_F(CalendarDialogTest, TodayOutsideTheTablesCanStillBeSteppedFrom) {
  Open(Date(2060, 10, 15));
  // The spinner holds the nearest year it knows; the grid shows 2060.
  EXPECT_EQ(dialog().UpDown1->position(), 2050);
  EXPECT_EQ(dialog().Label1->text(), "2060");
  StepUp(dialog().UpDown2);  // November 2060: only the Gregorian festivals
  EXPECT_EQ(dialog().Label1->text(), "2060");
  EXPECT_EQ(LunarText(8), "记者日");
  EXPECT_EQ(LunarText(9), "");
  StepDown(dialog().UpDown1);  // into the years the calendar knows
  EXPECT_EQ(dialog().Label1->text(), "2049");
  EXPECT_EQ(dialog().Label17->text(), "11");
  EXPECT_FALSE(LunarText(9).isEmpty());
}

}  // namespace
}  // namespace qorvane::calendar_test
