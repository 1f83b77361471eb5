#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/CommandTable.h"
#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/SvgPicture.h"
#include "content/ContentDb.h"
#include "content/tests/TestDatabase.h"
#include "signs/SignIqText.h"
#include "signs/SignReport.h"

using namespace qorvane;

namespace {

MainWindowServices ServicesIn(const std::filesystem::path& directory) {
  MainWindowServices services;
  services.contentDirectory = directory;
  services.bannerServer.clear();  // no banner downloads: the banners have tests of their own
  return services;
}

// The window with the shipped databases of the build.
MainWindowServices BuiltServices() { return ServicesIn(QORVANE_BINARY_DIR); }

ClickableLabel* SignLabel(TFrmmain& window, const QString& hint) {
  for (ClickableLabel* label : window.SignLabels) {
    if (label->hint() == hint) return label;
  }
  return nullptr;
}

void ClickSign(TFrmmain& window, const QString& hint) {
  ClickableLabel* label = SignLabel(window, hint);
  ASSERT_NE(label, nullptr) << hint.toStdString();
  QTest::mouseClick(label, Qt::LeftButton);
}

QAction* Action(TFrmmain& window, const char* name) {
  return window.findChild<QAction*>(QString::fromUtf8(name));
}

// A text as the result area shows it: CR LF and lone CR end lines like LF.
QString Lines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString Iq(const char* sign) { return QStringLiteral("    ") + QString::fromUtf8(SignIqText(sign).data()); }

// Records which handler each control reaches, instead of running it.
class RecordingMainWindow : public TFrmmain {
 public:
  RecordingMainWindow() : TFrmmain(BuiltServices()) {}
  QStringList calls;
#define RECORD(name) \
  void name() override { calls << QStringLiteral(#name); }
  RECORD(dxBarButton1Click) RECORD(dxBarButton2Click) RECORD(dxBarButton16Click) RECORD(dxBarButton61Click)
  RECORD(dxBarButton3Click) RECORD(dxBarButton5Click) RECORD(dxBarButton6Click) RECORD(dxBarButton14Click)
  RECORD(dxBarButton76Click) RECORD(dxBarButton75Click) RECORD(dxBarButton79Click) RECORD(dxBarButton78Click)
  RECORD(dxBarButton77Click) RECORD(dxBarButton110Click) RECORD(dxBarButton112Click) RECORD(dxBarButton27Click)
  RECORD(dxBarButton26Click) RECORD(dxBarButton28Click) RECORD(dxBarButton38Click) RECORD(dxBarButton55Click)
  RECORD(dxBarButton19Click) RECORD(dxBarButton22Click) RECORD(dxBarButton23Click) RECORD(dxBarButton82Click)
  RECORD(dxBarButton39Click) RECORD(dxBarButton43Click) RECORD(dxBarButton53Click) RECORD(dxBarButton63Click)
  RECORD(dxBarButton64Click) RECORD(dxBarButton134Click) RECORD(dxBarButton60Click) RECORD(dxBarButton44Click)
  RECORD(dxBarButton45Click) RECORD(dxBarButton47Click) RECORD(RzBitBtnprintClick) RECORD(Label2Click)
  RECORD(Label3Click) RECORD(Label4Click) RECORD(Label5Click) RECORD(Label22Click) RECORD(Label26Click)
  RECORD(Label27Click) RECORD(Label28Click) RECORD(RzStatusPanekkClick)
#undef RECORD
  void Label11Click(ClickableLabel* label) override { calls << QStringLiteral("Label11Click:") + label->hint(); }
};

// The captions of a menu, "----" for a separator, submenus as "name>" + their items.
QStringList Captions(QMenu* menu) {
  QStringList out;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      out << QStringLiteral("----");
    } else if (action->menu()) {
      out << action->text() + QStringLiteral(">") + Captions(action->menu()).join(QLatin1Char(','));
    } else {
      out << action->text();
    }
  }
  return out;
}

}  // namespace

TEST(MainWindow, HasTheSixMenusWithTheirItemsInOrder) {
  TFrmmain window(BuiltServices());
  QList<QAction*> top = window.menuBar()->actions();
  const QStringList expected[] = {
      {"新建测算", "打开记录...", "----", "保存测算", "另存测算", "----", "打印设置...", "打印结果", "----", "退出系统"},
      {"本年运程", "星座运程", "----", "情商解析", "星座实力", "星座名人", "身体保健", "五大建议", "星座缺陷", "星座缘分"},
      {"星座配对", "生肖配对", "血型配对"},
      {"周公解析", "解梦全书", "----", "手机号码分析", "QQ号码分析", "更多数字分析", "网名分析", "----", "生男生女", "万年历法"},
      {"客户服务", "给我们发邮件", "与QQ对话", "----", "其他产品>Qorvane设备管家"},
      {"公司主页", "关于系统", "----", "软件升级"},
  };
  const QStringList titles = {"系统(&S)", "星座(&Z)", "配对(&P)", "工具(&Q)", "服务(&F)", "帮助(&H)"};
  ASSERT_EQ(top.size(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(top[i]->text(), titles[i]);
    EXPECT_EQ(Captions(top[i]->menu()), expected[i]) << titles[i].toStdString();
  }
}

TEST(MainWindow, HintsAreCaptionsWithoutTrailingDots) {
  TFrmmain window(BuiltServices());
  const std::pair<const char*, const char*> cases[] = {
      {"dxBarButton1", "打开记录"}, {"dxBarButton61", "打印设置"}, {"dxBarButton82", "网名与性格"},
      {"dxBarButton5", "退出系统"}, {"dxBarButton134", "Qorvane设备管家"}, {"dxBarButtonNew", "新建测算"}};
  for (const auto& [name, hint] : cases) {
    QAction* action = Action(window, name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->toolTip(), QString::fromUtf8(hint)) << name;
  }
}

TEST(MainWindow, MenuIconsAreThereWhenTheirMenuOpens) {
  TFrmmain window(BuiltServices());
  for (QAction* top : window.menuBar()->actions()) emit top->menu()->aboutToShow();
  for (const MenuCommand& command : MainMenuCommands()) {
    if (!command.caption) continue;
    QAction* action = Action(window, command.objectName);
    if (command.submenu) emit qobject_cast<QMenu*>(action->parent())->aboutToShow();
    EXPECT_EQ(action->icon().isNull(), command.icon == nullptr) << command.objectName;
    if (command.icon) EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << command.objectName;
  }
}

TEST(MainWindow, EveryControlReachesItsHandler) {
  RecordingMainWindow window;
  for (const MenuCommand& command : MainMenuCommands()) {
    if (!command.caption) continue;
    QAction* action = Action(window, command.objectName);
    ASSERT_NE(action, nullptr) << command.objectName;
    window.calls.clear();
    action->trigger();
    QString name = QString::fromUtf8(command.objectName);
    if (command.handler) {
      EXPECT_EQ(window.calls, QStringList{name + QStringLiteral("Click")}) << command.objectName;
    } else {
      EXPECT_TRUE(window.calls.isEmpty()) << command.objectName;
    }
  }

  const std::pair<QWidget*, const char*> clicks[] = {
      {window.RzBitBtnprint, "RzBitBtnprintClick"}, {window.BitBtnsave, "dxBarButton2Click"},
      {window.RzBitBtn3, "dxBarButton64Click"},     {window.RzBitBtn5, "dxBarButton53Click"},
      {window.RzBitBtn1, "dxBarButton53Click"},     {window.RzBitBtn4, "dxBarButton5Click"},
      {window.RzStatusPane2, "dxBarButton134Click"}, {window.RzStatusPanekk, "RzStatusPanekkClick"},
      {window.Image1, "Label3Click"},
  };
  window.show();
  for (const auto& [widget, handler] : clicks) {
    window.calls.clear();
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(window.calls, QStringList{QString::fromUtf8(handler)}) << widget->objectName().toStdString();
  }

  const std::pair<const char*, const char*> links[] = {
      {"Label5", "Label5Click"},   {"Label3", "Label3Click"},   {"Label4", "Label4Click"},
      {"Label2", "Label2Click"},   {"Label6", "Label3Click"},   {"Label7", "Label3Click"},
      {"Label8", "Label3Click"},   {"Label9", "Label3Click"},   {"Label10", "Label3Click"},
      {"Label21", "Label3Click"},  {"Label23", "Label3Click"},  {"Label24", "Label3Click"},
      {"Label25", "Label3Click"},  {"Label22", "Label22Click"}, {"Label26", "Label26Click"},
      {"Label27", "Label27Click"}, {"Label28", "Label28Click"},
  };
  ASSERT_EQ(window.LinkLabels.size(), std::size(links));
  for (size_t i = 0; i < std::size(links); ++i) {
    ClickableLabel* label = window.LinkLabels[i];
    EXPECT_EQ(label->objectName(), QString::fromUtf8(links[i].first));
    window.calls.clear();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(window.calls, QStringList{QString::fromUtf8(links[i].second)}) << links[i].first;
  }

  window.calls.clear();
  for (ClickableLabel* label : window.SignLabels) QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(window.calls.size(), 12);
  EXPECT_EQ(window.calls.front(), QStringLiteral("Label11Click:白羊座"));
  EXPECT_EQ(window.calls.back(), QStringLiteral("Label11Click:双鱼座"));
}

TEST(MainWindow, SignLabelsSitAtTheirPlacesWithHintsButNoTooltips) {
  TFrmmain window(BuiltServices());
  struct Place {
    const char* name;
    const char* hint;
    int x, y;
  } places[] = {{"Label11", "白羊座", 0, 2},   {"Label12", "金牛座", 55, 2},  {"Label13", "双子座", 103, 6},
                {"Label14", "巨蟹座", 155, 3}, {"Label15", "狮子座", 210, 3}, {"Label16", "处女座", 259, 2},
                {"Label17", "天秤座", 312, 2}, {"Label18", "天蝎座", 363, 0}, {"Label19", "射手座", 417, 3},
                {"Label20", "摩羯座", 467, 2}, {"Label29", "水瓶座", 519, 3}, {"Label30", "双鱼座", 567, 3}};
  ASSERT_EQ(window.SignLabels.size(), 12u);
  for (size_t i = 0; i < 12; ++i) {
    ClickableLabel* label = window.SignLabels[i];
    EXPECT_EQ(label->objectName(), QString::fromUtf8(places[i].name));
    EXPECT_EQ(label->hint(), QString::fromUtf8(places[i].hint));
    EXPECT_EQ(label->geometry(), QRect(places[i].x, places[i].y, 49, 57)) << places[i].name;
    EXPECT_TRUE(label->toolTip().isEmpty());
    EXPECT_TRUE(label->text().isEmpty());
  }
}

TEST(MainWindow, StartsWithThePictureAndTheTitle) {
  TFrmmain window(BuiltServices());
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Qorvane"));
  EXPECT_TRUE(window.Image15->isVisible());
  EXPECT_FALSE(window.RzMemo1->isVisible());
  EXPECT_TRUE(window.RzMemo1->isReadOnly());
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.SignName().isEmpty());
  EXPECT_EQ(window.ADOQname.toStdString(), ContentConnectionString(QORVANE_BINARY_DIR));
  EXPECT_EQ(window.ADOteam, window.ADOQname);
}

TEST(MainWindow, ARightClickInTheResultAreaShowsNoMenu) {
  TFrmmain window(BuiltServices());
  window.show();
  ClickSign(window, QStringLiteral("白羊座"));
  QWidget* viewport = window.RzMemo1->viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), viewport->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(viewport, &event);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(SignCommands, ASignClickWritesTheFullReportOnce) {
  TFrmmain window(BuiltServices());
  window.show();
  ClickSign(window, QStringLiteral("白羊座"));
  ClickSign(window, QStringLiteral("白羊座"));  // the same report again, not appended
  // The 22 entries of the report; a stored text with line breaks shows as several lines.
  QStringList entries;
  WriteFullReport(
      "白羊座",
      [](std::string_view sign, SectionCode code) {
        return QuerySection(ContentConnectionString(QORVANE_BINARY_DIR), sign, code);
      },
      [&](std::string_view line) { entries << QString::fromUtf8(line.data(), qsizetype(line.size())); });
  ASSERT_EQ(entries.size(), 22);
  EXPECT_EQ(entries[0], QStringLiteral("您的星座为白羊座,经系统分析如下:"));
  EXPECT_EQ(entries[3], Iq("白羊座"));
  EXPECT_EQ(window.RzMemo1->toPlainText(), Lines(entries.join(QLatin1Char('\n'))));
  QStringList lines = window.RzMemo1->lines();
  EXPECT_EQ(lines.mid(0, 6), (QStringList{QStringLiteral("您的星座为白羊座,经系统分析如下:"), QString(),
                                          QStringLiteral("星座运程:"), Iq("白羊座"), QString(),
                                          QStringLiteral("情商分析:")}));
  EXPECT_EQ(lines.size(), Lines(entries.join(QLatin1Char('\n'))).count(QLatin1Char('\n')) + 1);
  EXPECT_EQ(window.SignName(), QStringLiteral("白羊座"));
  EXPECT_TRUE(window.RzMemo1->isVisible());
  EXPECT_FALSE(window.Image15->isVisible());
}

TEST(SignCommands, WithoutTheDatabaseTheReportStopsAtTheFirstSection) {
  qorvane::testing::TempDir empty;
  TFrmmain window(ServicesIn(empty.path()));
  window.show();
  ClickSign(window, QStringLiteral("摩羯座"));
  EXPECT_EQ(window.RzMemo1->lines(),
            (QStringList{QStringLiteral("您的星座为摩羯座,经系统分析如下:"), QString(), QStringLiteral("星座运程:"),
                         Iq("巨蟹座"), QString(), QStringLiteral("情商分析:")}));
  // A single-section command fails after its first two lines.
  Action(window, "dxBarButton78")->trigger();
  EXPECT_EQ(window.RzMemo1->lines(), (QStringList{QStringLiteral("您的星座为摩羯座..."), QString()}));
}

TEST(SignCommands, SingleSectionsAndTheIntelligenceReading) {
  TFrmmain window(BuiltServices());
  window.show();
  ClickSign(window, QStringLiteral("天蝎座"));
  const std::pair<const char*, int> sections[] = {{"dxBarButton76", 0}, {"dxBarButton75", 1},
                                                  {"dxBarButton79", 2}, {"dxBarButton78", 3},
                                                  {"dxBarButton77", 4}, {"dxBarButton110", 6}};
  for (const auto& [name, code] : sections) {
    Action(window, name)->trigger();
    QStringList lines = window.RzMemo1->lines();
    ASSERT_GE(lines.size(), 3) << name;
    EXPECT_EQ(lines[0], QStringLiteral("您的星座为天蝎座...")) << name;
    EXPECT_EQ(lines[1], QString()) << name;
    EXPECT_EQ(lines.mid(2).join(QLatin1Char('\n')),
              Lines(QString::fromStdString(QuerySection(ContentConnectionString(QORVANE_BINARY_DIR), "天蝎座", code))))
        << name;
  }
  Action(window, "dxBarButton14")->trigger();
  EXPECT_EQ(window.RzMemo1->lines(),
            (QStringList{QStringLiteral("您的星座为天蝎座,经系统分析如下:"), QString(), Iq("天蝎座")}));
}

TEST(SignCommands, BeforeAnySignOnlyTheTopOfTheAreaMoves) {
  TFrmmain window(BuiltServices());
  window.show();
  for (const char* name : {"dxBarButton14", "dxBarButton75", "dxBarButton79", "dxBarButton77", "dxBarButton110",
                           "dxBarButton76", "dxBarButton78", "dxBarButton6", "dxBarButtonNew", "dxBarButton112",
                           "dxBarButton27", "dxBarButton26", "dxBarButton28", "dxBarButton38", "dxBarButton55"}) {
    Action(window, name)->trigger();
    EXPECT_TRUE(window.RzMemo1->lines().isEmpty()) << name;
    EXPECT_TRUE(window.Image15->isVisible()) << name;
  }
}

TEST(SignCommands, ShowReportTopKeepsTheTextAndScrollsBack) {
  TFrmmain window(BuiltServices());
  window.show();
  ClickSign(window, QStringLiteral("双子座"));
  const QString before = window.RzMemo1->toPlainText();
  window.RzMemo1->moveCursor(QTextCursor::End);
  Action(window, "dxBarButton6")->trigger();
  EXPECT_EQ(window.RzMemo1->toPlainText(), before);
  EXPECT_EQ(window.RzMemo1->textCursor().blockNumber(), 1);
}
