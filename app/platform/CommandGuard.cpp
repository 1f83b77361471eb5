#include "app/platform/CommandGuard.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "text/SilentAbort.h"

namespace qorvane {

namespace {
std::function<void(const QString&)>& ErrorSink() {
  static std::function<void(const QString&)> sink;
  return sink;
}
}  // namespace

void ReportError(const QString& text) {
  std::fprintf(stderr, "qorvane: %s\n", text.toLocal8Bit().constData());
  if (ErrorSink()) {
    ErrorSink()(text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void SetErrorReportSinkForTesting(std::function<void(const QString&)> sink) {
  ErrorSink() = std::move(sink);
}

void RunCommand(const std::function<void()>& body) noexcept {
  try {
    try {
      body();
    } catch (const SilentAbort&) {
      // The command was cancelled on purpose; nothing to say.
    } catch (const std::exception& error) {
      ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
      ReportError(QStringLiteral("未知错误"));
    }
  } catch (...) {
    // The report itself failed (out of memory, say): the command still ends here.
  }
}

}  // namespace qorvane
