// The net-name reading: the last surviving letter of a name picks its text.
#include <gtest/gtest.h>

#include "netname/DigitsToLetters.h"
#include "netname/LetterPersonalities.h"
#include "netname/NetNameReading.h"
#include "text/GbkCodec.h"

using namespace qorvane;

TEST(NetNameReading, PicksTheTextOfTheLastSurvivingCharacter) {
  const struct {
    const char* name;
    const char* key;  // "" where no row answers
  } cases[] = {
      {"ABC", "c"},     {"小明", "m"},    {"TOM2", "b"},   {"李四", "s"},   {"丽丽佛", ""},
      {"!!!", ""},      {"ABC!", "c"},    {"abc", "c"},    {"X0", "j"},     {"X9", "i"},
      {"⑩", "j"},       {"Ⅻ", "b"},       {"Θ", "h"},      {"ｘ", "x"},     {"小明。", ""},
      {"", ""},         {"中国人", "r"},  {"F", "f"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NetNameReading(c.name), LetterPersonality(c.key)) << c.name;
  }
  EXPECT_EQ(NetNameReading("小明"), "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  // The text comes as the table holds it; whoever shows it trims it.
  EXPECT_EQ(NetNameReading("F"), " 有抱负，志气高");
}

TEST(NetNameReading, FailsForWhatGbkCannotEncode) {
  EXPECT_THROW(NetNameReading("小明\xF0\x9F\x98\x80"), EncodingError);  // emoji
  EXPECT_THROW(NetNameReading("\xFF\xFE"), EncodingError);              // not UTF-8
}

TEST(LetterPersonalities, HaveARowForEachSmallLetterOnly) {
  ASSERT_EQ(LetterPersonalities.size(), 26u);
  EXPECT_EQ(LetterPersonality("a"), "好奇心强，专一");
  EXPECT_EQ(LetterPersonality("h"), " 自立，自强，可依靠 ");
  EXPECT_EQ(LetterPersonality("z"), "老实，想问题容易兜圈子");
  for (const char* key : {"", "?", "A", "ab", "0", "{", "`"}) EXPECT_EQ(LetterPersonality(key), "") << key;
}

TEST(DigitsToLetters, ReplaceEveryDigit) {
  EXPECT_EQ(ReplaceDigitsByLetters("0123456789"), "JABCDEFGHI");
  EXPECT_EQ(ReplaceDigitsByLetters("TOM22?"), "TOMBB?");
}
