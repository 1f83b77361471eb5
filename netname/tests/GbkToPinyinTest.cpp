// The conversion rules, driven with GBK bytes as a caller hands them in.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "netname/GbkToPinyin.h"
#include "text/GbkCodec.h"

using namespace qorvane;

namespace {

std::string Convert(const std::string& utf8, std::int32_t flags, std::int32_t maxLength = 255) {
  return GbkToPinyin(Utf8ToGbk(utf8), flags, maxLength);
}

struct Case {
  const char* label;
  std::string gbk;
  std::int32_t flags;
  std::int32_t maxLength;
  std::string expected;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(GbkToPinyin(c.gbk, c.flags, c.maxLength), c.expected) << c.label;
}

}  // namespace

TEST(GbkToPinyin, WorkedExamples) {
  ExpectAll({
      {"中国 initials", Utf8ToGbk("中国"), 0, 255, "ZG"},
      {"中国 whole", Utf8ToGbk("中国"), PinyinWhole, 255, "ZHONGGUO"},
      {"Tom猫", Utf8ToGbk("Tom猫"), 0, 255, "TOMM"},
      {"a-b c", "a-b c", 0, 255, "ABC"},
      {"a-b c all bytes", "a-b c", PinyinAllBytes, 255, "A-B C"},
      {"佛", Utf8ToGbk("佛"), 0, 255, ""},
      {"佛 marked", Utf8ToGbk("佛"), PinyinMarkUnmapped, 255, "?"},
      {"、 marked", "\xA1\xA2", PinyinMarkUnmapped, 255, "?"},
      {"full-width", Utf8ToGbk("ａＢ１"), 0, 255, "aB1"},
      {"numerals", Utf8ToGbk("①⑽Ⅻ"), 0, 255, "11012"},
      {"Greek", Utf8ToGbk("Θω"), 0, 255, "THO"},
      {"女绿", Utf8ToGbk("女绿"), PinyinWhole, 255, "NVLV"},
      {"中国人 cut", Utf8ToGbk("中国人"), PinyinWhole, 3, "ZHO"},
  });
}

TEST(GbkToPinyin, EmptyTextAndNegativeFlagsGiveNothing) {
  for (std::int32_t flags = 0; flags <= 7; ++flags) EXPECT_EQ(GbkToPinyin("", flags, 255), "") << flags;
  for (std::int32_t flags : {-1, -4, INT_MIN}) {
    EXPECT_EQ(GbkToPinyin(Utf8ToGbk("中国abc!"), flags, 255), "") << flags;
  }
}

TEST(GbkToPinyin, SingleBytesSurviveOnlyAsLettersAndDigitsUnlessAllBytes) {
  const std::string punctuation = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ ";
  ExpectAll({
      {"punctuation", punctuation, 0, 255, ""},
      {"punctuation marked", punctuation, PinyinMarkUnmapped, 255, ""},
      {"punctuation all bytes", punctuation, PinyinAllBytes, 255, punctuation},
      {"letters upper-cased", "azAZ09", 0, 255, "AZAZ09"},
      {"control and 0x80", std::string("\t\x80x", 3), 0, 255, "X"},
      {"control and 0x80 kept", std::string("\t\x80x", 3), PinyinAllBytes, 255, "\t\x80X"},
  });
}

TEST(GbkToPinyin, CharactersWithoutConversion) {
  for (const char* c : {"佛", "给", "髟", "、", "。"}) {
    EXPECT_EQ(Convert(c, 0), "") << c;
    EXPECT_EQ(Convert(c, PinyinMarkUnmapped), "?") << c;
    EXPECT_EQ(Convert(c, PinyinMarkUnmapped | PinyinWhole | PinyinAllBytes), "?") << c;
  }
  ExpectAll({
      {"empty number form", "\xA2\xAB", PinyinMarkUnmapped, 255, ""},
      {"row A2 below A1", "\xA2\x41", PinyinMarkUnmapped, 255, "?"},
      {"A6 outside Greek", "\xA6\xB9", 0, 255, ""},
      {"A6 outside Greek marked", "\xA6\xB9", PinyinMarkUnmapped, 255, "?"},
      {"column 7F", "\xB0\x7F", PinyinMarkUnmapped, 255, "?"},
      {"lead FF", "\xFF\x41", PinyinMarkUnmapped, 255, "?"},
      {"trail FF", "\xB0\xFF", PinyinMarkUnmapped, 255, "?"},
      {"user-defined area", "\xAA\xA1", PinyinMarkUnmapped, 255, "?"},
  });
}

TEST(GbkToPinyin, FullWidthRowKeepsCaseAndNeverMarks) {
  ExpectAll({
      {"ａ stays small", "\xA3\xE1", 0, 255, "a"},
      {"ASCII a is upper-cased", "a", 0, 255, "A"},
      {"！ dropped", "\xA3\xA1", PinyinMarkUnmapped, 255, ""},
      {"！ kept", "\xA3\xA1", PinyinAllBytes, 255, "!"},
      {"Ｚ９", "\xA3\xDA\xA3\xB9", 0, 255, "Z9"},
      // Trail bytes below 0xA1 wrap around modulo 256.
      {"trail 0x81", "\xA3\x81", PinyinAllBytes, 255, "\x01"},
      {"trail 0x41", "\xA3\x41", PinyinAllBytes, 255, "\xC1"},
  });
}

TEST(GbkToPinyin, NumberFormsAndGreekLettersFollowTheirGlyphs) {
  const struct {
    const char* characters;
    int first;
  } runs[] = {
      {"ⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹ", 1}, {"⒈⒉⒊⒋⒌⒍⒎⒏⒐⒑⒒⒓⒔⒕⒖⒗⒘⒙⒚⒛", 1},
      {"⑴⑵⑶⑷⑸⑹⑺⑻⑼⑽⑾⑿⒀⒁⒂⒃⒄⒅⒆⒇", 1}, {"①②③④⑤⑥⑦⑧⑨⑩", 1},
      {"㈠㈡㈢㈣㈤㈥㈦㈧㈨㈩", 1}, {"ⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩⅪⅫ", 1},
  };
  for (const auto& run : runs) {
    const std::string gbk = Utf8ToGbk(run.characters);
    for (std::size_t i = 0; i < gbk.size(); i += 2) {
      EXPECT_EQ(GbkToPinyin(gbk.substr(i, 2), PinyinMarkUnmapped, 255), std::to_string(run.first + i / 2))
          << run.characters << " #" << i / 2;
    }
  }
  const std::string names = "ABGDEZETHIKLMNXOPRSTUPHKHPSO";
  EXPECT_EQ(Convert("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ", 0), names);
  EXPECT_EQ(Convert("αβγδεζηθικλμνξοπρστυφχψω", 0), names);
}

TEST(GbkToPinyin, CutsTheResultToMaxLength) {
  const std::string text = Utf8ToGbk("中国人");
  ExpectAll({
      {"inside a syllable", text, PinyinWhole, 3, "ZHO"},
      {"exactly", text, PinyinWhole, 11, "ZHONGGUOREN"},
      {"longer", text, PinyinWhole, 12, "ZHONGGUOREN"},
      {"zero", text, PinyinWhole, 0, ""},
      {"negative", text, PinyinWhole, -5, ""},
      {"initials", text, 0, 2, "ZG"},
  });
}

TEST(GbkToPinyin, MalformedLeadBytesAreSingleBytes) {
  ExpectAll({
      {"lead byte at the end", "A\xD6", 0, 255, "A"},
      {"lead byte at the end kept", "A\xD6", PinyinAllBytes, 255, "A\xD6"},
      {"lead byte at the end marked", "A\xD6", PinyinMarkUnmapped, 255, "A"},
      {"lead before a digit", "\xD6" "1\xD0", 0, 255, "1"},
      {"lead before a digit kept", "\xD6" "1", PinyinAllBytes, 255, "\xD6" "1"},
      {"trail 0x3F is too low", "\x81\x3F", PinyinAllBytes, 255, "\x81?"},
      {"trail 0x40 is the lowest", "\x81\x40", PinyinWhole | PinyinAllBytes, 255, "YU"},
      // The byte after a lone lead byte starts a character of its own.
      {"lead before a lead", "\xD6\x20\xD6\xD0", 0, 255, "Z"},
  });
}

TEST(GbkToPinyin, NeverReadsPastTheEndOfItsText) {
  // The byte after the view would complete 中; the view ends at the lead byte.
  const char bytes[] = "\xD6\xD0";
  EXPECT_EQ(GbkToPinyin(std::string_view(bytes, 1), PinyinMarkUnmapped | PinyinWhole, 255), "");
  EXPECT_EQ(GbkToPinyin(std::string_view(bytes, 2), PinyinMarkUnmapped | PinyinWhole, 255), "ZHONG");
}

TEST(GbkToPinyinBuffer, ReturnsAZeroTerminatedCopyOfTheResult) {
  const std::string text = Utf8ToGbk("中国人");
  auto whole = GbkToPinyinBuffer(text.c_str(), PinyinWhole, 255);
  EXPECT_STREQ(whole.get(), "ZHONGGUOREN");
  auto cut = GbkToPinyinBuffer(text.c_str(), PinyinWhole, 3);
  EXPECT_STREQ(cut.get(), "ZHO");
  EXPECT_STREQ(GbkToPinyinBuffer("", 0, 255).get(), "");
  EXPECT_STREQ(GbkToPinyinBuffer(nullptr, PinyinMarkUnmapped, 255).get(), "");
  EXPECT_STREQ(GbkToPinyinBuffer(text.c_str(), -1, 255).get(), "");
}
