// The exit question from the exit command and from closing the window, with
// the home page kept in a temporary INI file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "app/OutsideLinks.h"
#include "app/TFrmMsG.h"
#include "app/TFrmmain.h"
#include "app/platform/CommandGuard.h"
#include "app/platform/IniHomePageStore.h"
#include "app/tests/ShellTestSupport.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

const std::string kPartner = kPartnerHomePage;

enum class Entry { ExitCommand, CloseWindow };

struct ExitCase {
  const char* name;
  std::optional<std::string> stored;  // none: no INI file at all
  bool untick;
  bool yes;
  bool boxShown;
  std::optional<std::string> storedAfter;  // none: still no INI file
};

const ExitCase kCases[] = {
    {"PartnerAlreadyHomeWithBlanks", "  " + kPartner + " \t", false, true, false, "  " + kPartner + " \t"},
    {"PartnerDiffersOnlyInCase", "HTTPS://NAV.PARTNER.EXAMPLE/", false, true, true, kPartner},
    {"YesWithTheBoxUnticked", "https://home.example/", true, true, true, "https://home.example/"},
    {"YesWithTheBoxTicked", std::nullopt, false, true, true, kPartner},
    {"NoWritesNothing", std::nullopt, false, false, true, std::nullopt},
};

void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.name; }
void PrintTo(Entry entry, std::ostream* out) { *out << (entry == Entry::ExitCommand ? "exit command" : "close"); }

std::optional<std::string> Stored(const ShellFixture& fixture) {
  if (!QFile::exists(fixture.iniFile)) return std::nullopt;
  return IniHomePageStore(fixture.iniFile).ReadStartPage();
}

// Starts the exit one way or the other; true when the window is gone.
bool Leave(TFrmmain& window, Entry entry) {
  if (entry == Entry::ExitCommand) {
    window.findChild<QAction*>(QStringLiteral("dxBarButton5"))->trigger();
    return false;
  }
  return window.close();
}

class ExitQuestion : public ::testing::TestWithParam<std::tuple<ExitCase, Entry>> {
 protected:
  ExitQuestion() { SetErrorReportSinkForTesting([this](const QString& text) { errors << text; }); }
  ~ExitQuestion() override { SetErrorReportSinkForTesting({}); }
  QStringList errors;
};

}  // namespace

TEST_P(ExitQuestion, AnswersAsTheUserChose) {
  const auto& [c, entry] = GetParam();
  ShellFixture fixture;
  if (c.stored) IniHomePageStore(fixture.iniFile).WriteStartPage(*c.stored);
  MainWindowServices services = fixture.services();
  // The home page as it stands when the program is told to end.
  services.quitApplication = [&] {
    fixture.log << QStringLiteral("quit with ") + QString::fromStdString(Stored(fixture).value_or("nothing"));
  };
  TFrmmain window(services);
  window.show();

  std::optional<bool> boxShown;
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TFrmMsG*>(modal);
    ASSERT_NE(dialog, nullptr);
    boxShown = dialog->CheckBox1->isVisible();
    if (c.untick) dialog->CheckBox1->click();
    (c.yes ? dialog->Button1 : dialog->Button2)->click();
  });
  const bool closed = Leave(window, entry);

  ASSERT_TRUE(boxShown.has_value()) << "no question was asked";
  EXPECT_EQ(*boxShown, c.boxShown);
  EXPECT_EQ(Stored(fixture), c.storedAfter);
  if (c.yes) {
    EXPECT_EQ(fixture.log, (QStringList{QStringLiteral("quit with ") + QString::fromStdString(*c.storedAfter),
                                        QStringLiteral("open ") + QString::fromUtf8(kMakerHomePage)}));
    ASSERT_EQ(fixture.shell->calls.size(), 1u);
    EXPECT_EQ(fixture.shell->calls.front().way, ShellWay::InternetExplorer);
  } else {
    EXPECT_TRUE(fixture.log.isEmpty());
  }
  if (entry == Entry::CloseWindow) {
    EXPECT_EQ(closed, c.yes);
    EXPECT_EQ(window.isVisible(), !c.yes);
  } else {
    EXPECT_TRUE(window.isVisible());  // the application's quit closes it, not the command
  }
  EXPECT_TRUE(errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitQuestion,
    ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(Entry::ExitCommand, Entry::CloseWindow)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) +
             (std::get<1>(info.param) == Entry::ExitCommand ? "_ExitCommand" : "_CloseWindow");
    });

TEST(ExitDialog, LooksAsItShould) {
  ShellFixture fixture;
  IniHomePageStore store(fixture.iniFile);
  TFrmMsG dialog(store);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("退出系统"));
  EXPECT_EQ(dialog.Label1->text(), QStringLiteral("您是否确定要退出系统？"));
  EXPECT_EQ(dialog.CheckBox1->text(), QStringLiteral("设星途网址导航为首页"));
  EXPECT_TRUE(dialog.CheckBox1->isChecked());
  EXPECT_EQ(dialog.Button1->text(), QStringLiteral("是(&Y)"));
  EXPECT_EQ(dialog.Button2->text(), QStringLiteral("否(&N)"));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(dialog.pos(), QPoint(500, 303));
  EXPECT_FALSE(dialog.result());
}

TEST(ExitDialog, EscapeAnswersNo) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  window.dxBarButton5Click();
  EXPECT_TRUE(fixture.log.isEmpty());
  EXPECT_FALSE(QFile::exists(fixture.iniFile));
}

TEST(ExitFailures, AFailedHomePageWriteIsReportedAndTheProgramStays) {
  ShellFixture fixture;
  // The INI file would have to live below a plain file: it cannot be written.
  WriteFile(fixture.dir.path() / "plain", "x");
  fixture.iniFile = QString::fromStdString((fixture.dir.path() / "plain" / "homepage.ini").string());
  for (Entry entry : {Entry::ExitCommand, Entry::CloseWindow}) {
    QStringList errors;
    SetErrorReportSinkForTesting([&](const QString& text) { errors << text; });
    TFrmmain window(fixture.services());
    window.show();
    AnswerNextModal([](QWidget* modal) { qobject_cast<TFrmMsG*>(modal)->Button1->click(); });
    Leave(window, entry);
    SetErrorReportSinkForTesting({});
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(fixture.log.isEmpty());
    EXPECT_TRUE(window.isVisible());
  }
}

TEST(ExitFailures, AnUnreadableHomePageCountsAsEmpty) {
  ShellFixture fixture;
  WriteFile(fixture.dir.path() / "garbage.ini", std::string("\xFF\xFE[\0\0=\x01\n", 9));
  IniHomePageStore store(QString::fromStdString((fixture.dir.path() / "garbage.ini").string()));
  EXPECT_EQ(store.ReadStartPage(), "");
  IniHomePageStore missing(QString::fromStdString((fixture.dir.path() / "none" / "x.ini").string()));
  EXPECT_EQ(missing.ReadStartPage(), "");
  TFrmMsG dialog(missing);
  dialog.show();
  EXPECT_TRUE(dialog.CheckBox1->isVisible());
}

TEST(ExitOnce, TheCloseAfterAConfirmedExitAsksNoMore) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  window.show();
  AnswerNextModal([](QWidget* modal) { qobject_cast<TFrmMsG*>(modal)->Button1->click(); });
  window.dxBarButton5Click();
  ASSERT_EQ(fixture.shell->calls.size(), 1u);

  // Quitting closes the window; a second question would show up here.
  bool askedAgain = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      askedAgain = true;
      static_cast<QDialog*>(modal)->reject();
    }
  });
  EXPECT_TRUE(window.close());
  QCoreApplication::processEvents();
  EXPECT_FALSE(askedAgain);
  EXPECT_EQ(fixture.shell->calls.size(), 1u);
}
