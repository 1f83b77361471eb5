#pragma once
#include <QCoreApplication>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/BannerList.h"
#include "app/platform/BrowserPane.h"
#include "app/platform/DesktopShellOpener.h"
#include "app/platform/HttpGet.h"
#include "app/platform/IniHomePageStore.h"
#include "app/platform/PrinterTarget.h"
#include "content/ExecutableDirectory.h"

namespace qorvane {

// What the main window takes from outside. The defaults are the real ones;
// tests pass their own.
struct MainWindowServices {
  // Where BrelmFile.dll and dream.dll lie: beside the executable.
  std::filesystem::path contentDirectory = ExecutableDirectory();
  // Opens outside pages, mail and chat links: the desktop's handlers.
  std::shared_ptr<ShellOpener> shellOpener = std::make_shared<DesktopShellOpener>();
  // The browser home page that the exit dialog may set.
  std::shared_ptr<HomePageStore> homePageStore = std::make_shared<IniHomePageStore>();
  // Where the report is printed: the default printer.
  PrinterTarget printerTarget = DefaultPrinter;
  // Ends the program after a confirmed exit.
  std::function<void()> quitApplication = [] { QCoreApplication::quit(); };
  // The banner server, host or host:port; empty: no banner downloads at all,
  // so both panes stay off.
  std::string bannerServer = std::string(kBannerServer);
  // The bounds of each banner download.
  HttpGetLimits bannerDownloadLimits;
  // Makes the banner panes: the browser plugin beside the executable.
  BrowserPaneFactory browserPaneFactory = BrowserPanePluginFactory(ExecutableDirectory());
};

}  // namespace qorvane
