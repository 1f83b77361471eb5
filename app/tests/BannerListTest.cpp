#include <gtest/gtest.h>

#include "app/BannerList.h"

using namespace qorvane;

using Lines = std::vector<std::string>;

TEST(BannerList, SplitsAtEveryLineBreakButOpensNoLineAtTheEnd) {
  const std::pair<const char*, Lines> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\nb\rc", {"a", "b", "c"}},
      {"\r\n", {""}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitBannerLines(text), lines) << text;
}

TEST(BannerList, APageThatIsNotUtf8IsReadAsGbk) {
  EXPECT_EQ(BannerPageText("1>5>http://a.example/\xe6\x98\x9f"), "1>5>http://a.example/\xe6\x98\x9f");
  EXPECT_EQ(BannerPageText("1>5>http://a.example/\xd0\xc7"), "1>5>http://a.example/\xe6\x98\x9f");  // 星
}

TEST(BannerList, GetBannerFieldSplitsAtTheFirstTwoSeparatorsOnly) {
  struct Case {
    const char* line;
    const char* type;
    const char* seconds;
    const char* address;
  } cases[] = {
      {"1>20>http://a.example/x", "1", "20", "http://a.example/x"},
      {"  0>5>  http://a.example/  \t", "0", "5", "http://a.example/"},  // the line and the address trimmed
      {"0 > 5 >http://a.example/", "0 ", " 5 ", "http://a.example/"},    // type and seconds are not
      {"1>30>http://a.example/?q=a>b>c", "1", "30", "http://a.example/?q=a>b>c"},
      {"1>http://a.example/", "1", "", "http://a.example/"},  // one ">": no seconds, the rest is the address
      {"0", "", "", ""},                                      // no ">": no type at all
      {">>", "", "", ""},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    const Lines lines{"x>1>http://other.example/", c.line};
    EXPECT_EQ(GetBannerField(lines, 0, 1), c.type) << c.line;
    EXPECT_EQ(GetBannerField(lines, 1, 1), c.seconds) << c.line;
    EXPECT_EQ(GetBannerField(lines, 2, 1), c.address) << c.line;
  }
}

TEST(BannerList, GetBannerFieldOutsideTheListIsEmpty) {
  const Lines lines{"1>20>http://a.example/"};
  EXPECT_EQ(GetBannerField(lines, 0, -1), "");
  EXPECT_EQ(GetBannerField(lines, 0, 1), "");
  EXPECT_EQ(GetBannerField(lines, 3, 0), "");
  EXPECT_EQ(GetBannerField({}, 0, 0), "");
}

TEST(BannerList, FlagDigitReadsOneDecimalCharacter) {
  const std::tuple<const char*, std::size_t, std::optional<int>> cases[] = {
      {"10", 0, 1}, {"10", 1, 0}, {"29", 0, 2}, {"29", 1, 9}, {"1", 1, std::nullopt},
      {"", 0, std::nullopt}, {"x1", 0, std::nullopt}, {" 1", 0, std::nullopt}, {"1-", 1, std::nullopt},
  };
  for (const auto& [page, position, digit] : cases) EXPECT_EQ(FlagDigit(page, position), digit) << page;
}

namespace {

// Pages handed out in turn; a missing page is a failed download.
struct Downloads {
  std::vector<std::optional<std::string>> pages;
  std::size_t calls = 0;
  PageDownload Fetch() {
    return [this]() -> std::optional<std::string> { return calls < pages.size() ? pages[calls++] : std::nullopt; };
  }
};

}  // namespace

TEST(BannerList, StartBannersTakesTheSwitchesFromTwoFlagDownloads) {
  struct Case {
    const char* what;
    std::optional<std::string> list;
    std::vector<std::optional<std::string>> flags;
    std::string listText;
    int main, top;
    std::size_t flagCalls;
  } cases[] = {
      {"both on", "L", {"11", "11"}, "L", 1, 1, 2},
      {"top from the second answer", "L", {"10", "01"}, "L", 1, 1, 2},
      {"main only", "L", {"10", "10"}, "L", 1, 0, 2},
      {"digits above 1", "L", {"37", "37"}, "L", 3, 7, 2},
      {"list failed: nothing else asked", std::nullopt, {"11", "11"}, "", 0, 0, 0},
      {"first flags failed", "L", {std::nullopt, "11"}, "L", 0, 0, 1},
      {"first flag not a digit: no second download", "L", {"a1", "11"}, "L", 0, 0, 1},
      {"second answer too short", "L", {"11", "1"}, "L", 0, 0, 2},
      {"second flags failed", "L", {"11", std::nullopt}, "L", 0, 0, 2},
  };
  for (const Case& c : cases) {
    Downloads list{{c.list}};
    Downloads flags{c.flags};
    BannerStart start = StartBanners(list.Fetch(), flags.Fetch());
    EXPECT_EQ(start.listText, c.listText) << c.what;
    EXPECT_EQ(start.MainEnabled, c.main) << c.what;
    EXPECT_EQ(start.TopEnabled, c.top) << c.what;
    EXPECT_EQ(list.calls, 1u) << c.what;
    EXPECT_EQ(flags.calls, c.flagCalls) << c.what;
  }
}

TEST(BannerList, OnlyHttpAndHttpsAddressesAreWebAddresses) {
  const std::pair<const char*, bool> cases[] = {
      {"http://a.example/", true},    {"https://a.example/x?y", true}, {"HTTP://A.EXAMPLE/", true},
      {"file:///etc/passwd", false},  {"javascript:alert(1)", false},  {"data:text/html,<b>x</b>", false},
      {"ftp://a.example/", false},    {"http:a.example", false},       {"http://", false},
      {"//a.example/", false},        {"", false},
  };
  for (const auto& [address, web] : cases) EXPECT_EQ(IsWebAddress(address), web) << address;
}

TEST(BannerList, ASecondsFieldIsAnIntervalOnlyWhenAWholeNumber) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"20", 20000},        {"0", 0},     {"007", 7000},           {"2147483", 2147483000},
      {"2147484", std::nullopt},          {"99999999999999", std::nullopt},
      {"", std::nullopt},   {"2.5", std::nullopt}, {"-1", std::nullopt}, {" 20", std::nullopt},
      {"20 ", std::nullopt}, {"abc", std::nullopt},
  };
  for (const auto& [seconds, interval] : cases) EXPECT_EQ(BannerIntervalMs(seconds), interval) << seconds;
}

namespace {

// The addresses a pane shows over `steps` steps, "-" where a step finds nothing.
std::vector<std::string> Shown(const Lines& lines, std::string_view type, int steps) {
  std::vector<std::string> shown;
  int index = 0;
  for (int i = 0; i < steps; ++i) {
    BannerStep step = StepBanner(lines, index, type);
    shown.push_back(step.address.value_or("-"));
    index = step.nextIndex;
  }
  return shown;
}

}  // namespace

TEST(BannerList, EachPaneCyclesThroughTheLinesOfItsType) {
  const Lines lines{"0>5>http://m.example/0", "1>6>http://t.example/1", "0>7>http://m.example/2",
                    "1>8>http://t.example/3"};
  EXPECT_EQ(Shown(lines, "1", 4),
            (std::vector<std::string>{"http://t.example/1", "http://t.example/3", "http://t.example/1",
                                      "http://t.example/3"}));
  // After line 2 the main pane's search finds nothing and starts again at 0.
  EXPECT_EQ(Shown(lines, "0", 5), (std::vector<std::string>{"http://m.example/0", "http://m.example/2", "-",
                                                             "http://m.example/0", "http://m.example/2"}));
}

TEST(BannerList, LinesThatCannotBeShownAreSkipped) {
  const Lines lines{"",
                    "0 >5>http://m.example/blank-type",
                    "0>5>file:///etc/passwd",
                    "0>5>javascript:alert(1)",
                    "2>5>http://m.example/other-type",
                    "no separator at all",
                    "0>5>http://m.example/shown"};
  EXPECT_EQ(Shown(lines, "0", 2), (std::vector<std::string>{"http://m.example/shown", "http://m.example/shown"}));
  EXPECT_EQ(Shown(lines, "1", 2), (std::vector<std::string>{"-", "-"}));
}

TEST(BannerList, AStepWithoutAWholeNumberOfSecondsStillShowsAndAdvances) {
  const Lines lines{"0>soon>http://m.example/a", "0>9>http://m.example/b"};
  BannerStep step = StepBanner(lines, 0, "0");
  EXPECT_EQ(step.address, "http://m.example/a");
  EXPECT_EQ(step.intervalMs, std::nullopt);
  EXPECT_EQ(step.nextIndex, 1);
  step = StepBanner(lines, step.nextIndex, "0");
  EXPECT_EQ(step.address, "http://m.example/b");
  EXPECT_EQ(step.intervalMs, 9000);
  EXPECT_EQ(step.nextIndex, 0);
}

TEST(BannerList, ABlankListDoesNothing) {
  for (const Lines& lines : {Lines{}, Lines{"", "  \t"}}) {
    BannerStep step = StepBanner(lines, 0, "0");
    EXPECT_EQ(step.address, std::nullopt);
    EXPECT_EQ(step.intervalMs, std::nullopt);
    EXPECT_EQ(step.nextIndex, 0);
  }
}
