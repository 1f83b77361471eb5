#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tests/CliRun.h"

namespace qorvane::cli::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

struct ConversionCase {
  std::vector<std::string> args;
  const char* result;
};

// The converter's own worked examples, given as UTF-8 on the command line.
TEST(PinyinCommand, ConvertsEachTextUnderItsFlags) {
  const ConversionCase cases[] = {
      {{"中国"}, "ZG"},
      {{"--whole", "中国"}, "ZHONGGUO"},
      {{"--whole", "中国人"}, "ZHONGGUOREN"},
      {{"Tom猫"}, "TOMM"},
      {{"a-b c"}, "ABC"},
      {{"--all-bytes", "a-b c"}, "A-B C"},
      {{"佛"}, ""},
      {{"--mark-unmapped", "佛"}, "?"},
      {{"--mark-unmapped", "、"}, "?"},
      {{"ａＢ１"}, "aB1"},
      {{"①⑽Ⅻ"}, "11012"},
      {{"Θω"}, "THO"},
      {{"--whole", "女绿"}, "NVLV"},
      {{"--whole", "--max", "3", "中国人"}, "ZHO"},
      {{"--whole", "--max=0", "中国人"}, ""},
      {{"--whole", "--max", "-1", "中国人"}, ""},
  };
  for (const ConversionCase& c : cases) {
    const CliResult result = RunCli([&] {
      std::vector<std::string> args{"pinyin"};
      args.insert(args.end(), c.args.begin(), c.args.end());
      return args;
    }());
    EXPECT_EQ(result.status, 0) << c.args.back();
    EXPECT_EQ(result.out, std::string(c.result) + "\n") << c.args.back();
  }
}

TEST(PinyinCommand, GivesOneLinePerText) {
  EXPECT_EQ(RunCli({"pinyin", "中国", "人"}).out, "ZG\nR\n");
}

TEST(PinyinCommand, ConvertsStandardInputLineByLine) {
  CliRunOptions options;
  options.input = "中国\r\n佛\n\nTom猫";  // a CR LF line, an empty line, no final break
  const CliResult result = RunCli({"pinyin", "--mark-unmapped"}, options);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "ZG\n?\n\nTOMM\n");
}

TEST(PinyinCommand, ReadsGbkBytesWithGbk) {
  CliRunOptions options;
  options.input = "\xD6\xD0\xB9\xFA\n\xC5\xAE\xC2\xCC\n";  // 中国, 女绿
  EXPECT_EQ(RunCli({"pinyin", "--gbk", "--whole"}, options).out, "ZHONGGUO\nNVLV\n");
}

// A line that cannot be converted keeps its place as an empty line, the
// others are converted, and the run ends with status 1.
TEST(PinyinCommand, ReportsAnUnreadableLineAndGoesOn) {
  CliRunOptions options;
  options.input = "中国\n\xff\xfe\n女\n😀\n";
  const CliResult result = RunCli({"pinyin"}, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "ZG\n\nN\n\n");
  EXPECT_THAT(result.err, HasSubstr("qorvane-cli pinyin: line 2: "));
  EXPECT_THAT(result.err, HasSubstr("qorvane-cli pinyin: line 4: "));
}

// Every GBK code that has a reading, once: the coverage of the index is
// GB2312 levels 1 and 2 without 佛, 给 and 髟 (3,753 + 3,007), the GBK
// extension below 0xA1 without 92 characters (5,988), and the extension above
// without 62 characters, five compatibility ideographs and the row 0xFE
// (7,997): 20,745 in all.
TEST(PinyinCommand, TableListsEveryCodeWithAReading) {
  const CliResult result = RunCli({"pinyin", "--table"});
  EXPECT_EQ(result.status, 0);
  const std::vector<std::string> lines = Lines(result.out);
  EXPECT_EQ(lines.size(), 20745u);
  EXPECT_EQ(lines.front(), "8140\t丂\tyu");
  for (const char* row : {"B0A1\t啊\ta", "D6D0\t中\tzhong", "B9FA\t国\tguo", "C5AE\t女\tnv", "C2D4\t略\tlue",
                          "E0C7\t嗲\tdia", "B3A4\t长\tzhang", "D0D0\t行\thang"}) {
    EXPECT_THAT(lines, Contains(row));
  }
  for (const char* code : {"B7F0\t", "B8F8\t", "F7D4\t", "A1A2\t", "FE50\t"}) {
    EXPECT_THAT(result.out, Not(HasSubstr(std::string("\n") + code))) << code;
  }
}

}  // namespace
}  // namespace qorvane::cli::testing
