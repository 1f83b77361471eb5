#pragma once
#include <QString>

#include "app/platform/ShellWay.h"

namespace qorvane {

// Opens outside addresses (web pages, mailto: and chat links). The result is
// never examined: a missing browser changes nothing in the program.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual void Open(ShellWay way, const QString& address) = 0;
};

}  // namespace qorvane
