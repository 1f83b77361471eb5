#include <gtest/gtest.h>

#include "text/GbkCodec.h"

using namespace qorvane;

TEST(GbkCodec, RoundTripsChineseAndAscii) {
  const std::string utf8 = "中国 abc ①Θ";
  const std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk.substr(0, 4), "\xD6\xD0\xB9\xFA");
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(GbkCodec, RejectsWhatGbkCannotHold) {
  EXPECT_THROW(Utf8ToGbk("笑\xF0\x9F\x98\x80"), EncodingError);  // emoji
  EXPECT_THROW(Utf8ToGbk("\xFF\xFE"), EncodingError);             // not UTF-8
  EXPECT_THROW(GbkToUtf8("\xD6"), EncodingError);                 // truncated
}

TEST(GbkCodec, LenientDecodingReplacesBadBytes) {
  EXPECT_EQ(GbkToUtf8Lenient("a\xFF" "b\xD6\xD0\xD6"), "a\xEF\xBF\xBD" "b中\xEF\xBF\xBD");
}

TEST(GbkCodec, ReplacingEncodingWritesAQuestionMarkPerCharacterGbkLacks) {
  const struct {
    std::string utf8;
    std::string gbk;
  } cases[] = {
      {"中\xF0\x9F\x98\x80国", "\xD6\xD0?\xB9\xFA"},           // an emoji: one mark for four bytes
      {"a\xEF\xBF\xBD\xEF\xBF\xBD" "b", "a??b"},              // replacement characters
      {"\xE4" "ab" "c", "?c"},                                  // a broken sequence takes its length
      {"x\xE4\xB8", "x?"},                                      // cut off at the end
      {"\x80z", "?z"},                                          // a stray continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToGbkReplacing(c.utf8), c.gbk) << c.utf8;
  // Many characters to replace in one long text (a binary file as shown).
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "\xEF\xBF\xBD中";
  const std::string gbk = Utf8ToGbkReplacing(many);
  EXPECT_EQ(gbk.size(), 300000u);
  EXPECT_EQ(gbk.substr(0, 6), "?\xD6\xD0?\xD6\xD0");
}

TEST(GbkCodec, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("中文\xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));          // truncated
  EXPECT_FALSE(IsValidUtf8("\xD6\xD0\xB9\xFA"));  // GBK bytes
}
