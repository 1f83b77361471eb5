#include "numbers/NumerologyTable.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "numbers/Haomainfostr.h"
#include "numbers/PersonalityTypes.h"

namespace qorvane {
namespace {

// The traditional grid, verdict then type number, nine entries a row,
// written out independently of the table it checks.
const std::array<const char*, 9> kGridRows = {
    "吉1 凶2 吉3 凶4 吉5 吉6 吉7 吉8 凶9",                     // 0-8
    "凶1 吉2 凶3 吉4 凶5 吉6 吉7 吉8 吉9",                     // 9-17
    "凶1 凶2 吉3 凶4 吉5 吉6 吉7 凶9 凶带吉1",                 // 18-26
    "凶9 吉1 凶2 吉3 吉4 吉5 凶6 吉7 凶9",                     // 27-35
    "吉1 凶带吉2 吉3 吉带凶4 吉5 吉带凶6 吉带凶7 凶8 吉3",     // 36-44
    "凶4 吉5 吉6 凶7 吉带凶8 吉带凶9 吉1 吉带凶2 凶3",         // 45-53
    "吉带凶5 凶6 吉7 凶带吉8 凶9 凶1 吉带凶2 凶3 吉4",         // 54-62
    "凶5 吉6 凶7 吉9 吉6 凶7 凶8 吉带凶9 凶1",                 // 63-71
    "吉2 凶2 吉带凶3 凶4 吉带凶5 吉带凶6 凶7 吉带凶9 吉1",     // 72-80
};

const std::array<const char*, 9> kTypeLabels = {
    "做事喜好凭直觉型",   "独断独行/吸引人型", "热情/善变梦想家型",
    "自我牺牲/性格被动型", "要面包不要爱情型",  "不善表达/疑心大型",
    "大胆行事冲动派型",   "高度戒备难交心型",  "好奇心旺求知欲强型"};

struct GridCell {
  std::string verdict;
  int type;
};

std::vector<GridCell> ReadGrid() {
  std::vector<GridCell> cells;
  for (const char* row : kGridRows) {
    std::string_view rest = row;
    while (!rest.empty()) {
      size_t end = rest.find(' ');
      std::string_view cell = rest.substr(0, end);
      cells.push_back({std::string(cell.substr(0, cell.size() - 1)), cell.back() - '0'});
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
  }
  return cells;
}

std::vector<std::string> SplitAtBars(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
    fields.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

size_t CountCodePoints(std::string_view utf8) {
  size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

TEST(NumerologyTable, EveryEntryHasThreeFieldsMatchingTheGrid) {
  std::vector<GridCell> grid = ReadGrid();
  ASSERT_EQ(grid.size(), 81u);
  ASSERT_EQ(NumerologyTable().size(), 81u);
  for (int i = 0; i < kNumerologyEntryCount; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    std::vector<std::string> fields = SplitAtBars(NumerologyEntryText(i));
    ASSERT_EQ(fields.size(), 3u);
    for (const std::string& field : fields) EXPECT_FALSE(field.empty());
    EXPECT_EQ(fields[1], grid[static_cast<size_t>(i)].verdict);
    int type = grid[static_cast<size_t>(i)].type;
    EXPECT_EQ(fields[2], std::string("主人性格类型：[") + kTypeLabels[type - 1] +
                             "]，其具体表现为：" +
                             std::string(PersonalityTypeByNumber(type).description));
  }
}

TEST(NumerologyTable, VerdictCountsAreTheTraditionalOnes) {
  std::map<std::string, int> counts;
  for (const NumerologyEntry& entry : NumerologyTable()) ++counts[std::string(entry.verdict)];
  EXPECT_EQ(counts, (std::map<std::string, int>{{"吉", 35}, {"凶", 30}, {"吉带凶", 13}, {"凶带吉", 3}}));
}

TEST(NumerologyTable, VersesAreFourFourCharacterPhrasesAndAllDifferent) {
  std::set<std::string_view> seen;
  for (const NumerologyEntry& entry : NumerologyTable()) {
    SCOPED_TRACE(std::string(entry.verse));
    EXPECT_TRUE(seen.insert(entry.verse).second) << "verse used twice";
    std::vector<std::string> phrases;
    std::string_view rest = entry.verse;
    for (size_t comma = rest.find("，"); comma != std::string_view::npos; comma = rest.find("，")) {
      phrases.emplace_back(rest.substr(0, comma));
      rest.remove_prefix(comma + std::string_view("，").size());
    }
    phrases.emplace_back(rest);
    ASSERT_EQ(phrases.size(), 4u);
    for (const std::string& phrase : phrases) {
      EXPECT_EQ(CountCodePoints(phrase), 4u) << phrase;
      EXPECT_GE(static_cast<unsigned char>(phrase.front()), 0xE0) << "not a Han character";
    }
  }
}

TEST(PersonalityTypes, NineLabelsAndDistinctDescriptionsOfTwoOrThreeSentences) {
  std::set<std::string_view> descriptions;
  for (int number = 1; number <= kPersonalityTypeCount; ++number) {
    const PersonalityType& type = PersonalityTypeByNumber(number);
    SCOPED_TRACE(std::string(type.label));
    EXPECT_EQ(type.label, kTypeLabels[number - 1]);
    EXPECT_TRUE(descriptions.insert(type.description).second);
    EXPECT_TRUE(type.description.ends_with("。"));
    size_t sentences = 0;
    for (size_t at = type.description.find("。"); at != std::string_view::npos;
         at = type.description.find("。", at + 1)) {
      ++sentences;
    }
    EXPECT_GE(sentences, 2u);
    EXPECT_LE(sentences, 3u);
    EXPECT_EQ(type.description.find('|'), std::string_view::npos);
  }
  EXPECT_THROW(PersonalityTypeByNumber(0), std::out_of_range);
  EXPECT_THROW(PersonalityTypeByNumber(10), std::out_of_range);
}

}  // namespace
}  // namespace qorvane
