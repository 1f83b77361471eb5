#pragma once
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "app/platform/BrowserPane.h"

namespace qorvane::testing {

// A banner pane that records what the window asks of it, in place of a browser.
class RecordingPane : public BrowserPane {
 public:
  explicit RecordingPane(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* widget() override { return widget_; }
  void Navigate(const QString& address) override { addresses.push_back(address.toStdString()); }
  void SetVisible(bool visible) override { browserVisible = visible; }

  std::vector<std::string> addresses;
  bool browserVisible = true;

 private:
  QWidget* widget_;
};

}  // namespace qorvane::testing
