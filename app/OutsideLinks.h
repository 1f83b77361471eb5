#pragma once
#include <span>
#include <string_view>

#include "app/platform/ShellWay.h"

namespace qorvane {

// One outside link of the main window: the handler that opens it, the way it
// is opened and the address.
struct OutsideLink {
  const char* handler;  // e.g. "dxBarButton63Click"
  ShellWay way;
  const char* address;
};

// Every link handler of the main window, once each.
std::span<const OutsideLink> OutsideLinks();

// The link of `handler`; throws std::out_of_range for a name not in the table.
const OutsideLink& OutsideLinkOf(std::string_view handler);

// The maker's home page, opened after a confirmed exit.
inline constexpr char kMakerHomePage[] = "https://www.qorvane.example/";
// The partner web directory that the exit dialog offers as the home page,
// and its name in the check box caption.
inline constexpr char kPartnerHomePage[] = "https://nav.partner.example/";
inline constexpr char kPartnerDirectoryName[] = "星途网址导航";

}  // namespace qorvane
