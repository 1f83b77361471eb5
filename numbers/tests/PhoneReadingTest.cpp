#include "numbers/PhoneReading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "content/ContentDb.h"
#include "content/tests/TestDatabase.h"
#include "text/SilentAbort.h"

namespace qorvane {
namespace {

TEST(ShoujiQueryText, QuotesTheKey) {
  EXPECT_EQ(ShoujiQueryText("78"), "select title,jx,content from shouji where num = '78'");
  EXPECT_EQ(ShoujiQueryText("0"), "select title,jx,content from shouji where num = '0'");
}

class PhoneReadingDatabase : public ::testing::Test {
 protected:
  void MakeDream(const std::string& sql) {
    testing::MakeDatabase(directory_.path() / std::string(kDreamFileName), sql);
  }
  std::string Connection() const { return DreamConnectionString(directory_.path()); }

  testing::TempDir directory_;
};

TEST_F(PhoneReadingDatabase, ReadsTheRowOfTheKeyTrimmed) {
  MakeDream(
      "create table shouji(num text, title text, jx text, content text);"
      "insert into shouji values('7', ' 小有收获 ', '吉 ', '\n平平稳稳。\r\n');"
      "insert into shouji values('78', '一帆风顺', '吉带凶', '顺中有小波折。');");
  std::optional<PhoneReading> reading = QueryPhoneReading(Connection(), "7");
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->title, "小有收获");
  EXPECT_EQ(reading->verdict, "吉");
  EXPECT_EQ(reading->content, "平平稳稳。");
  ASSERT_TRUE(QueryPhoneReading(Connection(), "78"));
  EXPECT_EQ(QueryPhoneReading(Connection(), "78")->verdict, "吉带凶");
}

TEST_F(PhoneReadingDatabase, KeyIsComparedAsTextSoNoRowIsNoReading) {
  MakeDream(
      "create table shouji(num text, title text, jx text, content text);"
      "insert into shouji values('07', 't', '吉', 'c');");
  EXPECT_FALSE(QueryPhoneReading(Connection(), "7"));
}

TEST_F(PhoneReadingDatabase, NullColumnsReadAsEmpty) {
  MakeDream(
      "create table shouji(num text, title text, jx text, content text);"
      "insert into shouji values('5', null, '凶', null);");
  std::optional<PhoneReading> reading = QueryPhoneReading(Connection(), "5");
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->title, "");
  EXPECT_EQ(reading->verdict, "凶");
}

TEST_F(PhoneReadingDatabase, FailuresAbortSilently) {
  // No file at all: the read-only open must not create one.
  EXPECT_THROW(QueryPhoneReading(Connection(), "1"), SilentAbort);
  EXPECT_FALSE(std::filesystem::exists(directory_.path() / std::string(kDreamFileName)));
  MakeDream("create table other(x);");
  EXPECT_THROW(QueryPhoneReading(Connection(), "1"), SilentAbort);
}

TEST(ShippedDream, EveryKeyFrom0To79HasACompleteReading) {
  const std::string connection = DreamConnectionString(QORVANE_BINARY_DIR);
  const std::set<std::string> verdicts = {"吉", "凶", "吉带凶", "凶带吉"};
  for (int key = 0; key < 80; ++key) {
    SCOPED_TRACE("key " + std::to_string(key));
    std::optional<PhoneReading> reading = QueryPhoneReading(connection, std::to_string(key));
    ASSERT_TRUE(reading);
    EXPECT_FALSE(reading->title.empty());
    EXPECT_TRUE(verdicts.contains(reading->verdict)) << reading->verdict;
    EXPECT_FALSE(reading->content.empty());
  }
}

}  // namespace
}  // namespace qorvane
