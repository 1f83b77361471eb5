// The three hand-written tables of the converter: the syllable numbering that
// the generated index depends on, the number forms and the Greek letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "netname/GreekLetterNames.h"
#include "netname/NumberFormDigits.h"
#include "netname/PinyinSyllables.h"

using namespace qorvane;

namespace {

std::string_view Syllable(int number) { return PinyinSyllables[static_cast<std::size_t>(number - 1)].Text(); }

template <class Record, std::size_t N>
void ExpectZeroFilledBehindText(const Record& record, const char (&bytes)[N], std::size_t length) {
  for (std::size_t i = length; i < N; ++i) EXPECT_EQ(bytes[i], '\0') << "byte " << i << " of " << record.Text();
}

}  // namespace

TEST(PinyinSyllables, AreFourHundredFiveSevenByteRecords) {
  EXPECT_EQ(PinyinSyllables.size(), 405u);
  EXPECT_EQ(sizeof PinyinSyllables, 405u * 7u);
  for (const SyllableRecord& record : PinyinSyllables) {
    EXPECT_LE(record.length, 6);
    ExpectZeroFilledBehindText(record, record.text, record.length);
    EXPECT_TRUE(std::all_of(record.text, record.text + record.length,
                            [](char c) { return c >= 'a' && c <= 'z'; }))
        << record.Text();
  }
}

// Numbers are what the index stores: a shift anywhere would change every
// character behind it.
TEST(PinyinSyllables, KeepTheirNumbers) {
  const struct {
    int number;
    std::string_view text;
  } cases[] = {
      {1, "a"},      {20, "bo"},     {43, "chuang"}, {84, "fu"},    {85, "fou"},   {91, "ge"},
      {92, "ji"},    {93, "gen"},    {126, "jiang"}, {127, "qiao"}, {128, "jiao"}, {165, "lia"},
      {177, "lue"},  {219, "nue"},   {220, "yao"},   {221, "nuo"},  {290, "shuang"}, {351, "yo"},
      {376, "zhong"}, {382, "zhuang"}, {393, "zuo"}, {394, ""},     {395, "ei"},   {396, "m"},
      {397, "n"},    {398, "dia"},   {399, "cen"},   {400, "nou"},  {401, "jv"},   {402, "qv"},
      {403, "xv"},   {404, "lv"},    {405, "nv"},
  };
  for (const auto& c : cases) EXPECT_EQ(Syllable(c.number), c.text) << "syllable " << c.number;
}

TEST(PinyinSyllables, HoldEachSyllableOnceAndNeitherFoNorGei) {
  std::set<std::string_view> seen;
  for (int n = 1; n <= 405; ++n) {
    if (n == 394) continue;
    EXPECT_TRUE(seen.insert(Syllable(n)).second) << "duplicate " << Syllable(n) << " at " << n;
  }
  EXPECT_EQ(seen.count("fo"), 0u);
  EXPECT_EQ(seen.count("gei"), 0u);
}

TEST(NumberFormDigits, FollowTheRowOfNumberForms) {
  EXPECT_EQ(sizeof NumberFormDigits, 94u * 3u);
  // (trail byte, conversion): the ends of every run and of every gap.
  const struct {
    int trail;
    std::string_view text;
  } cases[] = {
      {0xA1, "1"}, {0xAA, "10"}, {0xAB, ""},  {0xB0, ""},   {0xB1, "1"}, {0xC4, "20"}, {0xC5, "1"},
      {0xD8, "20"}, {0xD9, "1"}, {0xE2, "10"}, {0xE3, ""},  {0xE4, ""},  {0xE5, "1"},  {0xEE, "10"},
      {0xEF, ""},  {0xF0, ""},   {0xF1, "1"}, {0xFC, "12"}, {0xFD, ""},  {0xFE, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberFormDigits[static_cast<std::size_t>(c.trail - 0xA1)].Text(), c.text) << std::hex << c.trail;
  }
  for (const ShortRecord& record : NumberFormDigits) ExpectZeroFilledBehindText(record, record.text, record.length);
}

TEST(GreekLetterNames, TransliterateTheAlphabet) {
  const char* expected[] = {"a", "b", "g", "d", "e", "z", "e", "th", "i", "k", "l", "m",
                            "n", "x", "o", "p", "r", "s", "t", "u", "ph", "kh", "ps", "o"};
  ASSERT_EQ(GreekLetterNames.size(), std::size(expected));
  EXPECT_EQ(sizeof GreekLetterNames, 24u * 3u);
  for (std::size_t i = 0; i < GreekLetterNames.size(); ++i) {
    EXPECT_EQ(GreekLetterNames[i].Text(), expected[i]) << "letter " << i;
    ExpectZeroFilledBehindText(GreekLetterNames[i], GreekLetterNames[i].text, GreekLetterNames[i].length);
  }
}
