#include "CalendarDialogFixture.h"

#include <QTest>
#include <QToolButton>


namespace qorvane::calendar_test {

std::chrono::year_month_day Date(int year, unsigned month, unsigned day) {
  return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
}

QColor FontColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

void CalendarDialogTest::TearDown() { dialog_.reset(); }

TFRM_Date& CalendarDialogTest::Open(std::chrono::year_month_day today) {
  today_ = today;
  dialog_ = std::make_unique<TFRM_Date>(nullptr, [this] { return today_; });
  dialog_->show();
  return *dialog_;
}

std::vector<int> CalendarDialogTest::VisibleCells() const {
  std::vector<int> cells;
  for (int cell = 1; cell <= TFRM_Date::kCellCount; ++cell) {
    const bool dayShown = dialog_->DayCells[cell]->isVisible();
    EXPECT_EQ(dayShown, dialog_->LunarCells[cell]->isVisible()) << "the two labels of cell " << cell;
    if (dayShown) cells.push_back(cell);
  }
  return cells;
}

int CalendarDialogTest::CellOfDay(int day) const {
  for (int cell = 1; cell <= TFRM_Date::kCellCount; ++cell) {
    const CellLabel* label = dialog_->DayCells[cell];
    if (label->isVisible() && label->text() == QString::number(day)) return cell;
  }
  return 0;
}

QString CalendarDialogTest::LunarText(int day) const {
  const int cell = CellOfDay(day);
  return cell == 0 ? QStringLiteral("<day not shown>") : dialog_->LunarCells[cell]->text();
}

QColor CalendarDialogTest::LunarColour(int day) const {
  const int cell = CellOfDay(day);
  return cell == 0 ? QColor() : FontColour(dialog_->LunarCells[cell]);
}

QPoint CalendarDialogTest::HighlightPlaceOf(int cell) const {
  return dialog_->DayCells[cell]->pos() + QPoint(-1, 1);
}

QPoint CalendarDialogTest::HighlightPlace() const { return dialog_->Shape2->pos(); }

void CalendarDialogTest::Click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }

void CalendarDialogTest::StepUp(UpDownSpinner* spinner) const { Click(spinner->upButton()); }

void CalendarDialogTest::StepDown(UpDownSpinner* spinner) const { Click(spinner->downButton()); }

}  // namespace qorvane::calendar_test
