// Checks of the shipped content files BrelmFile.dll and dream.dll, read from
// the build directory through the same queries the program runs.
#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/ContentDb.h"
#include "text/GbkCodec.h"
#include "text/Trim.h"

using namespace qorvane;

namespace {

using MonthDay = std::pair<int, int>;

struct SignRange {
  std::string_view name;
  MonthDay first;
  MonthDay last;
};

// The date ranges of the twelve signs; Capricorn wraps over the new year.
constexpr std::array<SignRange, 12> kSigns = {{
    {"白羊座", {3, 21}, {4, 19}},
    {"金牛座", {4, 20}, {5, 20}},
    {"双子座", {5, 21}, {6, 21}},
    {"巨蟹座", {6, 22}, {7, 22}},
    {"狮子座", {7, 23}, {8, 22}},
    {"处女座", {8, 23}, {9, 22}},
    {"天秤座", {9, 23}, {10, 23}},
    {"天蝎座", {10, 24}, {11, 21}},
    {"射手座", {11, 22}, {12, 21}},
    {"摩羯座", {12, 22}, {1, 19}},
    {"水瓶座", {1, 20}, {2, 18}},
    {"双鱼座", {2, 19}, {3, 20}},
}};

constexpr std::array<std::pair<SectionCode, std::string_view>, 6> kSectionTables = {{
    {0, "ndeq"}, {1, "aiqing"}, {2, "mingren"}, {3, "baojian"}, {4, "qingxv"}, {6, "shiye"},
}};

constexpr SectionCode kAdviceCode = 4;
constexpr SectionCode kFamousPeopleCode = 2;

bool Within(const SignRange& sign, MonthDay day) {
  if (sign.first <= sign.last) return sign.first <= day && day <= sign.last;
  return day >= sign.first || day <= sign.last;
}

std::size_t CodePoints(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

std::string ContentDb() { return ContentConnectionString(QORVANE_BINARY_DIR); }
std::string DreamDb() { return DreamConnectionString(QORVANE_BINARY_DIR); }

std::string SingleValue(const std::string& connection, const std::string& sql) {
  const auto row = QueryFirstRow(connection, sql);
  return row && !row->empty() ? row->front() : std::string("<no row>");
}

}  // namespace

TEST(ShippedContent, EachTableHoldsExactlyOneRowPerSign) {
  std::string signList;
  for (const SignRange& sign : kSigns) {
    signList += (signList.empty() ? "" : ", ") + QuoteSqlText(sign.name);
  }
  for (const auto& [code, table] : kSectionTables) {
    const std::string from = "select count(*), count(distinct title) from " + std::string(table);
    const auto all = QueryFirstRow(ContentDb(), from);
    const auto signs = QueryFirstRow(ContentDb(), from + " where title in (" + signList + ")");
    ASSERT_TRUE(all && signs) << table;
    EXPECT_EQ(*all, (std::vector<std::string>{"12", "12"})) << table;
    EXPECT_EQ(*signs, (std::vector<std::string>{"12", "12"})) << table;
  }
}

TEST(ShippedContent, EverySectionReadsAsCleanTextOfReportLength) {
  for (const SignRange& sign : kSigns) {
    for (const auto& [code, table] : kSectionTables) {
      SCOPED_TRACE(std::string(sign.name) + " " + std::string(table));
      const std::string text = QuerySection(ContentDb(), sign.name, code);
      EXPECT_GE(CodePoints(text), 150u);
      EXPECT_LE(CodePoints(text), 400u);
      EXPECT_EQ(text.find("<p>"), std::string::npos);
      EXPECT_EQ(text.find("</p>"), std::string::npos);
      // A mark written inside a blank would leave the blank exposed at an end.
      EXPECT_EQ(TrimView(text).size(), text.size());
      ASSERT_TRUE(IsValidUtf8(text));
      // Reports are saved as GBK: every character must have a GBK code.
      EXPECT_NO_THROW(Utf8ToGbk(text));
    }
  }
}

TEST(ShippedContent, AdviceIsFiveItemsNumberedOneToFive) {
  const std::regex itemNumber(R"((\d+)\.)");
  const std::vector<std::string> expected = {"1", "2", "3", "4", "5"};
  for (const SignRange& sign : kSigns) {
    const std::string text = QuerySection(ContentDb(), sign.name, kAdviceCode);
    std::vector<std::string> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), itemNumber);
         it != std::sregex_iterator(); ++it) {
      numbers.push_back((*it)[1]);
    }
    EXPECT_EQ(numbers, expected) << sign.name;
    EXPECT_TRUE(text.starts_with("1.")) << sign.name;
  }
}

TEST(ShippedContent, FamousPeopleWereBornWithinTheirSignsDates) {
  const std::regex birthDate("（(\\d{3,4})年(\\d{1,2})月(\\d{1,2})日）");
  for (const SignRange& sign : kSigns) {
    const std::string text = QuerySection(ContentDb(), sign.name, kFamousPeopleCode);
    int people = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), birthDate);
         it != std::sregex_iterator(); ++it, ++people) {
      const MonthDay day = {std::stoi((*it)[2]), std::stoi((*it)[3])};
      EXPECT_TRUE(Within(sign, day)) << sign.name << " " << it->str();
    }
    EXPECT_GE(people, 3) << sign.name;
  }
}

TEST(ShippedDream, HoldsOneReadingForEachKeyZeroToSeventyNine) {
  EXPECT_EQ(SingleValue(DreamDb(), "select count(*) from shouji"), "80");
  const std::set<std::string> verdicts = {"吉", "凶", "吉带凶", "凶带吉"};
  std::set<std::string> verdictsSeen;
  for (int key = 0; key < 80; ++key) {
    const std::string num = std::to_string(key);
    SCOPED_TRACE(num);
    const auto row = QueryFirstRow(
        DreamDb(), "select title,jx,content from shouji where num = " + QuoteSqlText(num));
    ASSERT_TRUE(row);
    ASSERT_EQ(row->size(), 3u);
    const std::string title = Trim((*row)[0]);
    const std::string verdict = Trim((*row)[1]);
    const std::string content = Trim((*row)[2]);
    EXPECT_GE(CodePoints(title), 4u);
    EXPECT_LE(CodePoints(title), 8u);
    EXPECT_TRUE(verdicts.contains(verdict)) << verdict;
    EXPECT_FALSE(content.empty());
    EXPECT_NO_THROW(Utf8ToGbk(title + verdict + content));
    verdictsSeen.insert(verdict);
  }
  EXPECT_EQ(verdictsSeen, verdicts);
}
