// The promotional banner panes of the main window: the start-up that switches
// them on or off, and the two timers that step them through the list.
#include "app/BannerRotation.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

#include "app/TFrmmain.h"
#include "app/platform/BrowserPane.h"
#include "app/platform/CommandGuard.h"
#include "app/platform/GradientPanel.h"

namespace qorvane {

namespace {

// Both timers first fire a second after the window is made.
constexpr int kFirstStepMs = 1000;

QUrl BannerUrl(const std::string& server, std::string_view path) {
  return QUrl(QStringLiteral("http://%1%2")
                  .arg(QString::fromStdString(server), QString::fromUtf8(path.data(), qsizetype(path.size()))));
}

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << QString::fromStdString(line);
  return joined.join(QLatin1Char('\n'));
}

// Makes a pane whose switch is on, in its place and above the panel's other
// children. Without a browser the switch goes off: the pane simply never shows.
std::unique_ptr<BrowserPane> MakePane(const BrowserPaneFactory& factory, QWidget* panel, QRect place, int& enabled) {
  if (enabled == 0 || !factory) return nullptr;
  std::unique_ptr<BrowserPane> pane = factory(panel);
  if (!pane) {
    enabled = 0;
    return nullptr;
  }
  pane->widget()->setGeometry(place);
  pane->widget()->raise();
  return pane;
}

}  // namespace

BannerStart DownloadBanners(const std::string& server, HttpGetLimits limits) {
  if (server.empty()) return {};
  HttpGet IdHTTP1(limits);
  HttpGet IdHTTP2(limits);
  auto download = [&server](HttpGet& client, std::string_view path) -> PageDownload {
    return [&client, &server, path]() -> std::optional<std::string> {
      std::optional<std::string> body = client.Get(BannerUrl(server, path));
      if (!body) return std::nullopt;
      return BannerPageText(*body);
    };
  };
  return StartBanners(download(IdHTTP1, kBannerListPath), download(IdHTTP2, kBannerFlagPath));
}

void HideBannerPane(BrowserPane& pane, int hiddenTop) {
  pane.SetVisible(false);
  QWidget* widget = pane.widget();
  widget->move(widget->x(), hiddenTop);
}

void StepBannerPane(const std::vector<std::string>& lines, std::string_view type, int enabled, int& index,
                    BrowserPane* pane, QTimer& timer) {
  if (enabled == 0 || !pane) return;
  BannerStep step = StepBanner(lines, index, type);
  if (step.address) pane->Navigate(QString::fromStdString(*step.address));
  if (step.intervalMs) {
    // A zero interval would make a Qt timer fire at every idle moment; the
    // list means "keep this page", so the pane's timer stops instead.
    if (*step.intervalMs == 0) {
      timer.stop();
    } else {
      timer.setInterval(*step.intervalMs);
    }
  }
  index = step.nextIndex;
}

void TFrmmain::FormCreate() {
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  RunCommand([&] {
    BannerStart start = DownloadBanners(services_.bannerServer, services_.bannerDownloadLimits);
    BannerLines_ = SplitBannerLines(start.listText);
    Memo1->setPlainText(JoinLines(BannerLines_));
    MainEnabled_ = start.MainEnabled;
    TopEnabled_ = start.TopEnabled;
    TopIndex_ = 0;
    MainIndex_ = 0;
    LastLineIndex_ = static_cast<int>(BannerLines_.size()) - 1;

    mainPane_ = MakePane(services_.browserPaneFactory, RzPanel4, kMainPanePlace, MainEnabled_);
    topPane_ = MakePane(services_.browserPaneFactory, RzPanel1, kTopPanePlace, TopEnabled_);
    EmbeddedWB1 = mainPane_.get();
    EmbeddedWB2 = topPane_.get();
    if (LastLineIndex_ < 0) {
      if (EmbeddedWB1) HideBannerPane(*EmbeddedWB1, kMainPaneHiddenTop);
      if (EmbeddedWB2) HideBannerPane(*EmbeddedWB2, kTopPaneHiddenTop);
    }
  });
  // A pane whose switch is off was never made: nothing of it shows, and its
  // timer's steps do nothing.

  connect(Timer1, &QTimer::timeout, this, &TFrmmain::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TFrmmain::Timer2Timer);
  Timer1->start(kFirstStepMs);
  Timer2->start(kFirstStepMs);
}

void TFrmmain::Timer1Timer() {
  RunCommand([&] { StepBannerPane(BannerLines_, kTopPaneType, TopEnabled_, TopIndex_, EmbeddedWB2, *Timer1); });
}

void TFrmmain::Timer2Timer() {
  RunCommand([&] { StepBannerPane(BannerLines_, kMainPaneType, MainEnabled_, MainIndex_, EmbeddedWB1, *Timer2); });
}

}  // namespace qorvane
