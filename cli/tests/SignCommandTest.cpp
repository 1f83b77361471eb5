#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/tests/CliRun.h"
#include "content/ContentDb.h"
#include "signs/SignReport.h"

namespace qorvane::cli::testing {
namespace {

// The lines that the report writes for a sign from the shipped BrelmFile.dll,
// a text with line breaks counted as several lines, as the result area shows it.
std::vector<std::string> ExpectedLines(std::string_view sign, const std::optional<SectionCode>& code) {
  std::string text;
  const LineSink addLine = [&](std::string_view line) {
    text += std::string(line);
    text += '\n';
  };
  const std::string connection = ContentConnectionString(QORVANE_BINARY_DIR);
  const SectionSource sections = [&](std::string_view name, SectionCode section) {
    return QuerySection(connection, name, section);
  };
  if (code) {
    WriteSectionReport(sign, *code, sections, addLine);
  } else {
    WriteFullReport(sign, sections, addLine);
  }
  std::vector<std::string> lines;
  for (const std::string& line : Lines(text)) {
    lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
  }
  return lines;
}

TEST(SignCommand, PrintsTheFullReportLineForLine) {
  const CliResult result = RunCli({"sign", "白羊座"});
  EXPECT_EQ(result.status, 0);
  const std::vector<std::string> lines = Lines(result.out);
  EXPECT_EQ(lines, ExpectedLines("白羊座", std::nullopt));
  ASSERT_GE(lines.size(), 22u);
  EXPECT_EQ(lines[0], "您的星座为白羊座,经系统分析如下:");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "星座运程:");
  EXPECT_EQ(lines[3].substr(0, 16), "    智商： 80");
  EXPECT_EQ(lines[5], "情商分析:");
  EXPECT_NE(lines[6], "");
  EXPECT_EQ(result.out.find("<p>"), std::string::npos);
}

TEST(SignCommand, PrintsOneSectionUnderTheShortHeader) {
  const CliResult result = RunCli({"sign", "摩羯座", "--section", "3"});
  EXPECT_EQ(result.status, 0);
  const std::vector<std::string> lines = Lines(result.out);
  EXPECT_EQ(lines, ExpectedLines("摩羯座", 3));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "您的星座为摩羯座...");
  EXPECT_EQ(lines[1], "");
  EXPECT_NE(lines[2], "");
}

// Each code reads its own table: the report of one section equals what the
// core writes for that code.
TEST(SignCommand, EachSectionCodeReadsItsOwnSection) {
  const struct {
    const char* sign;
    const char* code;
  } cases[] = {{"金牛座", "0"}, {"双子座", "1"}, {"巨蟹座", "2"}, {"狮子座", "4"}, {"双鱼座", "6"}};
  for (const auto& c : cases) {
    const CliResult result = RunCli({"sign", c.sign, "--section", c.code});
    EXPECT_EQ(result.status, 0) << c.sign << " " << c.code;
    EXPECT_EQ(Lines(result.out), ExpectedLines(c.sign, std::stoi(c.code))) << c.sign << " " << c.code;
  }
}

}  // namespace
}  // namespace qorvane::cli::testing
