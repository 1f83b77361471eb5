// Start-up of the main window, offscreen: creating TFrmmain (its banner
// downloads go to 127.0.0.1 on a closed port, so they fail at once), showing
// it and running the event loop until it is first idle; beside the same for a
// bare QMainWindow of the same size. The counter "ratio" is main / bare, both
// within a running program (warm) and for a program started afresh (cold).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QSize>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "app/TFrmmain.h"
#include "app/platform/Fonts.h"

extern char** environ;

namespace {

// Port 1 (tcpmux) is closed on any ordinary machine: connecting is refused at once.
constexpr const char* kUnreachableBannerServer = "127.0.0.1:1";

void RunUntilIdle() {
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
}

std::unique_ptr<qorvane::TFrmmain> NewMainWindow() {
  qorvane::MainWindowServices services;
  services.bannerServer = kUnreachableBannerServer;
  return std::make_unique<qorvane::TFrmmain>(std::move(services));
}

template <class MakeWindow>
double SecondsToFirstIdle(MakeWindow makeWindow) {
  const auto start = std::chrono::steady_clock::now();
  auto window = makeWindow();
  window->show();
  RunUntilIdle();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return elapsed.count();
}

void BM_StartUp(benchmark::State& state) {
  const QSize size = NewMainWindow()->size();
  double mainSeconds = 0;
  double bareSeconds = 0;
  for (auto _ : state) {
    const double main = SecondsToFirstIdle(NewMainWindow);
    bareSeconds += SecondsToFirstIdle([&] {
      auto bare = std::make_unique<QMainWindow>();
      bare->resize(size);
      return bare;
    });
    mainSeconds += main;
    state.SetIterationTime(main);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["main_ms"] = 1000 * mainSeconds / n;
  state.counters["bare_ms"] = 1000 * bareSeconds / n;
  state.counters["ratio"] = mainSeconds / bareSeconds;
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

// Where the main window's start-up goes: construction (with or without the
// banner downloads) and the first show until idle.
void BM_StartUpParts(benchmark::State& state) {
  const bool downloads = state.range(0) != 0;
  double constructSeconds = 0;
  double showSeconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    qorvane::MainWindowServices services;
    services.bannerServer = downloads ? kUnreachableBannerServer : "";
    auto window = std::make_unique<qorvane::TFrmmain>(std::move(services));
    const auto constructed = std::chrono::steady_clock::now();
    window->show();
    RunUntilIdle();
    const auto idle = std::chrono::steady_clock::now();
    constructSeconds += std::chrono::duration<double>(constructed - start).count();
    showSeconds += std::chrono::duration<double>(idle - constructed).count();
    state.SetIterationTime(std::chrono::duration<double>(idle - start).count());
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["construct_ms"] = 1000 * constructSeconds / n;
  state.counters["show_idle_ms"] = 1000 * showSeconds / n;
  state.SetLabel(downloads ? "banner downloads refused" : "no banner downloads");
}
BENCHMARK(BM_StartUpParts)->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond);

// A cold start: this program run afresh as a child that makes the
// application object and one window, shows it, waits for the first idle and
// ends at once. The time is the child's whole run, so the first-use costs
// (fonts, pictures, styles, the network stack) are in it, as a user meets them.
double ColdStartSeconds(const char* which) {
  const auto start = std::chrono::steady_clock::now();
  char self[] = "/proc/self/exe";
  char* childArgs[] = {self, const_cast<char*>(which), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, self, nullptr, nullptr, childArgs, environ) != 0) return 0;
  int status = 0;
  waitpid(child, &status, 0);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ColdStartUp(benchmark::State& state) {
  double mainSeconds = 0;
  double bareSeconds = 0;
  double textSeconds = 0;
  for (auto _ : state) {
    const double main = ColdStartSeconds("--cold-main");
    bareSeconds += ColdStartSeconds("--cold-bare");
    textSeconds += ColdStartSeconds("--cold-text");
    mainSeconds += main;
    state.SetIterationTime(main);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["main_ms"] = 1000 * mainSeconds / n;
  state.counters["bare_ms"] = 1000 * bareSeconds / n;
  // A bare window with one line of Chinese text: what the first CJK font costs.
  state.counters["bare_text_ms"] = 1000 * textSeconds / n;
  state.counters["ratio"] = mainSeconds / bareSeconds;
}
BENCHMARK(BM_ColdStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(5);

// The child of a cold start: the main window, a bare window of its size, or
// that bare window with one line of Chinese text.
int RunColdChild(int argc, char** argv, std::string_view which) {
  QApplication app(argc, argv);
  std::unique_ptr<QMainWindow> window;
  if (which == "--cold-main") {
    window = NewMainWindow();
  } else {
    window = std::make_unique<QMainWindow>();
    window->resize(792, 566);  // as the main window sizes itself
    if (which == "--cold-text") {
      auto* label = new QLabel(QStringLiteral("您的星座为白羊座,经系统分析如下:"), window.get());
      label->setFont(qorvane::SongFont(12));
      window->setCentralWidget(label);
    }
  }
  window->show();
  RunUntilIdle();
  std::_Exit(0);  // the start is measured, not the tear-down
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc == 2 && std::string_view(argv[1]).starts_with("--cold-")) return RunColdChild(argc, argv, argv[1]);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
