#include "app/BoyGirlChart.h"

#include <iterator>

namespace qorvane {

namespace {

// One row per nominal age from 18, one letter per lunar month from 1:
// B a boy, G a girl. The chart as it has long circulated in almanacs and
// family-planning folklore; it is entertainment, not medicine.
constexpr std::string_view kChart[] = {
    "BGBGBBGGBBGG",  // 18
    "GBGBBBGGBGGB",  // 19
    "BGGBGGBBGBBG",  // 20
    "BGGBBGGGBBBG",  // 21
    "GBBBBBGGGGBG",  // 22
    "BGGGBBBBGGGB",  // 23
    "GGBGBBGBGGBB",  // 24
    "GBBGBGGBGBBG",  // 25
    "BGBGBBBGBGGG",  // 26
    "GGGGBGBBBGBB",  // 27
    "BBGGBBGGBBGG",  // 28
    "GBBGGBGBGGBB",  // 29
    "GBGBBGBBGBGG",  // 30
    "BGBGGBBBGGGB",  // 31
    "GBBBGGGGGBBB",  // 32
    "GBGGBBBGBGGB",  // 33
    "BBGGBGGBGBBG",  // 34
    "GGBBBGGBGBGB",  // 35
    "BBGGBBGGBGGB",  // 36
    "GBGBGBGBBGBG",  // 37
    "GGBGBGBBGGBB",  // 38
    "GBGBGBBBGBGG",  // 39
    "GBGBGBGBGGBB",  // 40
    "BGBGBBGGBGGB",  // 41
    "BBGBGGGGBGBB",  // 42
    "BGGBBBGGGBBG",  // 43
    "BBGBBGBGGGGB",  // 44
};
static_assert(std::size(kChart) == kChartLastAge - kChartFirstAge + 1);

}  // namespace

std::string_view BoyGirlChartCell(int age, int month) {
  if (age < kChartFirstAge || age > kChartLastAge || month < 1 || month > 12) return {};
  return kChart[age - kChartFirstAge][static_cast<std::size_t>(month - 1)] == 'B' ? "男" : "女";
}

}  // namespace qorvane
