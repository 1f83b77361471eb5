// The generated character index: its shape, its coverage region by region,
// the characters that must have no reading, and the readings it promises.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "netname/GbkToPinyin.h"
#include "netname/PinyinIndex.h"
#include "netname/PinyinSyllables.h"
#include "text/GbkCodec.h"

using namespace qorvane;

namespace {

int Entry(int lead, int trail) {
  return PinyinIndex[static_cast<std::size_t>((lead - 0x81) * 191 + (trail - 0x40))];
}

// Splits a UTF-8 string into its characters.
std::vector<std::string> Characters(std::string_view utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    out.emplace_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

std::string Region(int lead, int trail) {
  if (lead >= 0xB0 && lead <= 0xD7 && trail >= 0xA1) return (lead < 0xD7 || trail <= 0xF9) ? "level 1" : "other";
  if (lead >= 0xD8 && lead <= 0xF7 && trail >= 0xA1) return "level 2";
  if (lead <= 0xA0) return "GBK 81-A0";
  if (lead >= 0xAA && trail <= 0xA0) return "GBK AA-FE";
  return "other";
}

const char kNoReadingGbk3[] =
    "丆乊乤乥乧乫乬乭乮乯乲乶乺乻乽亽仏仒兙兛兝兞兡兣兺剋勀勊匁厑厼叾哛唜唞唟唨啱啹喐喸喼嗧嗭嗰嚸囍囕囖坲垈"
    "夞夻婩尅屗岃岾巪巼廤徚怾扥扽揼斏旀旕曢曱朑朩朰栍桛梻椧櫷欍歚毜毝毮洜浌烪焑焽焾燞燶";
const char kNoReadingGbk4[] =
    "猠猤獤瓧瓩瓰瓱瓸瓼甅畓瘧癷皼硛硳磗祍稥穒縇罖耂聁聓聣膶膸艈艍茒莻萡蒊蓞藔虄虲蝊螦袰裇襨覅贘踎躼辪這鈪銰"
    "鍂鎼鐢閪闏闧霻鞥鞰鶑黁";

}  // namespace

TEST(PinyinIndex, IsOneHundredTwentySixRowsOfOneHundredNinetyOne) {
  EXPECT_EQ(PinyinIndex.size(), 24066u);
  EXPECT_EQ(sizeof PinyinIndex, 48132u);
  for (int lead = 0x81; lead <= 0xFE; ++lead) EXPECT_EQ(Entry(lead, 0x7F), 0) << std::hex << lead;
}

TEST(PinyinIndex, RefersOnlyToSyllablesThatCharactersMayUse) {
  const std::set<int> unused = {165, 394, 401, 402, 403};
  for (std::size_t i = 0; i < PinyinIndex.size(); ++i) {
    EXPECT_LE(PinyinIndex[i], kPinyinSyllableCount) << "position " << i;
    EXPECT_EQ(unused.count(PinyinIndex[i]), 0u) << "position " << i << " refers to " << PinyinIndex[i];
  }
}

TEST(PinyinIndex, CoversEachRegionAsPromised) {
  std::map<std::string, int> entries;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (Entry(lead, trail) == 0) continue;
      ++entries[Region(lead, trail)];
      // Every entry stands on a code that GBK decodes to one character.
      const char code[] = {static_cast<char>(lead), static_cast<char>(trail)};
      EXPECT_NO_THROW(GbkToUtf8(std::string_view(code, 2))) << std::hex << lead << trail;
    }
  }
  EXPECT_EQ(entries["level 1"], 3755 - 2);        // all but 佛 给
  EXPECT_EQ(entries["level 2"], 3008 - 1);        // all but 髟
  EXPECT_EQ(entries["GBK 81-A0"], 6080 - 92);
  EXPECT_EQ(entries["GBK AA-FE"], 8160 - 62 - 5 - 96);
  EXPECT_EQ(entries["other"], 0);                 // symbols, user-defined areas
}

TEST(PinyinIndex, LeavesTheListedCharactersWithoutReading) {
  const struct {
    const char* characters;
    std::size_t count;
    const char* region;
  } lists[] = {
      {"佛给", 2, "level 1"}, {"髟", 1, "level 2"}, {kNoReadingGbk3, 92, "GBK 81-A0"}, {kNoReadingGbk4, 62, "GBK AA-FE"},
  };
  for (const auto& list : lists) {
    const auto characters = Characters(list.characters);
    EXPECT_EQ(characters.size(), list.count) << list.region;
    for (const std::string& c : characters) {
      const std::string gbk = Utf8ToGbk(c);
      ASSERT_EQ(gbk.size(), 2u) << c;
      const auto lead = static_cast<unsigned char>(gbk[0]), trail = static_cast<unsigned char>(gbk[1]);
      EXPECT_EQ(Region(lead, trail), list.region) << c;
      EXPECT_EQ(Entry(lead, trail), 0) << c;
    }
  }
}

TEST(PinyinIndex, LeavesCompatibilityFormsAndRowFEWithoutReading) {
  for (int trail = 0x9C; trail <= 0xA0; ++trail) EXPECT_EQ(Entry(0xFD, trail), 0) << std::hex << trail;
  for (int trail = 0x40; trail <= 0xA0; ++trail) EXPECT_EQ(Entry(0xFE, trail), 0) << std::hex << trail;
  // The unified forms of 0xFD9C-0xFDA0 read as usual.
  const struct {
    const char* character;
    const char* syllable;
  } unified[] = {{"郎", "LANG"}, {"凉", "LIANG"}, {"秊", "NIAN"}, {"裏", "LI"}, {"隣", "LIN"}};
  for (const auto& u : unified) EXPECT_EQ(GbkToPinyin(Utf8ToGbk(u.character), PinyinWhole, 255), u.syllable);
}

TEST(PinyinIndex, GivesThePromisedReadings) {
  const struct {
    const char* character;
    const char* gbk;  // nullptr where only the reading is pinned
    const char* syllable;
  } cases[] = {
      {"啊", "\xB0\xA1", "A"},     {"中", "\xD6\xD0", "ZHONG"}, {"国", "\xB9\xFA", "GUO"},
      {"女", "\xC5\xAE", "NV"},    {"绿", "\xC2\xCC", "LV"},    {"率", "\xC2\xCA", "LV"},
      {"略", "\xC2\xD4", "LUE"},   {"嗲", "\xE0\xC7", "DIA"},   {"丂", "\x81\x40", "YU"},
      {"长", nullptr, "ZHANG"},    {"行", nullptr, "HANG"},     {"还", nullptr, "HUAN"},
      {"都", nullptr, "DOU"},      {"了", nullptr, "LE"},       {"乐", nullptr, "LE"},
      {"调", nullptr, "TIAO"},     {"着", nullptr, "ZHE"},      {"觉", nullptr, "JIAO"},
      {"重", nullptr, "ZHONG"},    {"曾", nullptr, "CENG"},     {"朝", nullptr, "CHAO"},
      {"藏", nullptr, "CANG"},     {"差", nullptr, "CHA"},      {"便", nullptr, "BIAN"},
      {"会", nullptr, "HUI"},
      // Readings outside the usable syllables fall back to another one.
      {"俩", nullptr, "LIANG"},    {"谁", nullptr, "SHUI"},
  };
  for (const auto& c : cases) {
    const std::string gbk = Utf8ToGbk(c.character);
    if (c.gbk) {
      EXPECT_EQ(gbk, c.gbk) << c.character;
    }
    EXPECT_EQ(GbkToPinyin(gbk, PinyinWhole, 255), c.syllable) << c.character;
  }
}
