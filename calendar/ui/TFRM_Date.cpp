#include "calendar/ui/TFRM_Date.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <exception>
#include <utility>

#include "app/platform/ClickableLabel.h"
#include "app/platform/Fonts.h"
#include "calendar/CalendarAnnotations.h"
#include "calendar/ui/BevelLine.h"
#include "calendar/ui/CellLabel.h"
#include "calendar/ui/LunarLine.h"
#include "calendar/ui/MonthGrid.h"
#include "calendar/ui/ShapeBox.h"
#include "calendar/ui/UpDownSpinner.h"

namespace qorvane {

using namespace std::chrono;

namespace {

constexpr int kClientWidth = 331;
constexpr int kClientHeight = 285;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
// The grid redraws its day numbers at 11 points, 15 pixels on a 96-dpi
// screen, a little larger than the 14-pixel template.
constexpr int kDayNumberPixelSize = 15;

const QColor kRed{255, 0, 0};
const QColor kBlack{0, 0, 0};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

void SetFontColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

// A label of the form: its place, font and colour; centred both ways unless
// it sizes itself to its text.
template <class Label = QLabel>
Label* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect place, const QFont& font,
                 const QColor& colour, bool autoSize = false) {
  auto* label = new Label(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  SetFontColour(label, colour);
  if (autoSize) {
    label->move(place.topLeft());
    label->adjustSize();
  } else {
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
  }
  return label;
}

struct WeekdayLabel {
  const char* headerName;
  const char* footerName;
  const char* caption;
  bool weekend;
};

// Sunday first; the header's component names follow the form, not the week.
constexpr WeekdayLabel kWeekdays[] = {
    {"Label2", "Label9", "星期日", true},   {"Label3", "Label10", "星期一", false},
    {"Label4", "Label11", "星期二", false}, {"Label6", "Label12", "星期三", false},
    {"Label5", "Label13", "星期四", false}, {"Label8", "Label14", "星期五", false},
    {"Label7", "Label15", "星期六", true},
};

year_month_day DateOf(int year, unsigned month, unsigned day) {
  return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget* parent, TodayClock today) : QDialog(parent), today_(std::move(today)) {
  setObjectName(QStringLiteral("FRM_Date"));
  setWindowTitle(QStringLiteral("Ostrin日历"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(SongFont(12));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  resize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  // Closing lets go of the parent, so nothing else deletes a closed calendar:
  // the next opening does, or this, when the program ends.
  if (qApp) connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);

  BuildDesignTimeComponents();
  FormCreate();
}

void TFRM_Date::BuildDesignTimeComponents() {
  Shape1 = new ShapeBox(Qt::white, Qt::black, this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(rect());

  Label20 = MakeLabel(this, "Label20", QString(), {0, 56, 313, 72},
                      FontWithFallbacks(QStringLiteral("Arial Black"), 64), QColor(255, 232, 221));
  Label16 = MakeLabel(this, "Label16", QString(), {16, 146, 313, 134},
                      FontWithFallbacks(QStringLiteral("Arial Black"), 120), QColor(235, 235, 235));

  Bevel2 = new BevelLine(this);
  Bevel2->setObjectName(QStringLiteral("Bevel2"));
  Bevel2->setGeometry(9, 46, 297, 10);

  Shape2 = new ShapeBox(QColor(126, 226, 129), Qt::black, this);
  Shape2->setObjectName(QStringLiteral("Shape2"));
  Shape2->resize(38, 30);

  Label1 = MakeLabel<ClickableLabel>(this, "Label1", QString(), {120, 0, 76, 41},
                                     FontWithFallbacks(QStringLiteral("Arial Black"), 29), QColor(0, 0, 255));
  Label1->setToolTip(QStringLiteral("单击改变年份"));
  connect(Label1, &ClickableLabel::clicked, this, &TFRM_Date::Label1Click);

  BuildWeekdayRows();

  Bevel1 = new BevelLine(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(9, 240, 297, 10);

  Label17 = MakeLabel<ClickableLabel>(this, "Label17", QString(), {10, 3, 36, 37},
                                      BoldFont(FontWithFallbacks(QStringLiteral("Arial"), 32)),
                                      QColor(128, 128, 192));
  Label17->setToolTip(QStringLiteral("单击改变月份"));
  connect(Label17, &ClickableLabel::clicked, this, &TFRM_Date::Label17Click);

  Label18 = MakeLabel(this, "Label18", QStringLiteral("月"), {45, 17, 0, 0}, BoldFont(SongFont(14)), kBlack, true);
  Label19 = MakeLabel(this, "Label19", QStringLiteral("年"), {205, 17, 0, 0}, BoldFont(SongFont(14)), kBlack, true);
  Label21 = MakeLabel(this, "Label21", QString(), {230, 212, 78, 35},
                      BoldFont(FontWithFallbacks(QStringLiteral("隶书"), 35)), QColor(221, 221, 255));
  Label22 = MakeLabel(this, "Label22", QString(), {152, 223, 69, 23},
                      BoldFont(FontWithFallbacks(QStringLiteral("黑体"), 19)), QColor(255, 128, 255));

  UpDown1 = new UpDownSpinner(this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(221, 10, 16, 24);
  UpDown1->setRange(kFirstYear, kLastYear);
  connect(UpDown1, &UpDownSpinner::clicked, this, &TFRM_Date::UpDown1Click);

  UpDown2 = new UpDownSpinner(this);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setGeometry(61, 10, 16, 24);
  UpDown2->setRange(1, 12);
  connect(UpDown2, &UpDownSpinner::clicked, this, &TFRM_Date::UpDown2Click);

  StaticText1 = MakeLabel<ClickableLabel>(this, "StaticText1", QStringLiteral("今天"), {272, 17, 28, 16},
                                          SongFont(12), kBlack);
  StaticText1->setFrameShape(QFrame::Box);
  QPalette todayPalette = StaticText1->palette();
  todayPalette.setColor(QPalette::Window, QColor(206, 242, 208));
  StaticText1->setPalette(todayPalette);
  StaticText1->setAutoFillBackground(true);
  connect(StaticText1, &ClickableLabel::clicked, this, &TFRM_Date::StaticText1Click);
}

void TFRM_Date::BuildWeekdayRows() {
  // The header's clicks go to a handler that does nothing, so the header
  // labels are plain labels here.
  for (int column = 0; column < 7; ++column) {
    const WeekdayLabel& weekday = kWeekdays[column];
    const QColor colour = weekday.weekend ? kRed : kBlack;
    MakeLabel(this, weekday.headerName, QString::fromUtf8(weekday.caption), {19 + 40 * column, 40, 36, 12},
              SongFont(12), colour);
  }

  day1 = MakeLabel(this, "day1", QString(), {14, 56, 36, 16}, FontWithFallbacks(QStringLiteral("Arial Black"), 14),
                   kBlack);
  day1->hide();
  Cnday = MakeLabel(this, "Cnday", QString(), {13, 73, 36, 12}, SongFont(12), QColor(0, 64, 0));
  Cnday->hide();

  for (int column = 0; column < 7; ++column) {
    const WeekdayLabel& weekday = kWeekdays[column];
    const QColor colour = weekday.weekend ? kRed : kBlack;
    MakeLabel(this, weekday.footerName, QString::fromUtf8(weekday.caption), {20 + 40 * column, 253, 36, 12},
              SongFont(12), colour);
  }
}

void TFRM_Date::BuildDayCells() {
  for (int cell = 1; cell <= kCellCount; ++cell) {
    const int row = (cell - 1) / 7;
    const int column = (cell - 1) % 7;

    auto* dayLabel = new CellLabel(this);
    dayLabel->setGeometry(14 + 42 * column, 56 + 32 * row, day1->width(), day1->height());
    dayLabel->setAlignment(day1->alignment());
    dayLabel->setFont(day1->font());
    connect(dayLabel, &CellLabel::mouseDown, this, [this, dayLabel] { CnDayMouseDown(dayLabel); });
    connect(dayLabel, &CellLabel::clicked, this, [this, dayLabel] { CnDayClick(dayLabel); });
    DayCells[cell] = dayLabel;

    auto* lunarLabel = new CellLabel(this);
    lunarLabel->setGeometry(13 + 42 * column, 73 + 32 * row, Cnday->width(), Cnday->height());
    lunarLabel->setAlignment(Cnday->alignment());
    lunarLabel->setFont(Cnday->font());
    connect(lunarLabel, &CellLabel::mouseDown, this, [this, lunarLabel] { ChnDateMouseDown(lunarLabel); });
    connect(lunarLabel, &CellLabel::clicked, this, [this, lunarLabel] { CHnDayClick(lunarLabel); });
    LunarCells[cell] = lunarLabel;

    dayLabel->hide();
    lunarLabel->hide();
  }
}

void TFRM_Date::DrawMonth(year_month_day date) {
  const int year = static_cast<int>(date.year());
  const unsigned month = static_cast<unsigned>(date.month());
  const unsigned selected = static_cast<unsigned>(date.day());

  Label20->setText(QString::number(year));
  Label1->setText(Label20->text());
  Label17->setText(QString::number(month));
  Label16->setText(Label17->text());
  Label21->setText(Utf8(ZodiacAnimal(date)));

  ResetCells();
  const int firstCell = FirstCellOfMonth(year, month);
  const int length = MonthLength(year, month);
  // A failure while filling ends the filling quietly: the header stays and
  // the cells not yet reached stay hidden.
  try {
    for (int day = 1; day <= length; ++day) {
      FillCell(firstCell + day - 1, DateOf(year, month, static_cast<unsigned>(day)),
               static_cast<unsigned>(day) == selected);
    }
  } catch (const std::exception&) {
  }
}

void TFRM_Date::ResetCells() {
  QFont dayFont = day1->font();
  dayFont.setPixelSize(kDayNumberPixelSize);
  for (int cell = 1; cell <= kCellCount; ++cell) {
    DayCells[cell]->hide();
    LunarCells[cell]->hide();
    SetFontColour(DayCells[cell], kBlack);
    SetFontColour(LunarCells[cell], kBlack);
    DayCells[cell]->setFont(dayFont);
  }
}

void TFRM_Date::FillCell(int cell, year_month_day cellDate, bool selected) {
  CellLabel* dayLabel = DayCells[cell];
  CellLabel* lunarLabel = LunarCells[cell];
  const int day = static_cast<int>(static_cast<unsigned>(cellDate.day()));

  dayLabel->setText(QString::number(day));
  dayLabel->setTag(day);
  lunarLabel->setTag(day);

  const LunarLine line = LunarLineOf(cellDate);
  lunarLabel->setText(Utf8(line.text));
  SetFontColour(lunarLabel, QColor(line.colour.red, line.colour.green, line.colour.blue));

  if (selected) {
    Shape2->move(dayLabel->x() - 1, dayLabel->y() + 1);
    Label22->setText(Utf8(SignOfDay(day, cellDate)));
  }
  dayLabel->show();
  lunarLabel->show();
}

void TFRM_Date::StoreSelectedDate() { CurrentDate = DateOf(ShownYear, ShownMonth, SelectedDay); }

void TFRM_Date::FormCreate() {
  BuildDayCells();
  CurrentDate = today_();
}

void TFRM_Date::FormShow() {
  ShownYear = static_cast<std::uint16_t>(static_cast<int>(CurrentDate.year()));
  ShownMonth = static_cast<std::uint16_t>(static_cast<unsigned>(CurrentDate.month()));
  SelectedDay = static_cast<std::uint16_t>(static_cast<unsigned>(CurrentDate.day()));
  UpDown1->setPosition(ShownYear);
  UpDown2->setPosition(ShownMonth);
  DrawMonth(CurrentDate);
}

void TFRM_Date::UpDown1Click() {
  ShownYear = static_cast<std::uint16_t>(UpDown1->position());
  DrawMonth(ClampedDate(ShownYear, ShownMonth, SelectedDay));
}

void TFRM_Date::UpDown2Click() {
  ShownMonth = static_cast<std::uint16_t>(UpDown2->position());
  DrawMonth(ClampedDate(ShownYear, ShownMonth, SelectedDay));
}

void TFRM_Date::Label1Click() {
  UpDown1->show();
  UpDown2->hide();
}

void TFRM_Date::Label17Click() {
  UpDown2->show();
  UpDown1->hide();
}

// Both mouse-down handlers put the highlight at the same place for a cell: one
// pixel left of and one below the top-left corner of its day number, which
// lies 17 pixels above and one to the right of its lunar line.
void TFRM_Date::CnDayMouseDown(CellLabel* label) { Shape2->move(label->x() - 1, label->y() + 1); }

void TFRM_Date::ChnDateMouseDown(CellLabel* label) { Shape2->move(label->x(), label->y() - 16); }

// A day click only stores the day: the sign and the animal keep the texts of
// the last drawing until the next step or "今天".
void TFRM_Date::CnDayClick(CellLabel* label) {
  SelectedDay = static_cast<std::uint16_t>(label->tag());
  StoreSelectedDate();
}

void TFRM_Date::CHnDayClick(CellLabel* label) { CnDayClick(label); }

void TFRM_Date::StaticText1Click() {
  CurrentDate = today_();
  FormShow();
}

bool TFRM_Date::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) FormDeactivate();
  return QDialog::event(event);
}

void TFRM_Date::FormDeactivate() {
  // Only another window of the program closes the calendar; switching to
  // another program leaves no active window here and keeps it open.
  const QWidget* active = QApplication::activeWindow();
  if (isVisible() && active != nullptr && active != this) close();
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window restored by the window system is no new showing.
  if (!event->spontaneous()) FormShow();
}

void TFRM_Date::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (Shape1) Shape1->setGeometry(rect());
}

void TFRM_Date::done(int result) {
  QDialog::done(result);
  FormClose();
}

void TFRM_Date::FormClose() {
  if (parentWidget() != nullptr) setParent(nullptr, windowFlags());
}

}  // namespace qorvane
