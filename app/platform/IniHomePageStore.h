#pragma once
#include <QString>

#include "app/platform/HomePageStore.h"

namespace qorvane {

// The home page kept in an INI file through QSettings: the registry key
// becomes a group, the value a key. By default the file is
// <user configuration directory>/Qorvane/homepage.ini.
class IniHomePageStore : public HomePageStore {
 public:
  IniHomePageStore();
  explicit IniHomePageStore(QString iniFile);

  std::string ReadStartPage() override;
  void WriteStartPage(const std::string& address) override;
  const QString& iniFile() const { return iniFile_; }

 private:
  QString iniFile_;
};

}  // namespace qorvane
