#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/ContentDb.h"
#include "signs/SignIqText.h"
#include "signs/SignReport.h"
#include "text/SilentAbort.h"

using namespace qorvane;

namespace {

struct Recorder {
  std::vector<std::string> lines;
  LineSink sink() {
    return [this](std::string_view line) { lines.emplace_back(line); };
  }
};

// Answers every section with "S<code>" and remembers the order of the queries;
// fails at `failAt`.
struct FakeSections {
  std::vector<SectionCode> asked;
  SectionCode failAt = -1;
  SectionSource source() {
    return [this](std::string_view, SectionCode code) {
      asked.push_back(code);
      if (code == failAt) throw SilentAbort("no database");
      return "S" + std::to_string(code);
    };
  }
};

}  // namespace

TEST(SignReport, FullReportHasTwentyTwoLinesInOrder) {
  Recorder out;
  FakeSections sections;
  WriteFullReport("白羊座", sections.source(), out.sink());
  const std::vector<std::string> expected = {
      "您的星座为白羊座,经系统分析如下:", "", "星座运程:", "    " + std::string(SignIqText("白羊座")),
      "", "情商分析:", "S0", "", "星座实力:", "S1", "", "星座名人:", "S2",
      "", "身体保健:", "S3", "", "五大建议:", "S4", "", "星座缺陷:", "S6"};
  EXPECT_EQ(out.lines, expected);
  EXPECT_EQ(sections.asked, (std::vector<SectionCode>{0, 1, 2, 3, 4, 6}));
}

TEST(SignReport, FailingSectionKeepsTheLinesBeforeIt) {
  struct Case {
    SectionCode failAt;
    size_t linesLeft;
  } cases[] = {{0, 6}, {2, 12}, {6, 21}};
  for (const Case& c : cases) {
    Recorder out;
    FakeSections sections;
    sections.failAt = c.failAt;
    EXPECT_THROW(WriteFullReport("金牛座", sections.source(), out.sink()), SilentAbort);
    EXPECT_EQ(out.lines.size(), c.linesLeft) << c.failAt;
    EXPECT_EQ(out.lines.back(), SectionLabel(c.failAt));
  }
}

TEST(SignReport, ShortReports) {
  Recorder iq;
  WriteIqReport("摩羯座", iq.sink());
  EXPECT_EQ(iq.lines, (std::vector<std::string>{"您的星座为摩羯座,经系统分析如下:", "",
                                                "    " + std::string(SignIqText("巨蟹座"))}));

  Recorder section;
  FakeSections sections;
  WriteSectionReport("天蝎座", 4, sections.source(), section.sink());
  EXPECT_EQ(section.lines, (std::vector<std::string>{"您的星座为天蝎座...", "", "S4"}));

  Recorder failed;
  sections.failAt = 3;
  EXPECT_THROW(WriteSectionReport("天蝎座", 3, sections.source(), failed.sink()), SilentAbort);
  EXPECT_EQ(failed.lines, (std::vector<std::string>{"您的星座为天蝎座...", ""}));
}

TEST(SignReport, FullReportFromTheShippedDatabase) {
  Recorder out;
  const std::string connection = ContentConnectionString(QORVANE_BINARY_DIR);
  WriteFullReport(
      "白羊座",
      [&](std::string_view sign, SectionCode code) { return QuerySection(connection, sign, code); },
      out.sink());
  ASSERT_EQ(out.lines.size(), 22u);
  for (size_t line : {6u, 9u, 12u, 15u, 18u, 21u}) {
    EXPECT_FALSE(out.lines[line].empty()) << line;
    EXPECT_EQ(out.lines[line].find("<p>"), std::string::npos) << line;
  }
}
