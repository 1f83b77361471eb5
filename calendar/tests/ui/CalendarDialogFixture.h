#pragma once
#include <gtest/gtest.h>

#include <QColor>
#include <QPoint>
#include <QString>
#include <chrono>
#include <memory>
#include <vector>

#include "app/platform/ClickableLabel.h"
#include "calendar/ui/CellLabel.h"
#include "calendar/ui/ShapeBox.h"
#include "calendar/ui/TFRM_Date.h"
#include "calendar/ui/UpDownSpinner.h"

namespace qorvane::calendar_test {

std::chrono::year_month_day Date(int year, unsigned month, unsigned day);

// Opens the calendar on a clock the test sets, and reads the grid as a user
// sees it: by day number, not by cell.
class CalendarDialogTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Creates and shows the calendar as if today were `today`.
  TFRM_Date& Open(std::chrono::year_month_day today);
  TFRM_Date& dialog() { return *dialog_; }

  // The cells (1-37) whose two labels are both shown.
  std::vector<int> VisibleCells() const;
  // The shown cell that carries day `day` of the shown month; 0 if none.
  int CellOfDay(int day) const;
  QString LunarText(int day) const;
  QColor LunarColour(int day) const;
  // Where the highlight sits for a cell: one pixel left of and one below the
  // top-left corner of its day number.
  QPoint HighlightPlaceOf(int cell) const;
  QPoint HighlightPlace() const;

  void Click(QWidget* widget) const;
  void StepUp(UpDownSpinner* spinner) const;
  void StepDown(UpDownSpinner* spinner) const;

  // "Today" as the dialog's clock reports it; a test may move it while the
  // dialog is open.
  std::chrono::year_month_day today_{};

 private:
  std::unique_ptr<TFRM_Date> dialog_;
};

QColor FontColour(const QWidget* widget);

}  // namespace qorvane::calendar_test
