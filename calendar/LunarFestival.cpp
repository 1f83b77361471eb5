#include <array>
#include <cstdlib>
#include <string_view>

#include "calendar/CalendarAnnotations.h"
#include "calendar/LunarCalendar.h"

namespace qorvane {
namespace {

struct LunarFestivalRule {
    int lunarDay;
    std::string_view monthName;  // compared with LunarMonthName, so leap months never match
    std::string_view text;
};

constexpr std::array<LunarFestivalRule, 7> LunarFestivals = {{
    {1, "正月", "春节"},
    {5, "五月", "端午节"},
    {7, "七月", "七夕节"},
    {8, "腊月", "腊八节"},
    {9, "九月", "重阳节"},
    {15, "八月", "中秋节"},
    {15, "正月", "元宵节"},
}};

}  // namespace

std::string LunarFestival(std::chrono::year_month_day date) {
    if (!date.ok()) return "";
    const int lunarDay = std::abs(GregorianToLunar(date)) % 100;
    const std::string monthName = LunarMonthName(date);

    // A day numbered like a festival day names only its own festival, or none.
    bool festivalNumber = false;
    for (const LunarFestivalRule& rule : LunarFestivals) {
        if (rule.lunarDay != lunarDay) continue;
        if (rule.monthName == monthName) return std::string(rule.text);
        festivalNumber = true;
    }
    if (festivalNumber) return "";

    // New Year's Eve is the last day of the year, whatever its number.
    const std::chrono::year_month_day nextDay{std::chrono::sys_days{date} + std::chrono::days{1}};
    if (monthName != "正月" && LunarMonthName(nextDay) == "正月") return "除夕";
    return "";
}

}  // namespace qorvane
