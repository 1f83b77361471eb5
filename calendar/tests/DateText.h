#pragma once
#include <chrono>
#include <cstdio>
#include <string>

namespace qorvane {

// "2008-02-06", for failure messages (this library has no operator<< for
// year_month_day yet).
inline std::string DateText(std::chrono::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace qorvane
