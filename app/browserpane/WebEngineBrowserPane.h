#pragma once
#include <QPointer>
#include <QWidget>

#include "app/platform/BrowserPane.h"

class QWebEngineView;

namespace qorvane {

// A banner pane with a Qt WebEngine view. The view, and with it the browser
// engine's processes, is made at the first page to load: a pane that is
// hidden before its first step never starts the engine.
class WebEngineBrowserPane : public BrowserPane {
 public:
  explicit WebEngineBrowserPane(QWidget* parent);
  ~WebEngineBrowserPane() override;

  QWidget* widget() override { return frame_; }
  void Navigate(const QString& address) override;
  void SetVisible(bool visible) override;

 private:
  QPointer<QWidget> frame_;
  QWebEngineView* view_ = nullptr;
};

}  // namespace qorvane
