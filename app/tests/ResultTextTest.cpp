// Saving and opening the result area through the main window's commands, with
// the file dialogs answered ahead of time and real files on disk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <csignal>

#include "app/ResultFile.h"
#include "app/ResultFileCommands.h"
#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/CommandGuard.h"
#include "app/platform/FileDialogs.h"
#include "app/platform/ShowInfo.h"
#include "app/platform/SvgPicture.h"
#include "app/tests/ShellTestSupport.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

const QStringList kReport = {QStringLiteral("您的星座为白羊座,经系统分析如下:"), QString(),
                             QStringLiteral("星座运程:"), QStringLiteral("    热情勇敢，行动力十足。"), QString(),
                             QStringLiteral("五大建议:"), QStringLiteral("1. 放慢脚步 (slow down)")};

// "您的星座为白羊座,经系统分析如下:" and the rest of kReport as the file holds them.
std::string ReportBytes() {
  std::vector<std::string> lines;
  for (const QString& line : kReport) lines.push_back(line.toStdString());
  return EncodeResultFile(lines);
}

class ResultText : public ::testing::Test {
 protected:
  ResultText() : window(fixture.services()) {
    ResetFileDialogsForTesting();
    SetShowInfoSinkForTesting([this](const QString& text) { messages << text; });
    SetErrorReportSinkForTesting([this](const QString& text) { messages << text; });
  }
  ~ResultText() override {
    ResetFileDialogsForTesting();
    SetShowInfoSinkForTesting({});
    SetErrorReportSinkForTesting({});
  }

  void Fill(const QStringList& lines) { FillResult(window, lines); }
  void Save(const std::filesystem::path& answer) { SaveResultAs(window, answer); }
  void Open(const std::filesystem::path& answer) { OpenResultFrom(window, answer); }
  std::filesystem::path In(const char* name) const { return fixture.dir.path() / name; }

  ShellFixture fixture;
  TFrmmain window;
  QStringList messages;
};

}  // namespace

TEST_F(ResultText, SaveWritesGbkWithCrLfUnderTheNamePlusTxt) {
  Fill(kReport);
  Save(In("report.txt"));
  EXPECT_EQ(ReadFile(In("report.txt.txt")), ReportBytes());
  EXPECT_FALSE(std::filesystem::exists(In("report.txt")));
  // The exact first bytes: GBK, no byte-order mark.
  EXPECT_EQ(ReadFile(In("report.txt.txt")).substr(0, 4), "\xC4\xFA\xB5\xC4");  // 您的
  const auto request = LastFileDialogRequestForTesting();
  ASSERT_TRUE(request);
  EXPECT_EQ(request->title, QStringLiteral("保存"));
  EXPECT_EQ(request->filter, QStringLiteral("文本文件 (*.txt)"));
  EXPECT_EQ(request->fileName, QString());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ResultText, SavingAndOpeningGivesTheSameLines) {
  Fill(kReport);
  Save(In("round"));
  window.RzMemo1->clearLines();
  Open(In("round.txt"));
  EXPECT_EQ(window.RzMemo1->lines(), kReport);
}

TEST_F(ResultText, TheSecondSaveOffersStarTxt) {
  Fill(kReport);
  Save(In("first"));
  Save(In("second"));
  EXPECT_EQ(LastFileDialogRequestForTesting()->fileName, QStringLiteral("*.txt"));
  EXPECT_TRUE(std::filesystem::exists(In("second.txt")));
}

TEST(ResultTextNames, OnlyTheSevenCharactersResetTheOfferedName) {
  const std::pair<const char*, const char*> cases[] = {
      {"report", "report"}, {"a*b", "*.txt"}, {"a/b", "*.txt"},       {"a<b", "*.txt"},
      {"a>b", "*.txt"},     {"a?b", "*.txt"}, {"a\\b", "*.txt"},      {"a|b", "*.txt"},
      {"c:report", "c:report"}, {"\"q\"", "\"q\""}, {"", ""}};
  for (const auto& [remembered, offered] : cases) {
    EXPECT_EQ(OfferedSaveName(QString::fromUtf8(remembered)), QString::fromUtf8(offered)) << remembered;
  }
}

TEST_F(ResultText, ABlankResultAreaIsNotSavedAndNoDialogOpens) {
  for (const QStringList& blank : {QStringList{}, QStringList{QStringLiteral("   "), QString(), QStringLiteral("\t")}}) {
    Fill(blank);
    window.findChild<QAction*>(QStringLiteral("dxBarButton16"))->trigger();
    EXPECT_FALSE(LastFileDialogRequestForTesting());
  }
  EXPECT_TRUE(std::filesystem::is_empty(fixture.dir.path()));
}

TEST_F(ResultText, ACancelledSaveWritesNothing) {
  Fill(kReport);
  SetNextFileNameForTesting(QString());
  window.findChild<QPushButton*>(QStringLiteral("BitBtnsave"))->click();
  EXPECT_TRUE(LastFileDialogRequestForTesting());
  EXPECT_TRUE(std::filesystem::is_empty(fixture.dir.path()));
}

TEST_F(ResultText, AFailedSaveLeavesTheExistingFileUntouchedAndSaysNothing) {
  const std::string old = "old contents\r\n";
  WriteFile(In("keep.txt"), old);
  Fill(kReport);
  // A file-size limit makes the write fail half-way, even for root.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  Save(In("keep"));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(ReadFile(In("keep.txt")), old);
  EXPECT_EQ(window.RzMemo1->lines(), kReport);
  EXPECT_TRUE(messages.isEmpty());
  // No temporary file is left behind either.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(fixture.dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

struct OpenCase {
  const char* name;
  std::string bytes;
  QStringList lines;
};

TEST_F(ResultText, OpeningReadsGbkOrUtf8WithAnyLineEnds) {
  const OpenCase cases[] = {
      {"lf", "one\ntwo\n\nfour\n", {"one", "two", "", "four"}},
      {"cr", "one\rtwo\r", {"one", "two"}},
      {"gbk", "\xB0\xD7\xD1\xF2\xD7\xF9\r\n\xC4\xFA\xBA\xC3", {"白羊座", "您好"}},
      {"utf8", "白羊座\n您好\n", {"白羊座", "您好"}},
      {"utf8bom", "\xEF\xBB\xBF白羊座\r\n", {"白羊座"}},
      {"emptyline", "\r\n", {""}},
  };
  for (const OpenCase& c : cases) {
    Fill({QStringLiteral("before")});
    WriteFile(In(c.name), c.bytes);
    Open(In(c.name));
    EXPECT_EQ(window.RzMemo1->lines(), c.lines) << c.name;
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ResultText, AFileThatCannotBeReadEmptiesTheArea) {
  std::filesystem::create_directory(In("folder"));
  {
    QFile huge(QString::fromStdString(In("huge").string()));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(static_cast<qint64>(kMaxResultFileBytes) + 1));  // sparse
  }
  for (const char* name : {"missing", "folder", "huge"}) {
    Fill(kReport);
    Open(In(name));
    EXPECT_TRUE(window.RzMemo1->lines().isEmpty()) << name;
    EXPECT_TRUE(window.RzMemo1->toPlainText().isEmpty()) << name;
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ResultText, ACancelledOpenKeepsTheArea) {
  Fill(kReport);
  SetNextFileNameForTesting(QString());
  window.dxBarButton1Click();
  EXPECT_EQ(window.RzMemo1->lines(), kReport);
}

TEST_F(ResultText, OpeningChangesNeitherTheSignNorWhatIsShown) {
  window.show();
  WriteFile(In("saved.txt"), "line\r\n");
  Open(In("saved.txt"));
  EXPECT_EQ(window.RzMemo1->lines(), QStringList{QStringLiteral("line")});
  EXPECT_TRUE(window.Image15->isVisible());
  EXPECT_FALSE(window.RzMemo1->isVisible());
  EXPECT_TRUE(window.SignName().isEmpty());
  // Hidden as it is, it can still be saved.
  Save(In("again"));
  EXPECT_EQ(ReadFile(In("again.txt")), "line\r\n");
}
