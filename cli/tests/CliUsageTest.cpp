// The program as a whole: its help, its exit statuses for command lines it
// cannot use, and its failure when the content files are not beside it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tests/CliRun.h"
#include "content/tests/TestDatabase.h"

namespace qorvane::cli::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const char* const kCommands[] = {"cal", "lunar", "number", "qq", "phone", "netname", "pinyin", "sign"};

TEST(CliHelp, TheProgramsHelpNamesEveryCommand) {
  for (const char* flag : {"--help", "-h"}) {
    const CliResult result = RunCli({flag});
    EXPECT_EQ(result.status, 0) << flag;
    EXPECT_THAT(result.out, StartsWith("Usage: qorvane-cli COMMAND")) << flag;
    for (const char* command : kCommands) EXPECT_THAT(result.out, HasSubstr(std::string("\n  ") + command + " "));
    EXPECT_EQ(result.err, "");
  }
}

TEST(CliHelp, EveryCommandHasItsOwnHelpOnStandardOutput) {
  for (const char* command : kCommands) {
    const CliResult result = RunCli({command, "--help"});
    EXPECT_EQ(result.status, 0) << command;
    EXPECT_THAT(result.out, StartsWith(std::string("Usage: qorvane-cli ") + command + " ")) << command;
    EXPECT_EQ(result.err, "") << command;
  }
}

TEST(CliHelp, VersionIsTheProjectsVersion) {
  const CliResult result = RunCli({"--version"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(result.out, ::testing::MatchesRegex("qorvane-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

TEST(CliHelp, HelpWinsOverArgumentsThatWouldBeWrong) {
  const CliResult result = RunCli({"cal", "2008", "13", "--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(result.out, StartsWith("Usage: qorvane-cli cal"));
}

struct UsageCase {
  std::vector<std::string> args;
  const char* message;  // a piece of what standard error says
};

// Every way of giving a command line that cannot be used ends with status 2,
// nothing on standard output and the reason on standard error.
TEST(CliUsageErrors, EndWithStatusTwoAndSayWhy) {
  const UsageCase cases[] = {
      {{}, "missing COMMAND"},
      {{"calendar"}, "unknown command 'calendar'"},
      {{"cal", "--colour"}, "unknown option '--colour'"},
      {{"cal", "-x"}, "unknown option '-x'"},
      {{"cal", "2008", "13"}, "invalid month '13': use 1-12"},
      {{"cal", "0"}, "invalid year '0': use 1-9999"},
      {{"cal", "MMVIII"}, "invalid year 'MMVIII': not a whole number"},
      {{"cal", "2008", "2", "1"}, "too many arguments: '1'"},
      {{"cal", "--no-color=yes"}, "option '--no-color' takes no value"},
      {{"lunar"}, "missing argument: expected DATE"},
      {{"lunar", "2009-02-30"}, "invalid date '2009-02-30': expected YYYY-MM-DD"},
      {{"lunar", "2009-6-1"}, "invalid date '2009-6-1'"},
      {{"lunar", "2009-06-01", "2009-06-02"}, "too many arguments"},
      {{"lunar", "--tsv", "2009-06-01"}, "missing argument: expected FROM TO"},
      {{"lunar", "--tsv", "2009-06-02", "2009-06-01"}, "FROM date comes after TO date"},
      {{"number"}, "missing argument: expected NUMBER"},
      {{"number", "1", "2"}, "too many arguments"},
      {{"number", "-5"}, "unknown option '-5'"},
      {{"qq"}, "missing argument"},
      {{"phone"}, "missing argument"},
      {{"netname"}, "missing argument"},
      {{"netname", "小明", "小红"}, "too many arguments"},
      {{"pinyin", "--max"}, "option '--max' needs a value"},
      {{"pinyin", "--max", "ten", "中国"}, "invalid --max value 'ten'"},
      {{"pinyin", "--table", "中国"}, "too many arguments"},
      {{"pinyin", "😀"}, "TEXT cannot be converted"},
      {{"sign"}, "missing argument: expected NAME"},
      {{"sign", "白羊"}, "unknown sign '白羊': use one of 白羊座 金牛座"},
      {{"sign", "白羊座", "--section"}, "option '--section' needs a value"},
      {{"sign", "白羊座", "--section", "5"}, "invalid section code '5': use 0, 1, 2, 3, 4 or 6"},
      {{"sign", "白羊座", "--section", "7"}, "invalid section code '7'"},
      {{"sign", "白羊座", "--section", "03"}, "invalid section code '03'"},
  };
  for (const UsageCase& c : cases) {
    const CliResult result = RunCli(c.args);
    const std::string shown = c.args.empty() ? "(no argument)" : c.args[0] + " …" + c.args.back();
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_THAT(result.err, HasSubstr(c.message)) << shown;
    EXPECT_THAT(result.err, HasSubstr("--help'.")) << shown;
    EXPECT_EQ(result.out, "") << shown;
  }
}

// Without BrelmFile.dll and dream.dll beside it the program fails with
// status 1. The sign report keeps what it wrote before the first stored
// section, as the main window does.
class CliWithoutDatabases : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(QORVANE_CLI, lonely_.path() / "qorvane-cli");
    options_.executable = (lonely_.path() / "qorvane-cli").string();
  }

  // The path the program names: its own directory, links resolved.
  std::string BesideTheProgram(const char* file) const {
    return (std::filesystem::canonical(lonely_.path()) / file).string();
  }

  qorvane::testing::TempDir lonely_;
  CliRunOptions options_;
};

TEST_F(CliWithoutDatabases, TheSignReportStopsAtItsFirstStoredSection) {
  const CliResult result = RunCli({"sign", "白羊座"}, options_);
  EXPECT_EQ(result.status, 1);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "您的星座为白羊座,经系统分析如下:");
  EXPECT_EQ(lines[5], "情商分析:");
  EXPECT_THAT(result.err, StartsWith("qorvane-cli sign: cannot read " + BesideTheProgram("BrelmFile.dll") + ": "));
}

TEST_F(CliWithoutDatabases, ThePhoneReadingPrintsNothing) {
  const CliResult result = RunCli({"phone", "13912345678"}, options_);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, StartsWith("qorvane-cli phone: cannot read " + BesideTheProgram("dream.dll") + ": "));
}

TEST_F(CliWithoutDatabases, TheReadingsWithoutADatabaseStillWork) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"number", "12345"}, {"netname", "小明"}, {"cal", "2008", "2"}}) {
    EXPECT_EQ(RunCli(args, options_).status, 0) << args[0];
  }
}

}  // namespace
}  // namespace qorvane::cli::testing
