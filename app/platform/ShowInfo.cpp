#include "app/platform/ShowInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace qorvane {

namespace {
std::function<void(const QString&)>& InfoSink() {
  static std::function<void(const QString&)> sink;
  return sink;
}
}  // namespace

void ShowInfo(const QString& text) {
  if (InfoSink()) {
    InfoSink()(text);
    return;
  }
  QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetShowInfoSinkForTesting(std::function<void(const QString&)> sink) {
  InfoSink() = std::move(sink);
}

}  // namespace qorvane
