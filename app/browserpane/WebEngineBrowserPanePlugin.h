#pragma once
#include <QObject>

#include "app/platform/BrowserPanePlugin.h"

namespace qorvane {

// The plugin's entry: makes WebEngine panes, after setting up the engine's
// command line on the first one.
class WebEngineBrowserPanePlugin : public QObject, public BrowserPanePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QorvaneBrowserPanePlugin_iid)
  Q_INTERFACES(qorvane::BrowserPanePlugin)
 public:
  std::unique_ptr<BrowserPane> CreatePane(QWidget* parent) override;
};

}  // namespace qorvane
