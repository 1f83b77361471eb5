#pragma once
#include <string_view>

namespace qorvane {

// The traditional boy-or-girl chart: the mother's nominal age (虚岁) against
// the lunar month of conception.
inline constexpr int kChartFirstAge = 18;
inline constexpr int kChartLastAge = 44;

// "男" or "女" for a nominal age 18–44 and a lunar month 1–12; "" outside the chart.
std::string_view BoyGirlChartCell(int age, int month);

}  // namespace qorvane
