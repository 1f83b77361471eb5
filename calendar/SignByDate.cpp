#include <array>
#include <string_view>

#include "calendar/CalendarAnnotations.h"

namespace qorvane {
namespace {

// Each Gregorian month is split between two signs: days up to lastEarlierDay
// belong to the first, the rest to the second. 23 August goes to 处女座,
// the traditional first day of that sign.
struct SignBoundary {
    unsigned lastEarlierDay;
    std::string_view earlier;
    std::string_view later;
};

constexpr std::array<SignBoundary, 12> SignBoundaries = {{
    {19, "摩羯座", "水瓶座"},  // January
    {18, "水瓶座", "双鱼座"},
    {20, "双鱼座", "白羊座"},
    {19, "白羊座", "金牛座"},
    {20, "金牛座", "双子座"},
    {21, "双子座", "巨蟹座"},
    {22, "巨蟹座", "狮子座"},
    {22, "狮子座", "处女座"},
    {22, "处女座", "天秤座"},
    {23, "天秤座", "天蝎座"},
    {21, "天蝎座", "射手座"},
    {21, "射手座", "摩羯座"},  // December
}};

}  // namespace

std::string SignByDate(std::chrono::year_month_day date) {
    if (!date.month().ok()) return "";
    const SignBoundary& boundary = SignBoundaries[static_cast<unsigned>(date.month()) - 1];
    return std::string(static_cast<unsigned>(date.day()) <= boundary.lastEarlierDay ? boundary.earlier
                                                                                     : boundary.later);
}

std::string SignOfDay(int day, std::chrono::year_month_day reference) {
    if (day < 1) return "";
    return SignByDate(reference.year() / reference.month() / std::chrono::day{static_cast<unsigned>(day)});
}

}  // namespace qorvane
