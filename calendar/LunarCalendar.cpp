#include "calendar/LunarCalendar.h"

#include <cstdint>
#include <cstdlib>

#include "calendar/LunarDayNames.h"
#include "calendar/LunarMonthNames.h"
#include "calendar/LunarYearTable.h"

namespace qorvane {
namespace {

using namespace std::chrono;

constexpr int WindowMonths = 16;

// One LunarYearTable entry, read in place: the window of sixteen lunar months
// that begins with the one containing 1 January. The months are walked only as
// far as a date needs, without unpacking the whole window first: the
// conversion runs for every day a calendar draws.
struct LunarWindow {
    explicit LunarWindow(std::uint32_t entry)
        : firstMonth((entry >> 24) & 0x80u ? 12 : 11),
          dayOfNewYear(static_cast<int>((entry >> 24) & 0x7Fu)),
          lengthBits((entry >> 8) & 0xFFFFu),
          leapMonth(static_cast<int>(entry & 0xFFu)) {}

    // Length in days of month k of the window (bit 15 is the first month).
    int Length(int k) const { return (lengthBits >> (15 - k)) & 1u ? 30 : 29; }

    // The month after `month` (negative for a leap month): the leap month
    // follows its regular month, and after 腊月 comes 正月.
    int Next(int month) const {
        if (leapMonth != 0 && month == leapMonth) return -leapMonth;
        return std::abs(month) % 12 + 1;
    }

    int firstMonth;    // 12 or 11, the month containing 1 January
    int dayOfNewYear;  // the lunar day of 1 January
    unsigned lengthBits;
    int leapMonth;
};

int DaysSinceNewYear(year_month_day date) {
    return (sys_days{date} - sys_days{date.year() / January / 1}).count();
}

int LunarCode(int month, int day) {
    return month > 0 ? month * 100 + day : month * 100 - day;
}

}  // namespace

int GregorianToLunar(year_month_day date) {
    if (!date.ok()) return 0;
    const int y = static_cast<int>(date.year());
    if (y < LunarTableFirstYear || y > LunarTableLastYear) return 0;

    const LunarWindow window(LunarYearTable[y - LunarTableFirstYear]);
    const int e = DaysSinceNewYear(date);

    // Still in the month that contains 1 January. Whether that month is a leap
    // month is recorded only in the previous year's entry, so ask 31 December
    // of that year (0 before 1901, which keeps the month regular). The
    // look-back never recurses further: 31 December lies far past the first
    // month of its own window.
    const int daysLeftInFirstMonth = window.Length(0) - window.dayOfNewYear;
    if (e <= daysLeftInFirstMonth) {
        const bool leap = GregorianToLunar(year{y - 1} / December / 31) < 0;
        const int month = leap ? -window.firstMonth : window.firstMonth;
        return LunarCode(month, window.dayOfNewYear + e);
    }

    // f counts the days of the year that lie before month k of the window.
    int f = daysLeftInFirstMonth;
    int k = 1;
    int month = window.Next(window.firstMonth);
    while (k < WindowMonths - 1 && e > f + window.Length(k)) {
        f += window.Length(k);
        month = window.Next(month);
        ++k;
    }
    return LunarCode(month, e - f);
}

std::string LunarMonthName(year_month_day date) {
    const int month = GregorianToLunar(date) / 100;  // truncates toward zero
    if (month < 0) return "闰" + std::string(LunarMonthNames[-month]);
    if (month > 0) return std::string(LunarMonthNames[month]) + "月";
    return "";
}

std::string LunarDayName(year_month_day date) {
    const int code = GregorianToLunar(date);
    if (code == 0) return "";
    return std::string(LunarDayNames[std::abs(code) % 100]);
}

}  // namespace qorvane
