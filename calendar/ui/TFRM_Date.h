#pragma once
#include <QDialog>
#include <array>
#include <chrono>
#include <cstdint>

#include "calendar/ui/TodayClock.h"

class QLabel;

namespace qorvane {

class BevelLine;
class CellLabel;
class ClickableLabel;
class ShapeBox;
class UpDownSpinner;

// The perpetual month calendar: one Gregorian month of 1901-2050 as a grid of
// days, each with its lunar date, solar term or festival underneath, with the
// zodiac animal and the Western sign of the selected day. The texts come from
// the calendar core; this window owns only the layout, the state and the
// stepping through months.
//
// It closes when another window of the program becomes active. Closing hides
// it and lets go of its parent; it stays alive until the next opening deletes
// it, or until the application quits.
class TFRM_Date : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kCellCount = 37;
  using CellArray = std::array<CellLabel*, kCellCount + 1>;  // [0] is unused

  explicit TFRM_Date(QWidget* parent = nullptr, TodayClock today = SystemToday);

  // Fills the header and the grid for the month of `date`, whose day is the
  // selected one.
  void DrawMonth(std::chrono::year_month_day date);

  // The window's components, named as the form names them, bottom of the
  // stacking order first. The cells are created last, so they lie on top.
  ShapeBox* Shape1 = nullptr;
  QLabel* Label20 = nullptr;  // year watermark
  QLabel* Label16 = nullptr;  // month watermark
  BevelLine* Bevel2 = nullptr;
  ShapeBox* Shape2 = nullptr;  // highlight of the selected day
  ClickableLabel* Label1 = nullptr;  // shown year
  QLabel* day1 = nullptr;   // hidden template of the day-number labels
  QLabel* Cnday = nullptr;  // hidden template of the lunar-text labels
  BevelLine* Bevel1 = nullptr;
  ClickableLabel* Label17 = nullptr;  // shown month
  QLabel* Label18 = nullptr;
  QLabel* Label19 = nullptr;
  QLabel* Label21 = nullptr;  // zodiac animal
  QLabel* Label22 = nullptr;  // sign of the selected day
  UpDownSpinner* UpDown1 = nullptr;  // year
  UpDownSpinner* UpDown2 = nullptr;  // month
  ClickableLabel* StaticText1 = nullptr;  // "今天"
  CellArray DayCells{};
  CellArray LunarCells{};

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 public slots:
  void done(int result) override;

 private:
  void BuildDesignTimeComponents();
  void BuildWeekdayRows();
  void BuildDayCells();
  void ResetCells();
  void FillCell(int cell, std::chrono::year_month_day cellDate, bool selected);
  void StoreSelectedDate();

  void FormCreate();
  void FormShow();
  void FormDeactivate();
  void FormClose();
  void UpDown1Click();
  void UpDown2Click();
  void Label1Click();
  void Label17Click();
  void CnDayMouseDown(CellLabel* label);
  void ChnDateMouseDown(CellLabel* label);
  void CnDayClick(CellLabel* label);
  void CHnDayClick(CellLabel* label);
  void StaticText1Click();

  TodayClock today_;
  std::chrono::year_month_day CurrentDate;
  std::uint16_t ShownYear = 0;
  std::uint16_t ShownMonth = 0;
  // May exceed the shown month's length: it is cut back only when a month is
  // drawn, so a 31st chosen in January is the 31st again in March.
  std::uint16_t SelectedDay = 0;
};

}  // namespace qorvane
