#pragma once
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace qorvane {

// An embedded web-browser pane, as the banner rotation drives it.
class BrowserPane {
 public:
  virtual ~BrowserPane() = default;

  // The widget that shows the pages, a child of the panel the pane was made for.
  virtual QWidget* widget() = 0;
  // Loads an address.
  virtual void Navigate(const QString& address) = 0;
  // The browser's own visibility, apart from where its widget lies.
  virtual void SetVisible(bool visible) = 0;
};

// Makes a pane inside `parent`, or nothing when no browser is available.
using BrowserPaneFactory = std::function<std::unique_ptr<BrowserPane>(QWidget* parent)>;

// The file name of the browser plugin, which lies beside the program.
inline constexpr const char* kBrowserPanePluginFile = "libqorvane_browserpane.so";

// A factory that makes real browser panes through the plugin in `directory`.
// The plugin, and with it the browser engine, is loaded on the first call
// only, so that a run without banner panes never pays for the engine. When it
// cannot be loaded the factory makes nothing (and says why once, on stderr).
BrowserPaneFactory BrowserPanePluginFactory(std::filesystem::path directory);

}  // namespace qorvane
