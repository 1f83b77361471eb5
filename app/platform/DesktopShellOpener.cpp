#include "app/platform/DesktopShellOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace qorvane {

void DesktopShellOpener::Open(ShellWay, const QString& address) {
  // Both ways end in the desktop's handler: the default browser is the
  // nearest thing to a fixed browser that every Linux desktop has. TolerantMode
  // keeps a query such as "Site=????" as it is written.
  QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

}  // namespace qorvane
