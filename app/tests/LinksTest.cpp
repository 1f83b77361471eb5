// Every outside-link trigger of the main window, as a user clicks it: the way
// and the address that reach the shell.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "app/TFrmmain.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/SvgPicture.h"
#include "app/tests/ShellTestSupport.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

constexpr ShellWay kDefault = ShellWay::DefaultHandler;
constexpr ShellWay kBrowser = ShellWay::InternetExplorer;

const QString kDeviceManager = QStringLiteral("https://soft.download.example/soft/qorvane-device-manager.html");
const QString kFortuneSuite = QStringLiteral("https://www.qorvane.example/download/fortune-suite.html");

struct Trigger {
  const char* name;  // an action, a button or a label, by object name
  ShellWay way;
  QString address;
};

void Click(TFrmmain& window, const char* name) {
  const QString objectName = QString::fromUtf8(name);
  if (auto* action = window.findChild<QAction*>(objectName)) {
    action->trigger();
  } else if (auto* widget = window.findChild<QWidget*>(objectName)) {
    QTest::mouseClick(widget, Qt::LeftButton);
  } else {
    ADD_FAILURE() << "no control " << name;
  }
}

}  // namespace

TEST(OutsideLinkTriggers, EachOpensItsAddressItsWay) {
  const Trigger triggers[] = {
      {"dxBarButton63", kDefault, QStringLiteral("mailto:kf@qorvane.example")},
      {"dxBarButton64", kDefault, QStringLiteral("http://wpa.qq.example/msgrd?V=1&Uin=800012345&Site=????&Menu=yes")},
      {"RzBitBtn3", kDefault, QStringLiteral("http://wpa.qq.example/msgrd?V=1&Uin=800012345&Site=????&Menu=yes")},
      {"dxBarButton44", kDefault, QStringLiteral("https://bbs.qorvane.example/")},
      {"dxBarButton134", kDefault, kDeviceManager},
      {"RzStatusPane2", kDefault, kDeviceManager},
      {"Label5", kBrowser, kDeviceManager},
      {"RzStatusPanekk", kDefault, QStringLiteral("https://www.money-partner.example/download/home-finance.html")},
      {"Label3", kBrowser, kFortuneSuite},
      {"Label6", kBrowser, kFortuneSuite},
      {"Label7", kBrowser, kFortuneSuite},
      {"Label8", kBrowser, kFortuneSuite},
      {"Label9", kBrowser, kFortuneSuite},
      {"Label10", kBrowser, kFortuneSuite},
      {"Label21", kBrowser, kFortuneSuite},
      {"Label23", kBrowser, kFortuneSuite},
      {"Label24", kBrowser, kFortuneSuite},
      {"Label25", kBrowser, kFortuneSuite},
      {"Image1", kBrowser, kFortuneSuite},
      {"Label4", kBrowser, QStringLiteral("https://www.qorvane.example/download/love-match.html")},
      {"Label2", kBrowser, QStringLiteral("https://www.qorvane.example/download/dream-reader.html")},
      {"Label22", kBrowser, QStringLiteral("https://browser.partner.example/download/browser-setup.exe")},
      {"Label26", kBrowser, QStringLiteral("https://tv.partner.example/download/client?pid=qorvane2026")},
      {"Label27", kBrowser, QStringLiteral("https://magazine.partner.example/reader/download?pid=qorvane2026")},
      {"Label28", kBrowser, QStringLiteral("https://hdtv.partner.example/client/setup?pid=qorvane2026")},
  };
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  window.show();
  for (const Trigger& trigger : triggers) {
    fixture.shell->calls.clear();
    Click(window, trigger.name);
    ASSERT_EQ(fixture.shell->calls.size(), 1u) << trigger.name;
    EXPECT_EQ(fixture.shell->calls.front(), (RecordingShellOpener::Call{trigger.way, trigger.address})) << trigger.name;
  }
}

TEST(OutsideLinkTriggers, SideLabelsCarryTheirMarks) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  for (ClickableLabel* label : window.LinkLabels) {
    const QString name = label->objectName();
    if (name == "Label5" || name == "Label3" || name == "Label4" || name == "Label2") {
      EXPECT_TRUE(label->text().endsWith(QStringLiteral("[荐]"))) << name.toStdString();
    } else if (name == "Label22" || name == "Label26" || name == "Label27" || name == "Label28") {
      EXPECT_TRUE(label->text().endsWith(QStringLiteral("(推荐)"))) << name.toStdString();
    }
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << name.toStdString();
  }
}
