// The link table: every link handler, the way it opens its address, and
// addresses that stay on reserved example domains.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "app/OutsideLinks.h"

using namespace qorvane;

namespace {

std::string Host(const std::string& address) {
  if (address.rfind("mailto:", 0) == 0) return address.substr(address.find('@') + 1);
  const std::size_t start = address.find("://") + 3;
  return address.substr(start, address.find_first_of("/?", start) - start);
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TEST(OutsideLinks, EachHandlerOnceWithItsWay) {
  const std::map<std::string, ShellWay> expected = {
      {"dxBarButton63Click", ShellWay::DefaultHandler},  {"dxBarButton64Click", ShellWay::DefaultHandler},
      {"dxBarButton44Click", ShellWay::DefaultHandler},  {"dxBarButton60Click", ShellWay::DefaultHandler},
      {"RzStatusPanekkClick", ShellWay::DefaultHandler}, {"Label5Click", ShellWay::InternetExplorer},
      {"Label3Click", ShellWay::InternetExplorer},       {"Label4Click", ShellWay::InternetExplorer},
      {"Label2Click", ShellWay::InternetExplorer},       {"Label22Click", ShellWay::InternetExplorer},
      {"Label26Click", ShellWay::InternetExplorer},      {"Label27Click", ShellWay::InternetExplorer},
      {"Label28Click", ShellWay::InternetExplorer},
  };
  std::map<std::string, ShellWay> actual;
  for (const OutsideLink& link : OutsideLinks()) {
    EXPECT_TRUE(actual.emplace(link.handler, link.way).second) << "twice: " << link.handler;
  }
  EXPECT_EQ(actual, expected);
}

TEST(OutsideLinks, AddressesStayOnReservedExampleDomains) {
  std::set<std::string> addresses;
  for (const OutsideLink& link : OutsideLinks()) {
    const std::string host = Host(link.address);
    EXPECT_TRUE(EndsWith(host, ".example")) << link.handler << ": " << link.address;
    addresses.insert(link.address);
  }
  EXPECT_TRUE(EndsWith(Host(kMakerHomePage), ".example"));
  EXPECT_TRUE(EndsWith(Host(kPartnerHomePage), ".example"));
  // Only the device-management page is shared (menu entry and side label).
  EXPECT_EQ(addresses.size(), OutsideLinks().size() - 1);
  EXPECT_STREQ(OutsideLinkOf("Label5Click").address, OutsideLinkOf("dxBarButton60Click").address);
}

TEST(OutsideLinks, MailAndChatLinks) {
  EXPECT_STREQ(OutsideLinkOf("dxBarButton63Click").address, "mailto:kf@qorvane.example");
  const std::string chat = OutsideLinkOf("dxBarButton64Click").address;
  const std::size_t query = chat.find('?');
  ASSERT_NE(query, std::string::npos);
  const std::string beforeQuery = chat.substr(0, query);
  EXPECT_TRUE(EndsWith(beforeQuery, ".example/msgrd")) << chat;
  EXPECT_EQ(chat.substr(query + 1), "V=1&Uin=800012345&Site=????&Menu=yes");
}

TEST(OutsideLinks, PartnerDownloadsCarryThePartnerIdentifier) {
  for (const char* handler : {"Label26Click", "Label27Click", "Label28Click"}) {
    EXPECT_NE(std::string(OutsideLinkOf(handler).address).find("pid=qorvane2026"), std::string::npos) << handler;
  }
}

TEST(OutsideLinks, AnUnknownHandlerIsAnError) {
  EXPECT_THROW(OutsideLinkOf("Label99Click"), std::out_of_range);
}
