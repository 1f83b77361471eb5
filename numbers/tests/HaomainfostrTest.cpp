#include "numbers/Haomainfostr.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "numbers/NumberConversionError.h"

namespace qorvane {
namespace {

struct LookupCase {
  const char* number;
  std::optional<int> entry;  // nothing: the fallback text
};

void PrintTo(const LookupCase& c, std::ostream* os) {
  *os << c.number << " -> " << (c.entry ? std::to_string(*c.entry) : "fallback");
}

class HaomainfostrLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(HaomainfostrLookup, SelectsTheRemainderMod81) {
  const LookupCase& c = GetParam();
  std::string expected =
      c.entry ? NumerologyEntryText(*c.entry) : std::string(kNumerologyFallback);
  EXPECT_EQ(haomainfostr(c.number), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, HaomainfostrLookup,
    ::testing::Values(LookupCase{"0", 0}, LookupCase{"81", 0}, LookupCase{"1", 1},
                      LookupCase{"82", 1}, LookupCase{"80", 80}, LookupCase{"12345", 33},
                      LookupCase{"999999999999999999", 0},  // the longest the dialogs take
                      LookupCase{"00081", 0}, LookupCase{"0000", 0}, LookupCase{"+1", 1},
                      LookupCase{"-0", 0}, LookupCase{"-81", 0}, LookupCase{"-162", 0},
                      LookupCase{"-5", std::nullopt}, LookupCase{"-80", std::nullopt},
                      LookupCase{"9223372036854775807", 25},
                      LookupCase{"-9223372036854775808", std::nullopt}));

TEST(Haomainfostr, Entry33IsBadAndOfTheReticentSuspiciousType) {
  std::string entry = haomainfostr("12345");
  EXPECT_NE(entry.find("|凶|主人性格类型：[不善表达/疑心大型]，其具体表现为："), std::string::npos)
      << entry;
}

TEST(Haomainfostr, FirstAndLastEntriesReadAsPublished) {
  EXPECT_EQ(haomainfostr("0"),
            "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，"
            "其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
            "做事喜好凭个人直觉及预感做决定。");
  EXPECT_TRUE(haomainfostr("80").starts_with("最极之数，还本归元，"));
}

TEST(Haomainfostr, FallbackHasAsciiCommaAndNoSeparator) {
  EXPECT_EQ(std::string(kNumerologyFallback), "对不起,此号不在分解之类。");
  EXPECT_EQ(kNumerologyFallback.find('|'), std::string_view::npos);
}

class HaomainfostrRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(HaomainfostrRefuses, TextThatIsNotAWholeNumber) {
  EXPECT_THROW(haomainfostr(GetParam()), NumberConversionError);
}

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, HaomainfostrRefuses,
    ::testing::Values("", " ", "+", "-", "abc", "12a", "a12", " 12", "12 ", "1 2", "+-5", "--5",
                      "-+5", "1.0", "1e3", "0x10", "１２３",  // full-width digits
                      "9223372036854775808", "-9223372036854775809",
                      "99999999999999999999999999"));

}  // namespace
}  // namespace qorvane
