// Banner servers that send too much, too slowly or nonsense, through the main
// window's start-up downloads and its rotation steps. Already covered in
// app/tests: a server that accepts and never answers, a refused connection,
// error statuses, a body over the limit at the download level.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/BannerList.h"
#include "app/TFrmmain.h"
#include "app/platform/BrowserPane.h"
#include "app/tests/LocalHttpServer.h"
#include "app/tests/RecordingPane.h"
#include "numbers/tests/NumberDialogDriver.h"

using namespace qorvane;
using qorvane::testing::LocalHttpServer;
using qorvane::testing::RecordingPane;
using qorvane::testing::MessageRecorder;

namespace {

// Answers every request with a 200 header for a long body, then sends that
// body one byte a second.
class TricklingServer {
 public:
  TricklingServer() {
    if (!server_.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("cannot listen on 127.0.0.1");
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 1000\r\n\r\n");
        auto* timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [this, socket] {
          socket->write("0");
          ++bytesSent;
        });
        timer->start(1000);
      }
    });
  }
  std::string Address() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
  int bytesSent = 0;

 private:
  QTcpServer server_;
};

class BadBanners : public ::testing::Test {
 protected:
  std::unique_ptr<TFrmmain> Open(const std::string& address, std::chrono::milliseconds timeout) {
    MainWindowServices services;
    services.contentDirectory = QORVANE_BINARY_DIR;
    services.bannerServer = address;
    services.bannerDownloadLimits.timeout = timeout;
    services.browserPaneFactory = [this](QWidget* parent) -> std::unique_ptr<BrowserPane> {
      ++panesMade;
      return std::make_unique<RecordingPane>(parent);
    };
    return std::make_unique<TFrmmain>(std::move(services));
  }
  std::unique_ptr<TFrmmain> Serving(const std::string& list, const std::string& flags) {
    server.Serve(std::string(kBannerListPath), list);
    server.Serve(std::string(kBannerFlagPath), flags);
    return Open(server.Address(), std::chrono::milliseconds(5000));
  }
  static RecordingPane* Main(TFrmmain& window) { return static_cast<RecordingPane*>(window.EmbeddedWB1); }
  static RecordingPane* Top(TFrmmain& window) { return static_cast<RecordingPane*>(window.EmbeddedWB2); }

  LocalHttpServer server;
  MessageRecorder messages;
  int panesMade = 0;
};

}  // namespace

TEST_F(BadBanners, ATenMebibyteListIsRefusedAndThePanesStayOff) {
  std::string list;
  while (list.size() < 10u * 1024u * 1024u) list += "0>5>http://m.example/page\r\n";
  std::unique_ptr<TFrmmain> window = Serving(list, "11");
  EXPECT_EQ(window->MainEnabled(), 0);
  EXPECT_EQ(window->TopEnabled(), 0);
  EXPECT_EQ(window->LastLineIndex(), -1);
  EXPECT_EQ(panesMade, 0);
  window->Timer1Timer();
  window->Timer2Timer();
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(BadBanners, AListOfAHundredThousandLinesRotates) {
  std::string list;
  for (int i = 0; i < 99999; ++i) list += "x\r\n";
  list += "0>5>http://m.example/last";
  std::unique_ptr<TFrmmain> window = Serving(list, "11");
  ASSERT_EQ(window->LastLineIndex(), 99999);
  ASSERT_NE(Main(*window), nullptr);
  for (int i = 0; i < 2; ++i) {
    window->Timer1Timer();
    window->Timer2Timer();
  }
  EXPECT_EQ(Main(*window)->addresses,
            (std::vector<std::string>{"http://m.example/last", "http://m.example/last"}));
  EXPECT_TRUE(Top(*window)->addresses.empty());
  EXPECT_EQ(window->Timer2->interval(), 5000);
  EXPECT_TRUE(messages.errors.isEmpty());
}

// The time-out bounds the whole download, not only each silence: a server
// that never falls silent for a whole time-out still cannot hold the start.
TEST_F(BadBanners, AServerSendingOneByteASecondCannotHoldTheStart) {
  TricklingServer trickling;
  std::unique_ptr<TFrmmain> window = Open(trickling.Address(), std::chrono::milliseconds(1500));
  EXPECT_EQ(window->MainEnabled(), 0);
  EXPECT_EQ(window->TopEnabled(), 0);
  EXPECT_EQ(window->LastLineIndex(), -1);
  EXPECT_LT(trickling.bytesSent, 1000);
  EXPECT_EQ(panesMade, 0);
}

TEST_F(BadBanners, LinesOfSeparatorsOnlyShowNothing) {
  std::unique_ptr<TFrmmain> window = Serving(">\r\n>>\r\n > \r\n>>>\r\n>", "11");
  ASSERT_EQ(window->LastLineIndex(), 4);
  ASSERT_NE(Main(*window), nullptr);
  for (int i = 0; i < 3; ++i) {
    window->Timer1Timer();
    window->Timer2Timer();
  }
  EXPECT_TRUE(Main(*window)->addresses.empty());
  EXPECT_TRUE(Top(*window)->addresses.empty());
  EXPECT_EQ(window->MainIndex(), 0);
  EXPECT_EQ(window->TopIndex(), 0);
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(BadBanners, BinaryPagesSwitchNothingOnAndLoadNothingButWebAddresses) {
  std::mt19937 random(3);
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random() & 0xFF);
  {
    // A flag page of binary bytes: no switch is a digit.
    std::unique_ptr<TFrmmain> window = Serving("0>5>http://m.example/\r\n", std::string("\xFF\x00\x81\x40", 4));
    EXPECT_EQ(window->MainEnabled(), 0);
    EXPECT_EQ(window->TopEnabled(), 0);
    EXPECT_EQ(panesMade, 0);
  }
  {
    // A list of binary bytes with the panes on.
    LocalHttpServer own;
    own.Serve(std::string(kBannerListPath), binary + "\r\n1>2>http://t.example/\r\n" + binary);
    own.Serve(std::string(kBannerFlagPath), "11");
    std::unique_ptr<TFrmmain> window = Open(own.Address(), std::chrono::milliseconds(5000));
    ASSERT_NE(Top(*window), nullptr);
    for (int i = 0; i < 3; ++i) {
      window->Timer1Timer();
      window->Timer2Timer();
    }
    for (const std::string& address : Top(*window)->addresses) EXPECT_TRUE(IsWebAddress(address)) << address;
    for (const std::string& address : Main(*window)->addresses) EXPECT_TRUE(IsWebAddress(address)) << address;
    EXPECT_FALSE(Top(*window)->addresses.empty());
  }
  EXPECT_TRUE(messages.errors.isEmpty());
}
