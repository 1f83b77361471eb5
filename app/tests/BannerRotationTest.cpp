#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include "app/BannerList.h"
#include "app/TFrmmain.h"
#include "app/platform/BrowserPane.h"
#include "app/platform/GradientPanel.h"
#include "app/tests/LocalHttpServer.h"
#include "app/tests/RecordingPane.h"

using namespace qorvane;
using qorvane::testing::LocalHttpServer;
using qorvane::testing::RecordingPane;

namespace {

// The list and flag pages as the server hands them out.
struct ServerPages {
  std::vector<LocalHttpServer::Response> list;
  std::vector<LocalHttpServer::Response> flags;
};

LocalHttpServer::Response Page(const std::string& body) { return {200, body, {}}; }

class BannerWindow : public ::testing::Test {
 protected:
  // A main window whose banner server is `address`; the panes it makes are recorded.
  std::unique_ptr<TFrmmain> Open(const std::string& address) {
    MainWindowServices services;
    services.contentDirectory = QORVANE_BINARY_DIR;
    services.bannerServer = address;
    services.bannerDownloadLimits.timeout = std::chrono::milliseconds(500);
    services.browserPaneFactory = [this](QWidget* parent) -> std::unique_ptr<BrowserPane> {
      panelsAsked.push_back(parent);
      if (!browserAvailable) return nullptr;
      return std::make_unique<RecordingPane>(parent);
    };
    return std::make_unique<TFrmmain>(std::move(services));
  }

  std::unique_ptr<TFrmmain> OpenWith(const ServerPages& pages) {
    if (!pages.list.empty()) server.Serve(std::string(kBannerListPath), pages.list);
    if (!pages.flags.empty()) server.Serve(std::string(kBannerFlagPath), pages.flags);
    return Open(server.Address());
  }

  std::unique_ptr<TFrmmain> OpenWith(const std::string& list, const std::string& flags) {
    return OpenWith({{Page(list)}, {Page(flags)}});
  }

  static RecordingPane* MainPane(TFrmmain& window) { return static_cast<RecordingPane*>(window.EmbeddedWB1); }
  static RecordingPane* TopPane(TFrmmain& window) { return static_cast<RecordingPane*>(window.EmbeddedWB2); }

  LocalHttpServer server;
  std::vector<QWidget*> panelsAsked;
  bool browserAvailable = true;
};

const std::string kTwoPanesList =
    "0>5>http://m.example/0\r\n"
    "1>6>http://t.example/1\r\n"
    "0>7>http://m.example/2\r\n"
    "1>8>http://t.example/3\r\n";

// One step of each timer, as their ticks would run.
void StepBoth(TFrmmain& window) {
  window.Timer1Timer();
  window.Timer2Timer();
}

}  // namespace

TEST_F(BannerWindow, TheFlagsSwitchEachPane) {
  struct Case {
    const char* flags;
    int main, top;
  } cases[] = {
      {"11", 1, 1}, {"10", 1, 0}, {"01", 0, 1}, {"00", 0, 0}, {"29", 2, 9},
      {"1", 0, 0},     // one character: no second flag, both off
      {"x1", 0, 0},    // not a digit
      {"1x", 0, 0},
  };
  for (const Case& c : cases) {
    panelsAsked.clear();
    std::unique_ptr<TFrmmain> window = OpenWith(kTwoPanesList, c.flags);
    EXPECT_EQ(window->MainEnabled(), c.main) << c.flags;
    EXPECT_EQ(window->TopEnabled(), c.top) << c.flags;
    // Only a pane that is switched on has a browser at all.
    EXPECT_EQ(window->EmbeddedWB1 != nullptr, c.main != 0) << c.flags;
    EXPECT_EQ(window->EmbeddedWB2 != nullptr, c.top != 0) << c.flags;
    EXPECT_EQ(panelsAsked.size(), std::size_t(c.main != 0) + std::size_t(c.top != 0)) << c.flags;
    StepBoth(*window);
    if (c.main) {
      EXPECT_EQ(MainPane(*window)->addresses, std::vector<std::string>{"http://m.example/0"}) << c.flags;
    }
    if (c.top) {
      EXPECT_EQ(TopPane(*window)->addresses, std::vector<std::string>{"http://t.example/1"}) << c.flags;
    }
  }
}

TEST_F(BannerWindow, TheTopSwitchComesFromTheSecondAnswerOfTheFlagPage) {
  std::unique_ptr<TFrmmain> window = OpenWith({{Page(kTwoPanesList)}, {Page("10"), Page("01")}});
  EXPECT_EQ(window->MainEnabled(), 1);
  EXPECT_EQ(window->TopEnabled(), 1);
  EXPECT_EQ(server.RequestedPaths(), (std::vector<std::string>{std::string(kBannerListPath),
                                                                std::string(kBannerFlagPath),
                                                                std::string(kBannerFlagPath)}));
}

TEST_F(BannerWindow, SwitchedOnPanesLieInTheirPanelsAndWaitForTheirTimers) {
  std::unique_ptr<TFrmmain> window = OpenWith(kTwoPanesList, "11");
  ASSERT_NE(window->EmbeddedWB1, nullptr);
  ASSERT_NE(window->EmbeddedWB2, nullptr);
  EXPECT_EQ(window->EmbeddedWB1->widget()->parentWidget(), static_cast<QWidget*>(window->RzPanel4));
  EXPECT_EQ(window->EmbeddedWB1->widget()->geometry(), QRect(186, 170, 612, 345));
  EXPECT_EQ(window->EmbeddedWB2->widget()->parentWidget(), static_cast<QWidget*>(window->RzPanel1));
  EXPECT_EQ(window->EmbeddedWB2->widget()->geometry(), QRect(-12, -16, 803, 107));
  EXPECT_TRUE(MainPane(*window)->browserVisible);
  EXPECT_TRUE(MainPane(*window)->addresses.empty());  // blank until the first tick
  for (QTimer* timer : {window->Timer1, window->Timer2}) {
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
  }
  EXPECT_EQ(window->LastLineIndex(), 3);
  EXPECT_EQ(window->Memo1->toPlainText().toStdString(),
            "0>5>http://m.example/0\n1>6>http://t.example/1\n0>7>http://m.example/2\n1>8>http://t.example/3");
  EXPECT_FALSE(window->Memo1->isVisibleTo(window.get()));
}

TEST_F(BannerWindow, AnEmptyListHidesBothPanes) {
  std::unique_ptr<TFrmmain> window = OpenWith("", "11");
  EXPECT_EQ(window->LastLineIndex(), -1);
  ASSERT_NE(window->EmbeddedWB1, nullptr);
  ASSERT_NE(window->EmbeddedWB2, nullptr);
  EXPECT_FALSE(MainPane(*window)->browserVisible);
  EXPECT_FALSE(TopPane(*window)->browserVisible);
  EXPECT_EQ(window->EmbeddedWB1->widget()->pos(), QPoint(186, -1000));
  EXPECT_EQ(window->EmbeddedWB2->widget()->pos(), QPoint(-12, -200));
  StepBoth(*window);
  EXPECT_TRUE(MainPane(*window)->addresses.empty());
  EXPECT_TRUE(TopPane(*window)->addresses.empty());
}

TEST_F(BannerWindow, AFailedDownloadSwitchesBothPanesOff) {
  struct Case {
    const char* what;
    ServerPages pages;
    int lastLineIndex;  // what the list kept
  } cases[] = {
      {"list 404", {{{404, "gone", {}}}, {Page("11")}}, -1},
      {"flags 404", {{Page(kTwoPanesList)}, {{404, "gone", {}}}}, 3},
      {"flags 404 the second time", {{Page(kTwoPanesList)}, {Page("11"), {404, "gone", {}}}}, 3},
  };
  for (const Case& c : cases) {
    LocalHttpServer own;
    if (!c.pages.list.empty()) own.Serve(std::string(kBannerListPath), c.pages.list);
    if (!c.pages.flags.empty()) own.Serve(std::string(kBannerFlagPath), c.pages.flags);
    panelsAsked.clear();
    std::unique_ptr<TFrmmain> window = Open(own.Address());
    EXPECT_EQ(window->MainEnabled(), 0) << c.what;
    EXPECT_EQ(window->TopEnabled(), 0) << c.what;
    EXPECT_EQ(window->LastLineIndex(), c.lastLineIndex) << c.what;
    EXPECT_TRUE(panelsAsked.empty()) << c.what;  // the browser never starts
  }
}

TEST_F(BannerWindow, NoServerOrASilentOneSwitchesBothPanesOff) {
  LocalHttpServer silent(LocalHttpServer::Behaviour::NeverAnswer);
  for (const std::string& address : {LocalHttpServer::ClosedAddress(), silent.Address(), std::string()}) {
    panelsAsked.clear();
    std::unique_ptr<TFrmmain> window = Open(address);
    EXPECT_EQ(window->MainEnabled(), 0) << address;
    EXPECT_EQ(window->TopEnabled(), 0) << address;
    EXPECT_EQ(window->LastLineIndex(), -1) << address;
    EXPECT_TRUE(panelsAsked.empty()) << address;
    StepBoth(*window);  // steps of panes that are off do nothing
  }
  // The silent server got the list request and held it until the time-out.
  EXPECT_EQ(silent.RequestedPaths(), std::vector<std::string>{std::string(kBannerListPath)});
}

TEST_F(BannerWindow, WithoutABrowserThePanesStayOffAndTheProgramRunsOn) {
  browserAvailable = false;
  std::unique_ptr<TFrmmain> window = OpenWith(kTwoPanesList, "11");
  EXPECT_EQ(panelsAsked.size(), 2u);
  EXPECT_EQ(window->EmbeddedWB1, nullptr);
  EXPECT_EQ(window->EmbeddedWB2, nullptr);
  StepBoth(*window);
  EXPECT_EQ(window->MainIndex(), 0);
  EXPECT_EQ(window->TopIndex(), 0);
}

TEST_F(BannerWindow, EachPaneRotatesThroughItsOwnLinesAtTheirIntervals) {
  std::unique_ptr<TFrmmain> window = OpenWith(kTwoPanesList, "11");
  RecordingPane* top = TopPane(*window);
  RecordingPane* main = MainPane(*window);
  ASSERT_TRUE(top && main);

  std::vector<std::pair<std::string, int>> topSteps, mainSteps;
  for (int i = 0; i < 4; ++i) {
    window->Timer1Timer();
    topSteps.emplace_back(top->addresses.back(), window->Timer1->interval());
  }
  for (int i = 0; i < 5; ++i) {
    const std::size_t before = main->addresses.size();
    window->Timer2Timer();
    mainSteps.emplace_back(main->addresses.size() > before ? main->addresses.back() : "-",
                           window->Timer2->interval());
  }
  EXPECT_EQ(topSteps, (std::vector<std::pair<std::string, int>>{{"http://t.example/1", 6000},
                                                                 {"http://t.example/3", 8000},
                                                                 {"http://t.example/1", 6000},
                                                                 {"http://t.example/3", 8000}}));
  // After line 2 the main pane finds nothing, keeps line 2 for one more
  // interval and starts again from the first line.
  EXPECT_EQ(mainSteps, (std::vector<std::pair<std::string, int>>{{"http://m.example/0", 5000},
                                                                  {"http://m.example/2", 7000},
                                                                  {"-", 7000},
                                                                  {"http://m.example/0", 5000},
                                                                  {"http://m.example/2", 7000}}));
  EXPECT_TRUE(window->Timer1->isActive());
  EXPECT_TRUE(window->Timer2->isActive());
}

TEST_F(BannerWindow, UnusualListsStepAsTheListSays) {
  struct Case {
    const char* what;
    std::string list;
    int steps;
    std::vector<std::string> shown;  // the main pane's loads over the steps
    int interval;                    // the main timer's interval afterwards
    bool running;
  } cases[] = {
      {"one line of the type: reloaded at every step", "1>3>http://t.example/\r\n0>4>http://m.example/only", 3,
       {"http://m.example/only", "http://m.example/only", "http://m.example/only"}, 4000, true},
      {"no line of the type: visible, blank, unchanged", "1>3>http://t.example/\r\n2>4>http://m.example/", 3, {},
       1000, true},
      {"an address with '>'", "0>4>http://m.example/?a=1>2>3", 1, {"http://m.example/?a=1>2>3"}, 4000, true},
      {"seconds 0: the page stays for good", "0>0>http://m.example/stay\r\n0>4>http://m.example/next", 1,
       {"http://m.example/stay"}, 0, false},
      {"seconds not a number: the interval stays, the step advances",
       "0>4>http://m.example/a\r\n0>soon>http://m.example/b\r\n0>6>http://m.example/c", 3,
       {"http://m.example/a", "http://m.example/b", "http://m.example/c"}, 6000, true},
      {"a file address is skipped", "0>4>file:///etc/passwd\r\n0>5>http://m.example/web", 2,
       {"http://m.example/web", "http://m.example/web"}, 5000, true},
  };
  for (const Case& c : cases) {
    LocalHttpServer own;
    own.Serve(std::string(kBannerListPath), c.list);
    own.Serve(std::string(kBannerFlagPath), "11");
    std::unique_ptr<TFrmmain> window = Open(own.Address());
    RecordingPane* main = MainPane(*window);
    ASSERT_NE(main, nullptr) << c.what;
    for (int i = 0; i < c.steps; ++i) window->Timer2Timer();
    EXPECT_EQ(main->addresses, c.shown) << c.what;
    EXPECT_EQ(main->browserVisible, true) << c.what;
    if (c.running) {
      EXPECT_EQ(window->Timer2->interval(), c.interval) << c.what;
    }
    EXPECT_EQ(window->Timer2->isActive(), c.running) << c.what;
  }
}

TEST_F(BannerWindow, SecondsZeroStopsOnlyItsOwnPane) {
  std::unique_ptr<TFrmmain> window = OpenWith("0>0>http://m.example/\r\n1>9>http://t.example/", "11");
  StepBoth(*window);
  EXPECT_FALSE(window->Timer2->isActive());
  EXPECT_TRUE(window->Timer1->isActive());
  EXPECT_EQ(window->Timer1->interval(), 9000);
}
