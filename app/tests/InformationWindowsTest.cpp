// The about, customer-service and chart windows, and the upgrade answer.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/BoyGirlChartView.h"
#include "app/TAbout.h"
#include "app/TFrm_NanNv.h"
#include "app/TFrm_servers.h"
#include "app/TFrmmain.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/ModalWindow.h"
#include "app/platform/ShowInfo.h"
#include "app/platform/SvgPicture.h"
#include "app/tests/ShellTestSupport.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

// Opens a window twice through `open` and checks that the second is a new
// one and the first is gone.
template <class Dialog>
void OpensFreshEachTime(const std::function<void()>& open) {
  QPointer<Dialog> first;
  AnswerNextModal([&](QWidget* modal) {
    first = qobject_cast<Dialog*>(modal);
    modal->close();
  });
  open();
  ASSERT_FALSE(first.isNull()) << "the window did not open";
  EXPECT_EQ(ModalInstance<Dialog>().data(), first.data());
  EXPECT_TRUE(first->isHidden());  // closed, only hidden, until the next opening

  QPointer<Dialog> second;
  AnswerNextModal([&](QWidget* modal) {
    second = qobject_cast<Dialog*>(modal);
    modal->close();
  });
  open();
  ASSERT_FALSE(second.isNull());
  EXPECT_TRUE(first.isNull()) << "the earlier window is still alive";
  EXPECT_EQ(ModalInstance<Dialog>().data(), second.data());
}

QAction* Action(TFrmmain& window, const char* name) {
  return window.findChild<QAction*>(QString::fromUtf8(name));
}

}  // namespace

TEST(InformationWindows, EachOpensFreshEachTime) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  OpensFreshEachTime<TAbout>([&] { Action(window, "dxBarButton45")->trigger(); });
  OpensFreshEachTime<TFrm_servers>([&] { Action(window, "dxBarButton53")->trigger(); });
  OpensFreshEachTime<TFrm_NanNv>([&] { Action(window, "dxBarButton39")->trigger(); });
  EXPECT_TRUE(fixture.shell->calls.empty());
}

TEST(InformationWindows, TheHomeButtonAndTheServiceButtonOpenCustomerService) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  OpensFreshEachTime<TFrm_servers>([&] { window.RzBitBtn1->click(); });
  OpensFreshEachTime<TFrm_servers>([&] { window.RzBitBtn5->click(); });
  EXPECT_TRUE(fixture.shell->calls.empty());  // "主页" is no web page
}

TEST(InformationWindows, AboutShowsTheMakerAndItsMailLinkOpensMail) {
  RecordingShellOpener shell;
  TAbout about(shell);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("关于系统"));
  EXPECT_EQ(about.size(), QSize(321, 149));
  EXPECT_EQ(about.Image1->geometry(), QRect(0, 0, 153, 149));
  EXPECT_TRUE(about.Image1->isValid());
  EXPECT_EQ(about.RzLabel2->text(), QStringLiteral("Qorvane"));
  EXPECT_TRUE(about.RzLabel4->text().startsWith(QStringLiteral("联系人：")));
  EXPECT_EQ(about.RzLabel3->text(), QStringLiteral("QQ：800012345"));
  EXPECT_TRUE(about.RzLabel6->text().startsWith(QStringLiteral("TEL：")));
  EXPECT_EQ(about.RzURLLabel1->text(), QStringLiteral("邮件：kf@qorvane.example"));
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
  about.show();
  QTest::mouseClick(about.RzURLLabel1, Qt::LeftButton);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls.front(),
            (RecordingShellOpener::Call{ShellWay::DefaultHandler, QStringLiteral("mailto:kf@qorvane.example")}));
}

TEST(InformationWindows, CustomerServiceHasItsFourRows) {
  TFrm_servers servers;
  EXPECT_EQ(servers.windowTitle(), QStringLiteral("客户服务"));
  EXPECT_EQ(servers.size(), QSize(420, 273));
  EXPECT_EQ(servers.Label1->text(), QStringLiteral("市场合作:"));
  EXPECT_EQ(servers.Label5->text(), QStringLiteral("服务电话：020-5550-0123"));
  EXPECT_EQ(servers.Label4->text(), QStringLiteral("QQ在线支持：800012345"));
  EXPECT_EQ(servers.Label7->text(), QStringLiteral("技术支持邮箱：kf@qorvane.example"));
  EXPECT_EQ(servers.Label3->text(), QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。"));
  EXPECT_EQ(servers.Label6->text(),
            QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，稍后可以再来查看。"));
  EXPECT_EQ(servers.Label8->text(),
            QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，我们会尽快给您答复。"));
  for (QLabel* text : {servers.Label2, servers.Label3, servers.Label6, servers.Label8}) {
    EXPECT_TRUE(text->wordWrap());
    EXPECT_EQ(text->width(), 324);
  }
  // Rows stand 65 pixels apart, each with a drawn icon.
  EXPECT_EQ(servers.Label5->y() - servers.Label1->y(), 65);
  EXPECT_EQ(servers.Label7->y() - servers.Label4->y(), 65);
  for (SvgPicture* icon : {servers.Image1, servers.Image2, servers.Image3, servers.Image4}) {
    EXPECT_TRUE(icon->isValid());
  }
}

TEST(InformationWindows, TheChartWindowHasItsTabsAndNote) {
  TFrm_NanNv chart;
  EXPECT_EQ(chart.windowTitle(), QStringLiteral("生男生女"));
  ASSERT_EQ(chart.RzPageControl1->count(), 3);
  EXPECT_EQ(chart.RzPageControl1->tabText(0), QStringLiteral("18到31岁"));
  EXPECT_EQ(chart.RzPageControl1->tabText(1), QStringLiteral("32到44岁"));
  EXPECT_EQ(chart.RzPageControl1->tabText(2), QStringLiteral("生男生女有秘诀"));
  EXPECT_EQ(chart.RzPageControl1->currentIndex(), 0);
  EXPECT_EQ(chart.RzPageControl1->size(), QSize(582, 393));
  EXPECT_EQ(std::pair(chart.Image1->firstAge(), chart.Image1->lastAge()), std::pair(18, 31));
  EXPECT_EQ(std::pair(chart.Image2->firstAge(), chart.Image2->lastAge()), std::pair(32, 44));
  EXPECT_EQ(chart.Image2->title(), QStringLiteral("续表"));
  EXPECT_TRUE(chart.Image3->isValid());
  EXPECT_EQ(chart.RzLabel1->text(),
            QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
                           "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。"));
  EXPECT_TRUE(chart.RzLabel1->wordWrap());
  EXPECT_EQ(chart.RzLabel1->width(), 552);
}

TEST(InformationWindows, UpgradeOnlyThanksTheUser) {
  ShellFixture fixture;
  TFrmmain window(fixture.services());
  QStringList messages;
  SetShowInfoSinkForTesting([&](const QString& text) { messages << text; });
  Action(window, "dxBarButton47")->trigger();
  SetShowInfoSinkForTesting({});
  EXPECT_EQ(messages, QStringList{QStringLiteral("感谢你的使用,软件是最新版无需升级!")});
  EXPECT_TRUE(fixture.shell->calls.empty());
}
