// number, qq, phone and netname: the readings of the number and net-name
// dialogs, with the dialogs' answers to input they cannot read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/tests/CliRun.h"
#include "content/ContentDb.h"
#include "numbers/Haomainfostr.h"
#include "numbers/PhoneReading.h"

namespace qorvane::cli::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

TEST(NumberCommand, Prints12345AsEntryThirtyThree) {
  const CliResult result = RunCli({"number", "12345"});
  EXPECT_EQ(result.status, 0);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "输入号码是：12345");
  EXPECT_EQ(lines[1], "状态：" + NumerologyEntryText(33).substr(0, NumerologyEntryText(33).find('|')));
  EXPECT_EQ(lines[2], "吉凶：凶");
  EXPECT_THAT(lines[3], StartsWith("具体表现：主人性格类型：[不善表达/疑心大型]，其具体表现为："));
}

TEST(NumberCommand, KeepsTheNumberAsTypedAndReadsItModEightyOne) {
  const std::vector<std::string> zeros = Lines(RunCli({"number", "0000"}).out);
  ASSERT_EQ(zeros.size(), 4u);
  EXPECT_EQ(zeros[0], "输入号码是：0000");
  EXPECT_THAT(zeros[1], StartsWith("状态：大展鸿图"));
  EXPECT_EQ(Lines(RunCli({"number", "999999999999999999"}).out)[1], zeros[1]);
  // A negative number that is no multiple of 81 has only the fallback text.
  EXPECT_THAT(Lines(RunCli({"number", "--", "-5"}).out),
              ElementsAre("输入号码是：-5", "状态：", "吉凶：", "具体表现：对不起,此号不在分解之类。"));
}

TEST(QqCommand, UsesTheQqCaptionAndTheSameTable) {
  const std::vector<std::string> qq = Lines(RunCli({"qq", " 12345 "}).out);
  const std::vector<std::string> any = Lines(RunCli({"number", "12345"}).out);
  ASSERT_EQ(qq.size(), 4u);
  EXPECT_EQ(qq[0], "qq号码是：12345");
  EXPECT_EQ(std::vector(qq.begin() + 1, qq.end()), std::vector(any.begin() + 1, any.end()));
}

struct RefusalCase {
  std::vector<std::string> args;
  const char* message;
};

// Input that a dialog refuses gets the dialog's own message on standard
// error, status 2 and nothing on standard output.
TEST(ReadingCommands, RefuseWhatTheDialogsRefuseWithTheirMessages) {
  const RefusalCase cases[] = {
      {{"number", ""}, "qorvane-cli number: 请输入你的号码！\n"},
      {{"number", "12a45"}, "qorvane-cli number: 请输入你的号码！\n"},
      {{"number", "99999999999999999999"}, "qorvane-cli number: 请输入你的号码！\n"},
      {{"qq", "  "}, "qorvane-cli qq: 请输入你的QQ号码！\n"},
      {{"phone", ""}, "qorvane-cli phone: 请输入11位手机号码！\n"},
      {{"phone", "12345678901"}, "qorvane-cli phone: 请输入正确的手机号码！\n"},
      {{"phone", "18912345678"}, "qorvane-cli phone: 请输入正确的手机号码！\n"},
      {{"phone", "1391234"}, "qorvane-cli phone: 请输入11位手机号码！\n"},
      {{"phone", "139123456789"}, "qorvane-cli phone: 请输入11位手机号码！\n"},
      {{"phone", "1391234567x"}, "qorvane-cli phone: 请输入11位手机号码！\n"},
      {{"netname", " \t "}, "qorvane-cli netname: 请输入你的网名！\n"},
      {{"netname", "小明😀"}, "qorvane-cli netname: 请重新输入网名，请不要输入特殊字符！\n"},
      {{"netname", "\xff\xfe"}, "qorvane-cli netname: 请重新输入网名，请不要输入特殊字符！\n"},
  };
  for (const RefusalCase& c : cases) {
    const CliResult result = RunCli(c.args);
    EXPECT_EQ(result.status, 2) << c.args[0] << " '" << c.args[1] << "'";
    EXPECT_EQ(result.err, c.message) << c.args[0] << " '" << c.args[1] << "'";
    EXPECT_EQ(result.out, "") << c.args[0] << " '" << c.args[1] << "'";
  }
}

// The reading of key 78 (the last four digits 5678 mod 80), as dream.dll
// beside the program holds it.
TEST(PhoneCommand, ReadsTheRowOfTheLastFourDigitsModEighty) {
  const std::optional<PhoneReading> row = QueryPhoneReading(DreamConnectionString(QORVANE_BINARY_DIR), "78");
  ASSERT_TRUE(row.has_value());
  ASSERT_FALSE(row->title.empty());
  const CliResult result = RunCli({"phone", "13912345678"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(Lines(result.out), ElementsAre("手机号码是：13912345678", "状态：" + row->title, "吉凶：" + row->verdict,
                                             "具体表现：" + row->content));
  EXPECT_EQ(Lines(RunCli({"phone", " 15900005678 "}).out)[1], "状态：" + row->title);
}

TEST(NetNameCommand, ReadsTheInitialOfTheLastCharacter) {
  const CliResult result = RunCli({"netname", "小明"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(Lines(result.out),
              ElementsAre("你的网名：小明", "你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"));
  // The table's blanks around a text never reach the line (row h is " 自立，自强，可依靠 ").
  EXPECT_EQ(Lines(RunCli({"netname", "TOM8"}).out)[1], "你的性格：自立，自强，可依靠");
  EXPECT_EQ(Lines(RunCli({"netname", "丽丽佛"}).out)[1], "你的性格：");
  EXPECT_THAT(Lines(RunCli({"netname", "!!!"}).out), ElementsAre("你的网名：!!!", "你的性格："));
}

}  // namespace
}  // namespace qorvane::cli::testing
