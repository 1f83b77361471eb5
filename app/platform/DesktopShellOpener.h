#pragma once
#include "app/platform/ShellOpener.h"

namespace qorvane {

// Hands addresses to the desktop (xdg-open behind QDesktopServices).
class DesktopShellOpener : public ShellOpener {
 public:
  void Open(ShellWay way, const QString& address) override;
};

}  // namespace qorvane
