#include "app/tests/ShellTestSupport.h"

#include <QApplication>
#include <QPrinter>
#include <QTimer>
#include <fstream>
#include <sstream>

#include <QAction>

#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/FileDialogs.h"
#include "app/platform/IniHomePageStore.h"

namespace qorvane::testing {

ShellFixture::ShellFixture()
    : iniFile(QString::fromStdString((dir.path() / "config" / "homepage.ini").string())),
      pdf(QString::fromStdString((dir.path() / "report.pdf").string())) {
  shell->log = &log;
}

MainWindowServices ShellFixture::services() {
  MainWindowServices services;
  services.contentDirectory = QORVANE_BINARY_DIR;
  services.bannerServer.clear();  // no banner downloads: they have tests of their own
  services.shellOpener = shell;
  services.homePageStore = std::make_shared<IniHomePageStore>(iniFile);
  services.printerTarget = [this] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
  };
  services.quitApplication = [this] {
    ++quits;
    log << QStringLiteral("quit");
  };
  return services;
}

void AnswerNextModal(std::function<void(QWidget*)> answer, int turns) {
  QTimer::singleShot(0, [answer, turns] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      answer(modal);
    } else if (turns > 1) {
      AnswerNextModal(answer, turns - 1);  // not open yet: look again on the next turn
    }
  });
}

void FillResult(TFrmmain& window, const QStringList& lines) {
  window.RzMemo1->clearLines();
  for (const QString& line : lines) window.RzMemo1->addLine(line);
}

void SaveResultAs(TFrmmain& window, const std::filesystem::path& answer) {
  SetNextFileNameForTesting(QString::fromStdString(answer.string()));
  window.findChild<QAction*>(QStringLiteral("dxBarButton2"))->trigger();
}

void OpenResultFrom(TFrmmain& window, const std::filesystem::path& answer) {
  SetNextFileNameForTesting(QString::fromStdString(answer.string()));
  window.findChild<QAction*>(QStringLiteral("dxBarButton1"))->trigger();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

}  // namespace qorvane::testing
