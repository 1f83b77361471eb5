#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tests/CliRun.h"

namespace qorvane::cli::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

TEST(LunarCommand, NamesTheFirstDayOfTheLeapEleventhMonth) {
  const CliResult result = RunCli({"lunar", "2033-12-22"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(Lines(result.out), ElementsAre("公历：2033-12-22 星期四", "农历：闰冬初一", "农历代码：-1101",
                                             "生肖：丑牛", "星座：摩羯座"));
}

TEST(LunarCommand, ShowsEveryAnnotationThatApplies) {
  EXPECT_THAT(Lines(RunCli({"lunar", "2009-06-21"}).out),
              ElementsAre("公历：2009-06-21 星期日", "农历：五月廿九", "农历代码：529", "节气：夏至",
                          "公历节日：父亲节", "生肖：丑牛", "星座：双子座"));
}

TEST(LunarCommand, ADayOutsideTheLunarTablesHasOnlyItsGregorianFacts) {
  EXPECT_THAT(Lines(RunCli({"lunar", "1900-12-25"}).out),
              ElementsAre("公历：1900-12-25 星期二", "农历代码：0", "公历节日：圣诞节", "生肖：子鼠", "星座：摩羯座"));
}

TEST(LunarCommand, TsvLeavesTheLunarFieldsEmptyAfterTwentyFifty) {
  const CliResult result = RunCli({"lunar", "--tsv", "2050-12-30", "2051-01-01"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "2050-12-30\t1117\t冬月\t十七\t\t\t\t午马\t摩羯座\n"
            "2050-12-31\t1118\t冬月\t十八\t\t\t\t午马\t摩羯座\n"
            "2051-01-01\t\t\t\t\t\t元旦节\t未羊\t摩羯座\n");
}

// The whole range of the lunar tables in one run, checked as a script would:
// every day once, nine fields, and lunar codes that follow each other.
TEST(LunarCommand, TsvCoversNineteenOhOneToTwentyFiftyDayByDay) {
  const CliResult result = RunCli({"lunar", "--tsv", "1901-01-01", "2050-12-31"});
  ASSERT_EQ(result.status, 0);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 54787u);
  EXPECT_EQ(lines.front().substr(0, 15), "1901-01-01\t1111");
  int previousCode = 0;
  int newYears = 0;
  for (const std::string& line : lines) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 9u) << line;
    const int code = std::stoi(fields[1]);
    const int day = std::abs(code) % 100;
    if (previousCode != 0) {
      if (day == 1) {
        ASSERT_GE(std::abs(previousCode) % 100, 29) << line;
      } else {
        ASSERT_EQ(code, previousCode + (code < 0 ? -1 : 1)) << line;
      }
    }
    if (code == 101) {
      ++newYears;
      EXPECT_EQ(fields[5], "春节") << line;
    }
    EXPECT_FALSE(fields[7].empty() || fields[8].empty()) << line;
    previousCode = code;
  }
  EXPECT_EQ(newYears, 150);  // one lunar New Year in every Gregorian year
}

}  // namespace
}  // namespace qorvane::cli::testing
