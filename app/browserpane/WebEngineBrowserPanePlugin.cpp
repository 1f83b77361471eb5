#include "app/browserpane/WebEngineBrowserPanePlugin.h"

#include <unistd.h>

#include <QByteArray>
#include <cstdlib>

#include "app/browserpane/WebEngineBrowserPane.h"

namespace qorvane {

namespace {

// The engine reads its switches from the environment when it starts, which
// is at the first page a pane loads; this runs before that.
void PrepareEngineSwitches() {
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  // The banners need none of Chromium's own traffic: component updates,
  // safe-browsing lists, variation seeds, domain-reliability reports.
  for (const char* flag : {"--disable-background-networking", "--disable-component-update",
                           "--disable-domain-reliability"}) {
    if (!flags.contains(flag)) flags += QByteArray(flags.isEmpty() ? "" : " ") + flag;
  }
  // Chromium refuses to start its sandbox as root and then does not start at
  // all. A program run as root gets no protection from that sandbox anyway,
  // so only then is it switched off; an ordinary user keeps it.
  if (geteuid() == 0) {
    if (!flags.contains("--no-sandbox")) flags += " --no-sandbox";
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

}  // namespace

std::unique_ptr<BrowserPane> WebEngineBrowserPanePlugin::CreatePane(QWidget* parent) {
  static const bool prepared = (PrepareEngineSwitches(), true);
  (void)prepared;
  return std::make_unique<WebEngineBrowserPane>(parent);
}

}  // namespace qorvane
