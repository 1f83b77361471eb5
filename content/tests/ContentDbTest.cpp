#include <gtest/gtest.h>

#include <fstream>

#include "content/ContentDb.h"
#include "content/tests/TestDatabase.h"
#include "text/SilentAbort.h"

using namespace qorvane;
using qorvane::testing::MakeDatabase;
using qorvane::testing::TempDir;

TEST(SectionQueryText, IsTheTableLiteralFollowedByTheQuotedName) {
  const std::pair<SectionCode, std::string> cases[] = {
      {0, "select content from ndeq where title = '白羊座'"},
      {1, "select content from aiqing where title = '白羊座'"},
      {2, "select content from mingren where title = '白羊座'"},
      {3, "select content from baojian where title = '白羊座'"},
      {4, "select content from qingxv where title = '白羊座'"},
      {6, "select content from shiye where title = '白羊座'"},
  };
  for (const auto& [code, sql] : cases) EXPECT_EQ(SectionQueryText("白羊座", code), sql) << code;
  EXPECT_EQ(SectionQueryText("O'Neil's", 0), "select content from ndeq where title = 'O''Neil''s'");
  for (SectionCode code : {5, -1, 7, 100}) EXPECT_FALSE(SectionQueryText("白羊座", code)) << code;
}

TEST(StripParagraphMarks, RemovesOnlyExactLowerCaseMarks) {
  EXPECT_EQ(StripParagraphMarks("<p>abc</p>"), "abc");
  EXPECT_EQ(StripParagraphMarks("<P>abc</P>"), "<P>abc</P>");
  EXPECT_EQ(StripParagraphMarks("<p class=x>a</p><br>"), "<p class=x>a<br>");
  EXPECT_EQ(StripParagraphMarks("<<p>p>"), "<p>");  // one pass per mark, no rescan
}

TEST(ConnectionString, IsAReadOnlyUriThatSurvivesAwkwardPaths) {
  EXPECT_EQ(ConnectionStringFor("/opt/q", "BrelmFile.dll"), "file:/opt/q/BrelmFile.dll?mode=ro");
  EXPECT_EQ(ConnectionStringFor("/a b/#?%", "dream.dll"), "file:/a%20b/%23%3F%25/dream.dll?mode=ro");
}

class QuerySectionTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string Connection() const { return ContentConnectionString(dir.path()); }
  void MakeContent(const std::string& rows) {
    MakeDatabase(dir.path() / "BrelmFile.dll",
                 "create table ndeq(title text, content text);"
                 "create table baojian(title text, content text);" +
                     rows);
  }
};

TEST_F(QuerySectionTest, TrimsThenStripsMarks) {
  MakeContent(
      "insert into ndeq values('白羊座', '  <p>abc</p> ' || char(13) || char(10));"
      "insert into ndeq values('金牛座', '<P>abc</P>');"
      "insert into ndeq values('双子座', '<p> x </p>');"
      "insert into ndeq values('巨蟹座', NULL);"
      "insert into baojian values('白羊座', 'first');"
      "insert into baojian values('白羊座', 'second');");
  EXPECT_EQ(QuerySection(Connection(), "白羊座", 0), "abc");
  EXPECT_EQ(QuerySection(Connection(), "金牛座", 0), "<P>abc</P>");
  EXPECT_EQ(QuerySection(Connection(), "双子座", 0), " x ");  // blanks exposed by the removal stay
  EXPECT_EQ(QuerySection(Connection(), "巨蟹座", 0), "");
  EXPECT_EQ(QuerySection(Connection(), "白羊座", 3), "first");
  EXPECT_EQ(QuerySection(Connection(), "射手座", 0), "");  // no row: empty, no failure
  EXPECT_EQ(QuerySection(Connection(), "O'Neil", 0), "");  // the quote is doubled, not an error
}

TEST_F(QuerySectionTest, FailuresAbortSilently) {
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 0), SilentAbort);  // missing file
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "BrelmFile.dll"));  // and none was created

  MakeContent("insert into ndeq values('白羊座', 'x');");
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 1), SilentAbort);  // missing table
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 5), SilentAbort);  // code without a table
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 9), SilentAbort);

  MakeDatabase(dir.path() / "other.db", "create table ndeq(title text, body text);");
  std::filesystem::rename(dir.path() / "other.db", dir.path() / "BrelmFile.dll");
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 0), SilentAbort);  // missing column

  std::ofstream(dir.path() / "BrelmFile.dll", std::ios::trunc) << "this is not a database at all";
  EXPECT_THROW(QuerySection(Connection(), "白羊座", 0), SilentAbort);  // corrupt file
}

TEST(QuerySectionPath, WorksInADirectoryWithSpacesChineseAndUriCharacters) {
  TempDir dir;
  const std::filesystem::path odd = dir.path() / "我的 文件#1?x%";
  std::filesystem::create_directories(odd);
  MakeDatabase(odd / "BrelmFile.dll",
               "create table shiye(title text, content text);"
               "insert into shiye values('天秤座', 'ok');");
  EXPECT_EQ(QuerySection(ContentConnectionString(odd), "天秤座", 6), "ok");
}
