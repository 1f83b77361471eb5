#include "app/platform/IniHomePageStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <stdexcept>

namespace qorvane {

namespace {
// Group paths are written with '/': QSettings would store a '\' escaped inside
// one group name and never find the value again.
const QString kStartPageKey = QStringLiteral("Software/Microsoft/Internet Explorer/Main/Start Page");
}  // namespace

IniHomePageStore::IniHomePageStore()
    : IniHomePageStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Qorvane/homepage.ini")) {}

IniHomePageStore::IniHomePageStore(QString iniFile) : iniFile_(std::move(iniFile)) {}

std::string IniHomePageStore::ReadStartPage() {
  // QSettings shares one cache of each INI file across the process and keeps
  // serving it when the file has become unreadable: try the file itself first.
  if (QFileInfo::exists(iniFile_)) {
    QFile probe(iniFile_);
    if (!probe.open(QIODevice::ReadOnly)) return {};
  }
  QSettings settings(iniFile_, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return {};
  return settings.value(kStartPageKey).toString().toStdString();
}

void IniHomePageStore::WriteStartPage(const std::string& address) {
  QSettings settings(iniFile_, QSettings::IniFormat);
  settings.setValue(kStartPageKey, QString::fromStdString(address));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw std::runtime_error("无法保存浏览器首页设置：" + iniFile_.toStdString());
  }
}

}  // namespace qorvane
