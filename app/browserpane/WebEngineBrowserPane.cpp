#include "app/browserpane/WebEngineBrowserPane.h"

#include <QGridLayout>
#include <QUrl>
#include <QWebEngineView>

namespace qorvane {

WebEngineBrowserPane::WebEngineBrowserPane(QWidget* parent) : frame_(new QWidget(parent)) {
  // Blank and white until the first page, as an empty browser is.
  frame_->setAutoFillBackground(true);
  QPalette palette = frame_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  frame_->setPalette(palette);
  auto* layout = new QGridLayout(frame_);
  layout->setContentsMargins(0, 0, 0, 0);
}

WebEngineBrowserPane::~WebEngineBrowserPane() { delete frame_.data(); }

void WebEngineBrowserPane::Navigate(const QString& address) {
  if (!frame_) return;
  if (!view_) {
    view_ = new QWebEngineView(frame_);
    // Banners are for looking at: no context menu with "view source" and the like.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    frame_->layout()->addWidget(view_);
  }
  view_->load(QUrl(address));
}

void WebEngineBrowserPane::SetVisible(bool visible) {
  if (frame_) frame_->setVisible(visible);
}

}  // namespace qorvane
