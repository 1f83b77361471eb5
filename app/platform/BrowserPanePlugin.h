#pragma once
#include <QtPlugin>
#include <memory>

#include "app/platform/BrowserPane.h"

namespace qorvane {

// What the browser plugin offers: panes with a real browser engine. The
// engine lives only in the plugin, so that the program itself does not link it.
class BrowserPanePlugin {
 public:
  virtual ~BrowserPanePlugin() = default;
  virtual std::unique_ptr<BrowserPane> CreatePane(QWidget* parent) = 0;
};

}  // namespace qorvane

#define QorvaneBrowserPanePlugin_iid "org.qorvane.BrowserPanePlugin/1"
Q_DECLARE_INTERFACE(qorvane::BrowserPanePlugin, QorvaneBrowserPanePlugin_iid)
