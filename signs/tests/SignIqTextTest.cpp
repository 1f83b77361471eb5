#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "signs/SignIqText.h"
#include "text/GbkCodec.h"

using qorvane::SignIqText;

namespace {

struct IqCase {
  std::string_view signName;
  std::string_view prefix;  // "智商：" + the score in three columns + "。"
};

constexpr IqCase kIqCases[] = {
    {"水瓶座", "智商：102。"}, {"白羊座", "智商： 80。"}, {"金牛座", "智商：110。"},
    {"双子座", "智商：130。"}, {"巨蟹座", "智商： 90。"}, {"狮子座", "智商：100。"},
    {"处女座", "智商：105。"}, {"天秤座", "智商： 95。"}, {"天蝎座", "智商：120。"},
    {"射手座", "智商：125。"}, {"摩羯座", "智商： 90。"}, {"双鱼座", "智商： 75。 "},
};

std::size_t CodePoints(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

}  // namespace

TEST(SignIqText, EverySignHasItsScoreInThreeColumnsThenAboutNinetyCharactersOfProse) {
  for (const auto& [signName, prefix] : kIqCases) {
    SCOPED_TRACE(std::string(signName));
    const std::string_view text = SignIqText(signName);
    ASSERT_TRUE(text.starts_with(prefix));
    const std::string_view prose = text.substr(prefix.size());
    ASSERT_FALSE(prose.empty());
    EXPECT_NE(prose.front(), ' ');  // only Pisces has the extra space, and exactly one
    EXPECT_GE(CodePoints(prose), 70u);
    EXPECT_LE(CodePoints(prose), 110u);
    // The report is saved as GBK: every character must have a GBK code.
    EXPECT_NO_THROW(qorvane::Utf8ToGbk(text));
  }
}

TEST(SignIqText, GeminiOpensWithItsFixedSentence) {
  EXPECT_TRUE(SignIqText("双子座").starts_with("智商：130。天生聪明，反应敏捷，文武双全。"));
}

TEST(SignIqText, CapricornSharesCancersEntrySoTwelveSignsHaveElevenTexts) {
  const std::string_view cancer = SignIqText("巨蟹座");
  const std::string_view capricorn = SignIqText("摩羯座");
  EXPECT_EQ(capricorn, cancer);
  EXPECT_EQ(capricorn.data(), cancer.data());  // stored once, not a copy

  std::set<std::string_view> distinct;
  for (const auto& iqCase : kIqCases) distinct.insert(SignIqText(iqCase.signName));
  EXPECT_EQ(distinct.size(), 11u);
}

TEST(SignIqText, AnyOtherNameGetsTheFallback) {
  for (std::string_view name : {"", "白羊", "白羊座 ", " 白羊座", "白羊座座", "Aries", "牡羊座"}) {
    EXPECT_EQ(SignIqText(name), "请听下回分解!") << name;
  }
}
