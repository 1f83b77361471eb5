#include "app/OutsideLinks.h"

#include <stdexcept>
#include <string>

namespace qorvane {

namespace {

constexpr char kDeviceManagerDownload[] = "https://soft.download.example/soft/qorvane-device-manager.html";

// The support mail and QQ account are those of MakerContact.h. The menu items
// and the status pane reach the desktop's default handler; the
// side-panel labels always open a browser.
const OutsideLink kLinks[] = {
    {"dxBarButton63Click", ShellWay::DefaultHandler, "mailto:kf@qorvane.example"},
    {"dxBarButton64Click", ShellWay::DefaultHandler,
     "http://wpa.qq.example/msgrd?V=1&Uin=800012345&Site=????&Menu=yes"},
    {"dxBarButton44Click", ShellWay::DefaultHandler, "https://bbs.qorvane.example/"},
    {"dxBarButton60Click", ShellWay::DefaultHandler, kDeviceManagerDownload},
    {"RzStatusPanekkClick", ShellWay::DefaultHandler, "https://www.money-partner.example/download/home-finance.html"},
    {"Label5Click", ShellWay::InternetExplorer, kDeviceManagerDownload},
    {"Label3Click", ShellWay::InternetExplorer, "https://www.qorvane.example/download/fortune-suite.html"},
    {"Label4Click", ShellWay::InternetExplorer, "https://www.qorvane.example/download/love-match.html"},
    {"Label2Click", ShellWay::InternetExplorer, "https://www.qorvane.example/download/dream-reader.html"},
    {"Label22Click", ShellWay::InternetExplorer, "https://browser.partner.example/download/browser-setup.exe"},
    {"Label26Click", ShellWay::InternetExplorer, "https://tv.partner.example/download/client?pid=qorvane2026"},
    {"Label27Click", ShellWay::InternetExplorer, "https://magazine.partner.example/reader/download?pid=qorvane2026"},
    {"Label28Click", ShellWay::InternetExplorer, "https://hdtv.partner.example/client/setup?pid=qorvane2026"},
};

}  // namespace

std::span<const OutsideLink> OutsideLinks() { return kLinks; }

const OutsideLink& OutsideLinkOf(std::string_view handler) {
  for (const OutsideLink& link : kLinks) {
    if (handler == link.handler) return link;
  }
  throw std::out_of_range("no outside link for " + std::string(handler));
}

}  // namespace qorvane
