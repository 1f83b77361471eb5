// The boy-or-girl chart table behind both chart sheets.
#include <gtest/gtest.h>

#include <string>

#include "app/BoyGirlChart.h"

using namespace qorvane;

namespace {
// A row of the chart as one text, months 1 to 12.
std::string Row(int age) {
  std::string row;
  for (int month = 1; month <= 12; ++month) row += std::string(BoyGirlChartCell(age, month));
  return row;
}
}  // namespace

TEST(BoyGirlChart, EveryCellOfTheChartIsBoyOrGirl) {
  for (int age = kChartFirstAge; age <= kChartLastAge; ++age) {
    for (int month = 1; month <= 12; ++month) {
      const std::string cell(BoyGirlChartCell(age, month));
      EXPECT_TRUE(cell == "男" || cell == "女") << age << "/" << month;
    }
  }
}

TEST(BoyGirlChart, TheFirstAndLastRowsOfEachSheet) {
  EXPECT_EQ(Row(18), "男女男女男男女女男男女女");
  EXPECT_EQ(Row(31), "男女男女女男男男女女女男");
  EXPECT_EQ(Row(32), "女男男男女女女女女男男男");
  EXPECT_EQ(Row(44), "男男女男男女男女女女女男");
}

TEST(BoyGirlChart, OutsideTheChartIsEmpty) {
  for (auto [age, month] : {std::pair{17, 1}, {45, 1}, {18, 0}, {18, 13}, {0, 0}, {-1, 5}}) {
    EXPECT_TRUE(BoyGirlChartCell(age, month).empty()) << age << "/" << month;
  }
}
