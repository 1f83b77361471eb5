#include "numbers/FortuneEntryFields.h"

#include <gtest/gtest.h>

#include "numbers/Haomainfostr.h"

namespace qorvane {
namespace {

TEST(SplitFortuneEntry, EntryGivesVerseVerdictAndTheWholeReading) {
  FortuneEntryFields fields = SplitFortuneEntry(haomainfostr("12345"));
  EXPECT_EQ(fields.verse, "家门不宁，内忧外患，心神不定，难得安稳");
  EXPECT_EQ(fields.verdict, "凶");
  EXPECT_TRUE(fields.reading.starts_with("主人性格类型：[不善表达/疑心大型]，其具体表现为："));
}

TEST(SplitFortuneEntry, TextWithoutSeparatorGoesWholeIntoTheReading) {
  FortuneEntryFields fields = SplitFortuneEntry(kNumerologyFallback);
  EXPECT_EQ(fields.verse, "");
  EXPECT_EQ(fields.verdict, "");
  EXPECT_EQ(fields.reading, kNumerologyFallback);
}

TEST(SplitFortuneEntry, OnlyTheFirstTwoSeparatorsCut) {
  FortuneEntryFields fields = SplitFortuneEntry("a|b|c|d");
  EXPECT_EQ(fields.verse, "a");
  EXPECT_EQ(fields.verdict, "b");
  EXPECT_EQ(fields.reading, "c|d");
}

}  // namespace
}  // namespace qorvane
