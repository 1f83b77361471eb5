#include "calendar/LunarCalendar.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "calendar/LunarDayNames.h"
#include "calendar/LunarMonthNames.h"
#include "calendar/LunarYearTable.h"

namespace qorvane {
namespace {

using namespace std::chrono;

constexpr int WindowMonths = 16;

// The sixteen lunar months that begin with the one containing 1 January,
// unpacked from a LunarYearTable entry. months[k] is the number of the k-th
// month of the window, negative for a leap month (months[16] is only the
// successor of the last one); lengths[k] is its length in days.
struct LunarWindow {
    std::array<int, WindowMonths + 1> months{};
    std::array<int, WindowMonths> lengths{};
    int dayOfNewYear = 0;  // the lunar day of 1 January
};

LunarWindow UnpackWindow(std::uint32_t entry) {
    const unsigned b0 = entry >> 24;
    const unsigned lengthBits = (entry >> 8) & 0xFFFFu;
    const int leapMonth = static_cast<int>(entry & 0xFFu);

    LunarWindow window;
    window.dayOfNewYear = static_cast<int>(b0 & 0x7Fu);
    window.months[0] = (b0 & 0x80u) ? 12 : 11;
    for (int k = 0; k < WindowMonths; ++k) {
        window.lengths[k] = (lengthBits >> (15 - k)) & 1u ? 30 : 29;
        const int month = window.months[k];
        if (leapMonth != 0 && month == leapMonth) {
            window.months[k + 1] = -leapMonth;  // the leap month follows its regular month
        } else {
            window.months[k + 1] = std::abs(month) % 12 + 1;  // after 腊月 comes 正月
        }
    }
    return window;
}

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

    const LunarWindow window = UnpackWindow(LunarYearTable[y - LunarTableFirstYear]);
    const int e = DaysSinceNewYear(date);

    // Still in the month that contains 1 January. Whether that month is a leap
    // month is recorded only in the previous year's entry, so ask 31 December
    // of that year (0 before 1901, which keeps the month regular). The
    // look-back never recurses further: 31 December lies far past the first
    // month of its own window.
    const int daysLeftInFirstMonth = window.lengths[0] - window.dayOfNewYear;
    if (e <= daysLeftInFirstMonth) {
        const bool leap = GregorianToLunar(year{y - 1} / December / 31) < 0;
        const int month = leap ? -window.months[0] : window.months[0];
        return LunarCode(month, window.dayOfNewYear + e);
    }

    // f counts the days of the year that lie before month k of the window.
    int f = daysLeftInFirstMonth;
    int k = 1;
    while (k < WindowMonths - 1 && e > f + window.lengths[k]) {
        f += window.lengths[k];
        ++k;
    }
    return LunarCode(window.months[k], e - f);
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
