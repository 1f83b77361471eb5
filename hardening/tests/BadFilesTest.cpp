// Files that are no result file, or that cannot be read or written, through
// the open and save commands of the main window. Already covered elsewhere
// (app/tests/ResultTextTest.cpp): a directory, a missing file, a file over the
// size limit (the 50 MiB case takes the same path as its 16 MiB + 1), a UTF-8
// file with a byte-order mark, and a save that fails half-way over an existing
// file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QTest>
#include <filesystem>
#include <random>

#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/FileDialogs.h"
#include "app/tests/ShellTestSupport.h"
#include "hardening/tests/FileAccessDenied.h"
#include "numbers/tests/NumberDialogDriver.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

const QStringList kReport = {QStringLiteral("您的星座为白羊座,经系统分析如下:"), QString(),
                             QStringLiteral("星座运程:"), QStringLiteral("    热情勇敢。")};

MainWindowServices WithoutBanners(ShellFixture& fixture) {
  MainWindowServices services = fixture.services();
  services.bannerServer.clear();
  return services;
}

class BadFiles : public ::testing::Test {
 protected:
  BadFiles() : window(WithoutBanners(fixture)) {
    ResetFileDialogsForTesting();
    ClickAries();
    fullReport = window.RzMemo1->lines();
  }
  ~BadFiles() override { ResetFileDialogsForTesting(); }

  void Fill(const QStringList& lines) { FillResult(window, lines); }
  void Save(const std::filesystem::path& answer) { SaveResultAs(window, answer); }
  void Open(const std::filesystem::path& answer) { OpenResultFrom(window, answer); }
  void ClickAries() {
    for (ClickableLabel* label : window.SignLabels) {
      if (label->hint() == QStringLiteral("白羊座")) QTest::mouseClick(label, Qt::LeftButton);
    }
  }
  // The program still works: a sign click writes the whole report again.
  void ExpectSignReportStillWorks() {
    ClickAries();
    EXPECT_EQ(window.RzMemo1->lines(), fullReport);
  }
  std::filesystem::path In(const char* name) const { return fixture.dir.path() / name; }

  ShellFixture fixture;
  TFrmmain window;
  MessageRecorder messages;
  QStringList fullReport;  // of 白羊座, from the shipped database
};

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

}  // namespace

TEST_F(BadFiles, BinaryAndBrokenGbkFilesOpenAsShowableText) {
  std::string everyByte;
  for (int i = 0; i < 256 * 4; ++i) everyByte.push_back(static_cast<char>(i & 0xFF));
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"every byte", everyByte},
      {"random", RandomBytes(64 * 1024, 7)},
      {"stray lead bytes", "\x81\x20" "abc\xFF\xFE\r\n\xB0\xD7\xA3"},
      {"nul only", std::string(100, '\0')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(In("input"), c.bytes);
    Fill(kReport);
    Open(In("input"));
    const QStringList lines = window.RzMemo1->lines();
    EXPECT_FALSE(lines.isEmpty());
    for (const QString& line : lines) {
      EXPECT_FALSE(line.contains(QChar(0)));
      EXPECT_TRUE(line.isValidUtf16());
    }
    // What is shown can be saved again.
    std::filesystem::remove(In("again.txt"));
    Save(In("again"));
    EXPECT_TRUE(std::filesystem::exists(In("again.txt")));
  }
  // Broken GBK shows replacement characters where the bytes were, and keeps the rest.
  WriteFile(In("broken"), "ab\xFF" "cd\r\n\xB0\xD7\xD1\xF2\xD7\xF9\x81");
  Open(In("broken"));
  EXPECT_EQ(window.RzMemo1->lines(), QStringList({QStringLiteral("ab\uFFFDcd"), QStringLiteral("白羊座\uFFFD")}));
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
  ExpectSignReportStillWorks();
}

TEST_F(BadFiles, AFileWithoutReadPermissionEmptiesTheAreaQuietly) {
  WriteFile(In("secret.txt"), "not for you\r\n");
  ASSERT_EQ(chmod(In("secret.txt").c_str(), 0), 0);
  Fill(kReport);
  {
    FileAccessDenied denied;
    Open(In("secret.txt"));
  }
  EXPECT_TRUE(window.RzMemo1->lines().isEmpty());
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
  ExpectSignReportStillWorks();
}

TEST_F(BadFiles, SavingIntoAReadOnlyDirectoryChangesNothingThere) {
  const std::filesystem::path folder = In("readonly");
  std::filesystem::create_directory(folder);
  WriteFile(folder / "keep.txt", "old contents\r\n");
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  Fill(kReport);
  {
    FileAccessDenied denied;
    Save(folder / "keep");  // over the existing file
    Save(folder / "new");   // a new file
  }
  ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
  EXPECT_EQ(ReadFile(folder / "keep.txt"), "old contents\r\n");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 1);  // no new file and no temporary left behind
  EXPECT_EQ(window.RzMemo1->lines(), kReport);
  EXPECT_TRUE(messages.infos.isEmpty());  // a failed save is silent
  EXPECT_TRUE(messages.errors.isEmpty());
  // The same report saves where it may.
  Save(In("elsewhere"));
  EXPECT_TRUE(std::filesystem::exists(In("elsewhere.txt")));
}
