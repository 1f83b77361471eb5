// How the calendar ends: another window of the program taking over closes it,
// closing hides it and lets go of its parent, and the next opening replaces it.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "CalendarDialogFixture.h"
#include "app/platform/ModalWindow.h"

namespace qorvane::calendar_test {
namespace {

TEST_F(CalendarDialogTest, AnotherWindowOfTheProgramBecomingActiveClosesIt) {
  Open(Date(2008, 2, 6));
  QApplication::setActiveWindow(&dialog());
  ASSERT_TRUE(dialog().isVisible());

  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  EXPECT_FALSE(dialog().isVisible());
}

TEST_F(CalendarDialogTest, SwitchingToAnotherProgramKeepsItOpen) {
  Open(Date(2008, 2, 6));
  QApplication::setActiveWindow(&dialog());
  QApplication::setActiveWindow(nullptr);  // no window of ours is active
  EXPECT_TRUE(dialog().isVisible());
}

TEST(CalendarDialogOwnership, ClosingHidesItAndTheParentNoLongerDeletesIt) {
  auto parent = std::make_unique<QWidget>();
  QPointer<TFRM_Date> dialog = new TFRM_Date(parent.get(), [] { return Date(2008, 2, 6); });
  dialog->show();
  dialog->close();
  ASSERT_FALSE(dialog.isNull());
  EXPECT_TRUE(dialog->isHidden());
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_TRUE(dialog->isWindow());

  parent.reset();
  ASSERT_FALSE(dialog.isNull()) << "the closed calendar outlives its former parent";
  delete dialog.data();
}

TEST(CalendarDialogOwnership, AClosedCalendarIsDeletedWhenTheProgramEnds) {
  QPointer<TFRM_Date> dialog = new TFRM_Date(nullptr, [] { return Date(2008, 2, 6); });
  dialog->show();
  dialog->close();
  // Run the program's event loop once to its end, as the exit command does.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  qApp->exec();
  EXPECT_TRUE(dialog.isNull());
}

TEST(CalendarDialogOwnership, EachOpeningReplacesTheLastCalendarAndStartsFromToday) {
  QPointer<TFRM_Date>& instance = ModalInstance<TFRM_Date>();
  QString shownMonths;
  auto openAndClose = [&](std::chrono::year_month_day today) {
    QTimer::singleShot(0, [&] {
      TFRM_Date* open = instance.data();
      ASSERT_NE(open, nullptr);
      EXPECT_TRUE(open->isVisible());
      EXPECT_TRUE(open->isModal());
      shownMonths += open->Label17->text() + QLatin1Char(' ');
      open->close();
    });
    OpenModal<TFRM_Date>(nullptr, [today] { return today; });
  };

  openAndClose(Date(2008, 2, 6));
  const QPointer<TFRM_Date> first = instance;
  ASSERT_FALSE(first.isNull()) << "the closed calendar stays until the next opening";
  EXPECT_TRUE(first->isHidden());

  openAndClose(Date(2009, 6, 23));
  EXPECT_TRUE(first.isNull()) << "the next opening deleted it";
  EXPECT_EQ(shownMonths, "2 6 ");
  delete instance.data();
}

}  // namespace
}  // namespace qorvane::calendar_test
