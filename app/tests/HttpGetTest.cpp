#include <gtest/gtest.h>

#include <QNetworkProxy>

#include "app/platform/HttpGet.h"
#include "app/tests/LocalHttpServer.h"

using namespace qorvane;
using qorvane::testing::LocalHttpServer;

namespace {

QUrl At(const std::string& address, const char* path) {
  return QUrl(QString::fromStdString("http://" + address + path));
}

HttpGetLimits ShortLimits() {
  HttpGetLimits limits;
  limits.timeout = std::chrono::milliseconds(400);
  return limits;
}

}  // namespace

TEST(HttpGet, SendsAGetWithTheClientHeadersAndReturnsTheBody) {
  LocalHttpServer server;
  server.Serve("/Chinese/CPC/loginfo.html", "0>20>http://a.example/\r\n");
  HttpGet client;
  EXPECT_EQ(client.Get(At(server.Address(), "/Chinese/CPC/loginfo.html")), "0>20>http://a.example/\r\n");
  ASSERT_EQ(server.requests().size(), 1u);
  const LocalHttpServer::Request& request = server.requests()[0];
  EXPECT_EQ(request.method, "GET");
  EXPECT_EQ(request.path, "/Chinese/CPC/loginfo.html");
  EXPECT_EQ(request.headers.at("accept"), "text/html, */*");
  EXPECT_EQ(request.headers.at("content-type"), "text/html");
  EXPECT_EQ(request.headers.at("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
}

TEST(HttpGet, OneClientSendsBackTheCookiesItWasGiven) {
  LocalHttpServer server;
  server.Serve("/flags", {{200, "11", {{"Set-Cookie", "visit=1; Path=/"}}}, {200, "11", {}}});
  HttpGet client;
  ASSERT_TRUE(client.Get(At(server.Address(), "/flags")));
  ASSERT_TRUE(client.Get(At(server.Address(), "/flags")));
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[0].headers.count("cookie"), 0u);
  EXPECT_EQ(server.requests()[1].headers.at("cookie"), "visit=1");
}

TEST(HttpGet, GoesDirectlyEvenWhenTheApplicationHasAProxy) {
  LocalHttpServer server;
  server.Serve("/page", "x");
  QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", 1));
  HttpGet client;
  std::optional<std::string> body = client.Get(At(server.Address(), "/page"));
  QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
  EXPECT_EQ(body, "x");
}

// Every way a download can go wrong ends in "no page", and none of them holds
// the caller beyond the time-out.
TEST(HttpGet, AFailedDownloadGivesNothing) {
  LocalHttpServer server;
  server.Serve("/missing", {{404, "gone", {}}});
  server.Serve("/broken", {{500, "oops", {}}});
  server.Serve("/moved", {{301, "", {{"Location", "/elsewhere"}}}});
  server.Serve("/elsewhere", "followed");
  server.Serve("/huge", std::string(5000, 'x'));
  LocalHttpServer silent(LocalHttpServer::Behaviour::NeverAnswer);

  HttpGetLimits limits = ShortLimits();
  limits.maxBodyBytes = 4096;
  const std::pair<std::string, const char*> cases[] = {
      {server.Address(), "/missing"},
      {server.Address(), "/broken"},
      {server.Address(), "/moved"},  // a redirect is not followed
      {server.Address(), "/huge"},   // more than the body limit
      {LocalHttpServer::ClosedAddress(), "/refused"},
      {silent.Address(), "/silent"},  // accepted, never answered: ends at the time-out
  };
  for (const auto& [address, path] : cases) {
    HttpGet client(limits);
    EXPECT_EQ(client.Get(At(address, path)), std::nullopt) << path;
  }
  EXPECT_EQ(silent.RequestedPaths(), std::vector<std::string>{"/silent"});
}

TEST(HttpGet, ABodyOfExactlyTheLimitIsKept) {
  LocalHttpServer server;
  server.Serve("/full", std::string(4096, 'y'));
  HttpGetLimits limits = ShortLimits();
  limits.maxBodyBytes = 4096;
  HttpGet client(limits);
  EXPECT_EQ(client.Get(At(server.Address(), "/full")), std::string(4096, 'y'));
}

