// The date arithmetic under the grid: month lengths by the Gregorian leap
// rule, a chosen day cut back to a shorter month, and the cell of the 1st.
#include <gtest/gtest.h>

#include "calendar/ui/MonthGrid.h"

namespace qorvane {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

TEST(MonthLength, FollowsTheGregorianLeapRule) {
  struct Case {
    int year;
    unsigned month;
    int length;
  };
  for (const Case& c : {Case{2008, 2, 29}, Case{2009, 2, 28}, Case{1900, 2, 28}, Case{2000, 2, 29},
                        Case{2050, 2, 28}, Case{2008, 4, 30}, Case{2008, 12, 31}, Case{2008, 1, 31}}) {
    EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "-" << c.month;
  }
}

TEST(ClampedDate, CutsTheDayBackToTheMonthsLengthOnly) {
  EXPECT_EQ(ClampedDate(2008, 2, 31), year{2008} / month{2} / day{29});
  EXPECT_EQ(ClampedDate(2009, 2, 31), year{2009} / month{2} / day{28});
  EXPECT_EQ(ClampedDate(2008, 4, 31), year{2008} / month{4} / day{30});
  EXPECT_EQ(ClampedDate(2008, 3, 31), year{2008} / month{3} / day{31});
  EXPECT_EQ(ClampedDate(2008, 3, 6), year{2008} / month{3} / day{6});
}

TEST(FirstCellOfMonth, IsTheWeekdayOfTheFirstCountedFromSunday) {
  EXPECT_EQ(FirstCellOfMonth(2009, 2), 1);   // Sunday
  EXPECT_EQ(FirstCellOfMonth(2014, 3), 7);   // Saturday
  EXPECT_EQ(FirstCellOfMonth(2008, 2), 6);   // Friday
  EXPECT_EQ(FirstCellOfMonth(1899, 12), 6);  // Friday, before the calendar's years
}

}  // namespace
}  // namespace qorvane
