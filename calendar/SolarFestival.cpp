#include <array>
#include <string_view>

#include "calendar/CalendarAnnotations.h"

namespace qorvane {
namespace {

using namespace std::chrono;

// A Gregorian festival on a fixed day of its month, or (day 0) on the n-th
// given weekday of it.
struct SolarFestivalRule {
    month festivalMonth;
    unsigned fixedDay;
    weekday_indexed floatingDay;
    std::string_view text;
};

constexpr SolarFestivalRule Fixed(month m, unsigned d, std::string_view text) { return {m, d, {}, text}; }
constexpr SolarFestivalRule Floating(month m, weekday_indexed nth, std::string_view text) { return {m, 0, nth, text}; }

constexpr std::array<SolarFestivalRule, 18> SolarFestivals = {{
    Fixed(January, 1, "元旦节"),
    Fixed(February, 14, "情人节"),
    Fixed(March, 8, "妇女节"),
    Fixed(April, 1, "愚人节"),
    Fixed(May, 1, "劳动节"),
    Fixed(May, 4, "青年节"),
    Floating(May, Sunday[2], "母亲节"),
    Fixed(June, 1, "儿童节"),
    Floating(June, Sunday[3], "父亲节"),
    Fixed(July, 1, "建党节"),
    Fixed(August, 1, "建军节"),
    Fixed(September, 10, "教师节"),
    Fixed(October, 1, "国庆节"),
    Fixed(October, 6, "老人节"),
    Fixed(October, 31, "万圣节"),
    Fixed(November, 8, "记者日"),
    Floating(November, Thursday[4], "感恩节"),
    Fixed(December, 25, "圣诞节"),
}};

bool Matches(const SolarFestivalRule& rule, year_month_day date) {
    if (rule.festivalMonth != date.month()) return false;
    if (rule.fixedDay != 0) return date.day() == day{rule.fixedDay};
    return date == year_month_day{sys_days{date.year() / date.month() / rule.floatingDay}};
}

}  // namespace

std::string SolarFestival(int dayOfMonth, year_month_day reference) {
    if (dayOfMonth < 1) return "";
    const year_month_day date = reference.year() / reference.month() / day{static_cast<unsigned>(dayOfMonth)};
    if (!date.ok()) return "";
    for (const SolarFestivalRule& rule : SolarFestivals) {
        if (Matches(rule, date)) return std::string(rule.text);
    }
    return "";
}

}  // namespace qorvane
