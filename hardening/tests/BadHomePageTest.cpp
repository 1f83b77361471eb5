// The home-page INI file when it cannot be read or written, through the store
// and the exit question. Already covered in app/tests/ExitTest.cpp: a file of
// garbage bytes, and a file below a plain file that cannot be created.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QPushButton>
#include <filesystem>

#include "app/OutsideLinks.h"
#include "app/TFrmMsG.h"
#include "app/TFrmmain.h"
#include "app/platform/IniHomePageStore.h"
#include "app/tests/ShellTestSupport.h"
#include "hardening/tests/FileAccessDenied.h"
#include "numbers/tests/NumberDialogDriver.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

// Stores https://home.example/ in `ini` and returns the file's bytes.
std::string StoreHomePage(const std::filesystem::path& ini) {
  IniHomePageStore(QString::fromStdString(ini.string())).WriteStartPage("https://home.example/");
  return ReadFile(ini);
}

// Confirms the exit with the home-page box as it comes; the window must stay
// and the failure be reported once.
void ExpectExitReportsAndStays(ShellFixture& fixture) {
  MainWindowServices services = fixture.services();
  services.bannerServer.clear();
  MessageRecorder messages;
  TFrmmain window(std::move(services));
  window.show();
  bool boxTicked = false;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFrmMsG*>(modal);
    boxTicked = dialog->CheckBox1->isVisible() && dialog->CheckBox1->isChecked();
    dialog->Button1->click();
  });
  window.dxBarButton5Click();
  EXPECT_TRUE(boxTicked);
  EXPECT_EQ(messages.errors.size(), 1);
  for (const QString& error : messages.errors) EXPECT_TRUE(error.contains(fixture.iniFile)) << error.toStdString();
  EXPECT_EQ(fixture.quits, 0);
  EXPECT_TRUE(fixture.shell->calls.empty());
  EXPECT_TRUE(window.isVisible());
}

}  // namespace

TEST(BadHomePage, AFileWithoutReadPermissionCountsAsNoHomePage) {
  ShellFixture fixture;
  const std::filesystem::path ini = fixture.dir.path() / "secret.ini";
  StoreHomePage(ini);
  ASSERT_EQ(IniHomePageStore(QString::fromStdString(ini.string())).ReadStartPage(), "https://home.example/");
  ASSERT_EQ(chmod(ini.c_str(), 0), 0);
  FileAccessDenied denied;
  IniHomePageStore store(QString::fromStdString(ini.string()));
  EXPECT_EQ(store.ReadStartPage(), "");
  TFrmMsG dialog(store);
  dialog.show();
  EXPECT_TRUE(dialog.CheckBox1->isVisible());
}

TEST(BadHomePage, ADirectoryInPlaceOfTheFileIsReadAsEmptyAndItsWriteReported) {
  ShellFixture fixture;
  std::filesystem::create_directories(fixture.iniFile.toStdString());
  EXPECT_EQ(IniHomePageStore(fixture.iniFile).ReadStartPage(), "");
  ExpectExitReportsAndStays(fixture);
  EXPECT_TRUE(std::filesystem::is_directory(fixture.iniFile.toStdString()));
}

TEST(BadHomePage, AReadOnlyFileIsReadAndItsWriteReported) {
  ShellFixture fixture;
  const std::filesystem::path ini = fixture.iniFile.toStdString();
  std::filesystem::create_directories(ini.parent_path());
  const std::string stored = StoreHomePage(ini);
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
  ASSERT_EQ(chmod(ini.parent_path().c_str(), 0555), 0);
  {
    FileAccessDenied denied;
    EXPECT_EQ(IniHomePageStore(fixture.iniFile).ReadStartPage(), "https://home.example/");
    ExpectExitReportsAndStays(fixture);
  }
  ASSERT_EQ(chmod(ini.parent_path().c_str(), 0755), 0);
  EXPECT_EQ(ReadFile(ini), stored);
}
