#include "app/TFrmmain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/CommandTable.h"
#include "app/ExitConfirmation.h"
#include "app/OutsideLinks.h"
#include "app/ReportPrinting.h"
#include "app/ResultFileCommands.h"
#include "app/TAbout.h"
#include "app/TFrm_NanNv.h"
#include "app/TFrm_servers.h"
#include "app/ResultMemo.h"
#include "app/platform/BrowserPane.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/CommandGuard.h"
#include "app/platform/Fonts.h"
#include "app/platform/GradientPanel.h"
#include "app/platform/ModalWindow.h"
#include "app/platform/ShowInfo.h"
#include "app/platform/SvgPicture.h"
#include "calendar/ui/TFRM_Date.h"
#include "content/ContentDb.h"
#include "netname/ui/TFrmWangming.h"
#include "numbers/ui/TFrmQQhm.h"
#include "numbers/ui/TFrm_SJcs.h"
#include "numbers/ui/TFrm_onther.h"
#include "signs/SignReport.h"

namespace qorvane {

namespace {

struct SignLabelPlace {
  const char* name;
  const char* hint;
  int x;
  int y;
};

// The twelve sign labels over the sign strip, left to right.
constexpr SignLabelPlace kSignLabels[] = {
    {"Label11", "白羊座", 0, 2},   {"Label12", "金牛座", 55, 2},  {"Label13", "双子座", 103, 6},
    {"Label14", "巨蟹座", 155, 3}, {"Label15", "狮子座", 210, 3}, {"Label16", "处女座", 259, 2},
    {"Label17", "天秤座", 312, 2}, {"Label18", "天蝎座", 363, 0}, {"Label19", "射手座", 417, 3},
    {"Label20", "摩羯座", 467, 2}, {"Label29", "水瓶座", 519, 3}, {"Label30", "双鱼座", 567, 3},
};

enum class LinkStyle { Recommended, Family, Partner };

struct LinkLabelEntry {
  const char* name;
  const char* caption;
  LinkStyle style;
  void (TFrmmain::*handler)();
};

// The link column, top to bottom: the maker's own programs, the titles of its
// fortune-telling family, and partners' downloads.
const LinkLabelEntry kLinkLabels[] = {
    {"Label5", "Qorvane设备管家[荐]", LinkStyle::Recommended, &TFrmmain::Label5Click},
    {"Label3", "Qorvane算命大全[荐]", LinkStyle::Recommended, &TFrmmain::Label3Click},
    {"Label4", "Qorvane爱情配对[荐]", LinkStyle::Recommended, &TFrmmain::Label4Click},
    {"Label2", "Qorvane周公解梦[荐]", LinkStyle::Recommended, &TFrmmain::Label2Click},
    {"Label6", "QQ号码测吉凶", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label7", "手机号码测吉凶", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label8", "姓名测试打分", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label9", "测字算命", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label10", "每日运气测算", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label21", "十二星座运程", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label23", "家居风水罗盘", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label24", "手相分析", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label25", "面相分析", LinkStyle::Family, &TFrmmain::Label3Click},
    {"Label22", "网页浏览器(推荐)", LinkStyle::Partner, &TFrmmain::Label22Click},
    {"Label26", "网络电视(推荐)", LinkStyle::Partner, &TFrmmain::Label26Click},
    {"Label27", "电子杂志阅读器(推荐)", LinkStyle::Partner, &TFrmmain::Label27Click},
    {"Label28", "高清网络电视(推荐)", LinkStyle::Partner, &TFrmmain::Label28Click},
};

struct StripButton {
  const char* name;
  const char* caption;
  int x;
  int width;
  const char* glyph;
};

constexpr StripButton kStripButtons[] = {
    {"RzBitBtnprint", "打印", 182, 68, ":/glyphs/print.svg"},
    {"BitBtnsave", "保存", 252, 68, ":/glyphs/save.svg"},
    {"RzBitBtn3", "QQ服务", 322, 68, ":/glyphs/qq.svg"},
    {"RzBitBtn5", "客户服务", 392, 80, ":/glyphs/service.svg"},
    {"RzBitBtn1", "主页", 475, 68, ":/glyphs/home.svg"},
    {"RzBitBtn4", "退出", 545, 68, ":/glyphs/exit.svg"},
};

// The hint of a menu item: its caption without the trailing dots.
QString DefaultHint(const char* caption) {
  QString hint = QString::fromUtf8(caption);
  while (hint.endsWith(QLatin1Char('.'))) hint.chop(1);
  return hint;
}

QColor LinkColour(LinkStyle style) {
  switch (style) {
    case LinkStyle::Recommended:
      return Qt::red;
    case LinkStyle::Family:
      return QColor(0, 0, 128);  // navy
    case LinkStyle::Partner:
      return QColor(0, 128, 0);  // green
  }
  return Qt::black;
}

QLabel* StatusPane(const QString& text, int width, QColor colour) {
  auto* pane = new QLabel(text);
  pane->setFixedWidth(width);
  pane->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
  return pane;
}

}  // namespace

TFrmmain::TFrmmain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("Frmmain"));
  setWindowTitle(QStringLiteral("Qorvane"));
  setWindowIcon(QIcon(QStringLiteral(":/qorvane.svg")));
  // System menu and minimise box, no maximise box; the frame stays sizeable.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(SongFont(12));

  BuildMenu();

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  BuildBannerStrip(central);
  column->addWidget(RzPanel1);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  BuildLinkColumn(central);
  body->addWidget(ScrollBox1);
  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  BuildSignStrip(central);
  BuildResultRegion(central);
  BuildButtonStrip(central);
  right->addWidget(RzPanel6);
  right->addWidget(RzPanel4, 1);
  right->addWidget(RzPanel5);
  body->addLayout(right, 1);
  column->addLayout(body, 1);
  setCentralWidget(central);

  BuildStatusBar();
  printing_ = std::make_unique<ReportPrinting>(services_.printerTarget);

  // Client area 792 × 566, centred on the screen.
  resize(792, 566);
  if (QScreen* screen = this->screen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }

  FormCreate();
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::BuildMenu() {
  dxBarManager1 = menuBar();
  dxBarManager1->setObjectName(QStringLiteral("dxBarManager1"));
  dxBarManager1->setFixedHeight(22);
  // An office-like bar: a soft blue band, a warm highlight under the mouse.
  dxBarManager1->setStyleSheet(QStringLiteral(
      "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #F6FAFF, stop:1 #C9DDF6);"
      " border-bottom: 1px solid #9EBBE0; }"
      "QMenuBar::item { background: transparent; padding: 2px 6px; }"
      "QMenuBar::item:selected, QMenuBar::item:pressed { background: #FFE8A6; border: 1px solid #C9A85C; }"));
  QMap<QString, QMenu*> menus;
  for (const char* title : MainMenuTitles()) {
    menus[QString::fromUtf8(title)] = dxBarManager1->addMenu(QString::fromUtf8(title));
  }
  QMap<QString, QMenu*> submenus;
  for (const MenuCommand& command : MainMenuCommands()) {
    QMenu* menu = menus.value(QString::fromUtf8(command.menu));
    if (command.submenu) {
      const QString key = QString::fromUtf8(command.submenu);
      if (!submenus.contains(key)) submenus[key] = menu->addMenu(key);
      menu = submenus[key];
    }
    if (!command.caption) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QString::fromUtf8(command.caption));
    action->setObjectName(QString::fromUtf8(command.objectName));
    action->setToolTip(command.hint ? QString::fromUtf8(command.hint) : DefaultHint(command.caption));
    if (command.icon) {
      // An icon is first drawn when its menu opens; loading it then keeps the
      // parsing of twenty SVG files out of the program's start-up.
      const QString icon = QString::fromUtf8(command.icon);
      connect(menu, &QMenu::aboutToShow, action, [action, icon] { action->setIcon(QIcon(icon)); },
              Qt::SingleShotConnection);
    }
    if (command.handler) {
      auto handler = command.handler;
      connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
  }
}

void TFrmmain::BuildBannerStrip(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setFixedHeight(84);
  RzPanel1 = frame;
  RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
  Image1 = new SvgPicture(QStringLiteral(":/banner.svg"), RzPanel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setCursor(Qt::PointingHandCursor);
  auto* layout = new QGridLayout(RzPanel1);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(Image1, 0, 0);
  connect(Image1, &SvgPicture::clicked, this, [this] { Label3Click(); });
}

void TFrmmain::BuildLinkColumn(QWidget* parent) {
  ScrollBox1 = new QScrollArea(parent);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setFixedWidth(176);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RzPanel2 = new GradientPanel(QColor(0xFF, 0xFF, 0xFF), QColor(0xDD, 0xEE, 0xFB));
  RzPanel2->setObjectName(QStringLiteral("RzPanel2"));
  RzPanel2->setFixedSize(176, 440);
  auto* background = new SvgPicture(QStringLiteral(":/link-column.svg"), RzPanel2);
  background->setGeometry(0, 0, 176, 440);
  int y = 12;
  for (const LinkLabelEntry& entry : kLinkLabels) {
    auto* label = new ClickableLabel(QString::fromUtf8(entry.caption), RzPanel2);
    label->setObjectName(QString::fromUtf8(entry.name));
    QFont font = SongFont(12);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(LinkColour(entry.style).name()));
    label->setGeometry(12, y, 160, 16);
    auto handler = entry.handler;
    connect(label, &ClickableLabel::clicked, this, [this, handler] { (this->*handler)(); });
    LinkLabels.push_back(label);
    // The three groups stand apart a little more than the lines inside them.
    y += (entry.name == std::string_view("Label2") || entry.name == std::string_view("Label25")) ? 30 : 23;
  }
  ScrollBox1->setWidget(RzPanel2);
}

void TFrmmain::BuildSignStrip(QWidget* parent) {
  RzPanel6 = new GradientPanel(Qt::white, QColor(0xFF, 0xFB, 0xF0), parent);  // white to cream
  RzPanel6->setObjectName(QStringLiteral("RzPanel6"));
  RzPanel6->setFixedHeight(63);
  Image3 = new SvgPicture(QStringLiteral(":/signs-strip.svg"), RzPanel6);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->setGeometry(2, 2, 612, 59);
  for (const SignLabelPlace& place : kSignLabels) {
    auto* label = new ClickableLabel(QString(), Image3);
    label->setObjectName(QString::fromUtf8(place.name));
    label->setHint(QString::fromUtf8(place.hint));
    label->setGeometry(place.x, place.y, 49, 57);
    label->setAttribute(Qt::WA_TranslucentBackground);
    connect(label, &ClickableLabel::clicked, this, [this, label] { Label11Click(label); });
    SignLabels.push_back(label);
  }
}

void TFrmmain::BuildResultRegion(QWidget* parent) {
  RzPanel4 = new GradientPanel(QColor(0xCD, 0xEC, 0xFB), QColor(0xCD, 0xE7, 0xFE), parent);
  RzPanel4->setObjectName(QStringLiteral("RzPanel4"));
  RzPanel4->setMinimumSize(616, 349);
  auto* layout = new QGridLayout(RzPanel4);
  layout->setContentsMargins(0, 0, 0, 0);

  Image15 = new SvgPicture(QStringLiteral(":/start.svg"), RzPanel4);
  Image15->setObjectName(QStringLiteral("Image15"));
  layout->addWidget(Image15, 0, 0);

  RzMemo1 = new ResultMemo(RzPanel4);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setReadOnly(true);
  RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setFrameShape(QFrame::NoFrame);
  RzMemo1->setFont(SongFont(12));
  RzMemo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #F6FFEE; }"));
  // The form attaches an empty popup menu: a right click shows nothing at all.
  RzMemo1->setContextMenuPolicy(Qt::PreventContextMenu);
  RzMemo1->hide();
  layout->addWidget(RzMemo1, 0, 0);

  Memo1 = new QPlainTextEdit(RzPanel4);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->hide();
}

void TFrmmain::BuildButtonStrip(QWidget* parent) {
  RzPanel5 = new GradientPanel(QColor(0xCD, 0xEC, 0xFB), QColor(0xCD, 0xE7, 0xFE), parent);
  RzPanel5->setObjectName(QStringLiteral("RzPanel5"));
  RzPanel5->setFixedHeight(28);
  Image17 = new SvgPicture(QStringLiteral(":/button-strip.svg"), RzPanel5);
  Image17->setObjectName(QStringLiteral("Image17"));
  Image17->setGeometry(0, 0, 616, 28);
  QPushButton** targets[] = {&RzBitBtnprint, &BitBtnsave, &RzBitBtn3, &RzBitBtn5, &RzBitBtn1, &RzBitBtn4};
  int index = 0;
  for (const StripButton& spec : kStripButtons) {
    auto* button = new QPushButton(QIcon(QString::fromUtf8(spec.glyph)), QString::fromUtf8(spec.caption), RzPanel5);
    button->setObjectName(QString::fromUtf8(spec.name));
    button->setGeometry(spec.x, 3, spec.width, 21);
    button->setCursor(Qt::PointingHandCursor);
    // Green frames, and a lighter face under the mouse (hot tracking).
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #2E8B57; border-radius: 2px; background: #F4FFF4; padding: 0 4px; }"
        "QPushButton:hover { background: #D8F5D8; }"
        "QPushButton:pressed { background: #B8E8B8; }"));
    *targets[index++] = button;
  }
  connect(RzBitBtnprint, &QPushButton::clicked, this, [this] { RzBitBtnprintClick(); });
  connect(BitBtnsave, &QPushButton::clicked, this, [this] { dxBarButton2Click(); });
  connect(RzBitBtn3, &QPushButton::clicked, this, [this] { dxBarButton64Click(); });
  connect(RzBitBtn5, &QPushButton::clicked, this, [this] { dxBarButton53Click(); });
  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { dxBarButton53Click(); });
  connect(RzBitBtn4, &QPushButton::clicked, this, [this] { dxBarButton5Click(); });
}

void TFrmmain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("RzStatusBar1"));
  bar->setFixedHeight(20);
  RzStatusPane1 = StatusPane(QStringLiteral("欢迎使用 Qorvane 星座运程，愿星光照亮您的每一天！"), 463, QColor(0, 0, 128));
  RzFieldStatus1 = StatusPane(QStringLiteral("其他产品:"), 64, QColor(0, 128, 0));
  RzStatusPane2 = new ClickableLabel(QStringLiteral("Qorvane设备管家"));
  RzStatusPane2->setFixedWidth(96);
  RzStatusPane2->setStyleSheet(QStringLiteral("color: red;"));
  RzStatusPanekk = new ClickableLabel(QStringLiteral("家庭理财助手 免费下载"));
  RzStatusPanekk->setFixedWidth(152);
  RzStatusPanekk->setStyleSheet(QStringLiteral("color: red;"));
  RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
  RzFieldStatus1->setObjectName(QStringLiteral("RzFieldStatus1"));
  RzStatusPane2->setObjectName(QStringLiteral("RzStatusPane2"));
  RzStatusPanekk->setObjectName(QStringLiteral("RzStatusPanekk"));
  for (QLabel* pane : {RzStatusPane1, RzFieldStatus1, static_cast<QLabel*>(RzStatusPane2),
                       static_cast<QLabel*>(RzStatusPanekk)}) {
    bar->addWidget(pane);
  }
  connect(RzStatusPane2, &ClickableLabel::clicked, this, [this] { dxBarButton134Click(); });
  connect(RzStatusPanekk, &ClickableLabel::clicked, this, [this] { RzStatusPanekkClick(); });
}

void TFrmmain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormShow();
}

void TFrmmain::FormShow() {
  ADOQname = QString::fromStdString(ContentConnectionString(services_.contentDirectory));
  ADOteam = ADOQname;
}

// ---- the sign report ----

void TFrmmain::AddLine(std::string_view line) {
  RzMemo1->addLine(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void TFrmmain::ShowReportTop() { RzMemo1->showTop(); }

namespace {
SectionSource SectionsIn(const std::filesystem::path& directory) {
  return [directory](std::string_view sign, SectionCode code) {
    return QuerySection(ContentConnectionString(directory), sign, code);
  };
}
}  // namespace

void TFrmmain::Label11Click(ClickableLabel* signLabel) {
  RunCommand([&] {
    SignName_ = signLabel->hint();
    RzMemo1->clearLines();
    RzMemo1->show();
    Image15->hide();
    if (!SignName_.isEmpty()) {
      RzMemo1->clearLines();
      WriteFullReport(SignName_.toStdString(), SectionsIn(services_.contentDirectory),
                      [this](std::string_view line) { AddLine(line); });
    }
    ShowReportTop();
  });
}

void TFrmmain::dxBarButton14Click() {
  RunCommand([&] {
    if (SignName_.isEmpty()) return;
    RzMemo1->clearLines();
    WriteIqReport(SignName_.toStdString(), [this](std::string_view line) { AddLine(line); });
  });
}

void TFrmmain::SingleSectionReport(int code, bool showTopAfterwards) {
  RunCommand([&] {
    if (!SignName_.isEmpty()) {
      RzMemo1->clearLines();
      WriteSectionReport(SignName_.toStdString(), code, SectionsIn(services_.contentDirectory),
                         [this](std::string_view line) { AddLine(line); });
    }
    if (showTopAfterwards) ShowReportTop();
  });
}

void TFrmmain::dxBarButton6Click() {
  RunCommand([&] { ShowReportTop(); });
}
void TFrmmain::dxBarButton76Click() { SingleSectionReport(0, true); }
void TFrmmain::dxBarButton75Click() { SingleSectionReport(1, false); }
void TFrmmain::dxBarButton79Click() { SingleSectionReport(2, false); }
void TFrmmain::dxBarButton78Click() { SingleSectionReport(3, true); }
void TFrmmain::dxBarButton77Click() { SingleSectionReport(4, false); }
void TFrmmain::dxBarButton110Click() { SingleSectionReport(6, false); }

// ---- items that do nothing ----

void TFrmmain::dxBarButton112Click() {}
void TFrmmain::dxBarButton27Click() {}
void TFrmmain::dxBarButton26Click() {}
void TFrmmain::dxBarButton28Click() {}
void TFrmmain::dxBarButton38Click() {}
void TFrmmain::dxBarButton55Click() {}

// ---- result text operations ----

void TFrmmain::dxBarButton1Click() {
  RunCommand([this] { OpenResult(*RzMemo1, this); });
}
void TFrmmain::dxBarButton2Click() {
  RunCommand([this] { SaveResult(*RzMemo1, SaveDialog1FileName_, this); });
}
void TFrmmain::dxBarButton16Click() { dxBarButton2Click(); }
void TFrmmain::dxBarButton61Click() {
  RunCommand([this] { printing_->PageSetup(RzMemo1->lines(), RzMemo1->font(), this); });
}
void TFrmmain::dxBarButton3Click() {
  RunCommand([this] { printing_->Print(RzMemo1->lines(), RzMemo1->font()); });
}
void TFrmmain::RzBitBtnprintClick() { dxBarButton3Click(); }

// ---- exit ----

void TFrmmain::dxBarButton5Click() {
  RunCommand([this] {
    if (ConfirmExit(*services_.homePageStore, this)) QuitAndOpenMakerHomePage();
  });
}

void TFrmmain::closeEvent(QCloseEvent* event) {
  // After a confirmed exit, quitting closes the window once more: it goes.
  if (exitConfirmed_) {
    event->accept();
    return;
  }
  bool confirmed = false;
  RunCommand([&] { confirmed = ConfirmExit(*services_.homePageStore, this); });
  if (!confirmed) {
    event->ignore();
    return;
  }
  QuitAndOpenMakerHomePage();
  event->accept();
}

void TFrmmain::QuitAndOpenMakerHomePage() {
  exitConfirmed_ = true;
  services_.quitApplication();
  services_.shellOpener->Open(ShellWay::InternetExplorer, QString::fromUtf8(kMakerHomePage));
}

// ---- dialogs ----

void TFrmmain::dxBarButton19Click() {
  RunCommand([this] { OpenModal<TFrm_SJcs>(services_.contentDirectory); });
}
void TFrmmain::dxBarButton22Click() {
  RunCommand([] { OpenModal<TFrmQQhm>(); });
}
void TFrmmain::dxBarButton23Click() {
  RunCommand([] { OpenModal<TFrm_onther>(); });
}
void TFrmmain::dxBarButton82Click() {
  RunCommand([] { OpenModal<TFrmWangming>(); });
}
void TFrmmain::dxBarButton39Click() {
  RunCommand([] { OpenModal<TFrm_NanNv>(); });
}
void TFrmmain::dxBarButton43Click() {
  RunCommand([this] { OpenModal<TFRM_Date>(this, SystemToday); });
}
void TFrmmain::dxBarButton53Click() {
  RunCommand([] { OpenModal<TFrm_servers>(); });
}
void TFrmmain::dxBarButton45Click() {
  RunCommand([this] { OpenModal<TAbout>(*services_.shellOpener); });
}
void TFrmmain::dxBarButton47Click() {
  // There is nothing to download: the answer is always the same, offline too.
  RunCommand([] { ShowInfo(QStringLiteral("感谢你的使用,软件是最新版无需升级!")); });
}

// ---- outside links ----

void TFrmmain::OpenLink(const char* handler) {
  RunCommand([this, handler] {
    const OutsideLink& link = OutsideLinkOf(handler);
    services_.shellOpener->Open(link.way, QString::fromUtf8(link.address));
  });
}

void TFrmmain::dxBarButton63Click() { OpenLink("dxBarButton63Click"); }
void TFrmmain::dxBarButton64Click() { OpenLink("dxBarButton64Click"); }
void TFrmmain::dxBarButton134Click() { dxBarButton60Click(); }
void TFrmmain::dxBarButton60Click() { OpenLink("dxBarButton60Click"); }
void TFrmmain::dxBarButton44Click() { OpenLink("dxBarButton44Click"); }
void TFrmmain::Label2Click() { OpenLink("Label2Click"); }
void TFrmmain::Label3Click() { OpenLink("Label3Click"); }
void TFrmmain::Label4Click() { OpenLink("Label4Click"); }
void TFrmmain::Label5Click() { OpenLink("Label5Click"); }
void TFrmmain::Label22Click() { OpenLink("Label22Click"); }
void TFrmmain::Label26Click() { OpenLink("Label26Click"); }
void TFrmmain::Label27Click() { OpenLink("Label27Click"); }
void TFrmmain::Label28Click() { OpenLink("Label28Click"); }
void TFrmmain::RzStatusPanekkClick() { OpenLink("RzStatusPanekkClick"); }

}  // namespace qorvane
