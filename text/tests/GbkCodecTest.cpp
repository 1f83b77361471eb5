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

TEST(GbkCodec, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("中文\xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));          // truncated
  EXPECT_FALSE(IsValidUtf8("\xD6\xD0\xB9\xFA"));  // GBK bytes
}
