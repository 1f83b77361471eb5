#include "calendar/ui/TodayClock.h"

#include <QDate>

namespace qorvane {

std::chrono::year_month_day SystemToday() {
  const QDate today = QDate::currentDate();
  return std::chrono::year{today.year()} / std::chrono::month{static_cast<unsigned>(today.month())} /
         std::chrono::day{static_cast<unsigned>(today.day())};
}

}  // namespace qorvane
