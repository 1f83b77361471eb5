#pragma once
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/MainWindowServices.h"
#include "app/platform/ShellOpener.h"
#include "content/tests/TestDatabase.h"

class QWidget;

namespace qorvane {
class TFrmmain;
}

namespace qorvane::testing {

// Records every address instead of opening it.
class RecordingShellOpener : public ShellOpener {
 public:
  struct Call {
    ShellWay way;
    QString address;
    bool operator==(const Call&) const = default;
  };
  void Open(ShellWay way, const QString& address) override {
    calls.push_back({way, address});
    if (log) *log << QStringLiteral("open ") + address;
  }
  std::vector<Call> calls;
  QStringList* log = nullptr;
};

// A main window's services for tests: a recording shell, the home page in an
// INI file of a temporary directory, printing into `pdf`, and a quit that is
// only counted. Every service records into `log` in call order.
struct ShellFixture {
  ShellFixture();
  ShellFixture(const ShellFixture&) = delete;
  TempDir dir;
  std::shared_ptr<RecordingShellOpener> shell = std::make_shared<RecordingShellOpener>();
  QString iniFile;
  QString pdf;
  int quits = 0;
  QStringList log;
  MainWindowServices services();
};

// Runs `answer` on the next modal dialog as soon as it is open (from the
// event loop of its exec()). Gives up after `turns` turns of the event loop.
void AnswerNextModal(std::function<void(QWidget*)> answer, int turns = 100);

// The result area of `window` made to hold `lines`, one entry each.
void FillResult(TFrmmain& window, const QStringList& lines);
// "保存测算" and "打开记录...", with the file dialog answered by `answer`.
void SaveResultAs(TFrmmain& window, const std::filesystem::path& answer);
void OpenResultFrom(TFrmmain& window, const std::filesystem::path& answer);

// Writes bytes to a file.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace qorvane::testing
