// Shows the main window with the real browser plugin against a banner server
// of your choice, for looking at the panes by eye (not run by CTest):
//   banner_preview HOST[:PORT] [SECONDS]
// "-" as the host uses the program's own server. It prints how long the
// window took to make and whether Qt WebEngine got loaded, then runs for
// SECONDS (default 30) or until closed.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/TFrmmain.h"
#include "app/platform/BrowserPane.h"

namespace {

bool WebEngineLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  qorvane::MainWindowServices services;
  services.contentDirectory = QORVANE_BINARY_DIR;
  services.browserPaneFactory = qorvane::BrowserPanePluginFactory(QORVANE_BINARY_DIR);
  if (argc > 1 && std::string(argv[1]) != "-") services.bannerServer = argv[1];
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;

  QElapsedTimer clock;
  clock.start();
  qorvane::TFrmmain window(services);
  std::printf("window made in %lld ms; MainEnabled %d, TopEnabled %d; Qt WebEngine loaded: %s\n",
              static_cast<long long>(clock.elapsed()), window.MainEnabled(), window.TopEnabled(),
              WebEngineLoaded() ? "yes" : "no");
  std::fflush(stdout);
  window.show();
  QTimer::singleShot(seconds * 1000, &app, [] {
    std::printf("Qt WebEngine loaded at the end: %s\n", WebEngineLoaded() ? "yes" : "no");
    QCoreApplication::exit(0);  // ends the loop without closing the window (no exit question)
  });
  return app.exec();
}
