#include "content/ContentDb.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <array>

#include "content/ExecutableDirectory.h"
#include "text/SilentAbort.h"
#include "text/Trim.h"

namespace qorvane {

namespace {

bool IsUriSafe(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

std::string PercentEncodePath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (char ch : path) {
    auto c = static_cast<unsigned char>(ch);
    if (IsUriSafe(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// The table of each section code; empty where the code has none.
constexpr std::array<std::string_view, 7> kSectionTables = {
    "ndeq", "aiqing", "mingren", "baojian", "qingxv", "", "shiye"};

void ReplaceAll(std::string& text, std::string_view what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.erase(at, what.size());
  }
}

}  // namespace

std::string ConnectionStringFor(const std::filesystem::path& directory, std::string_view fileName) {
  std::filesystem::path file = std::filesystem::absolute(directory) / fileName;
  return "file:" + PercentEncodePath(file.string()) + "?mode=ro";
}

std::string ContentConnectionString() { return ContentConnectionString(ExecutableDirectory()); }
std::string ContentConnectionString(const std::filesystem::path& directory) {
  return ConnectionStringFor(directory, kContentFileName);
}
std::string DreamConnectionString() { return DreamConnectionString(ExecutableDirectory()); }
std::string DreamConnectionString(const std::filesystem::path& directory) {
  return ConnectionStringFor(directory, kDreamFileName);
}

std::string QuoteSqlText(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  out += '\'';
  return out;
}

std::optional<std::string> SectionQueryText(std::string_view signName, SectionCode code) {
  if (code < 0 || code >= static_cast<SectionCode>(kSectionTables.size())) return std::nullopt;
  std::string_view table = kSectionTables[static_cast<size_t>(code)];
  if (table.empty()) return std::nullopt;
  return "select content from " + std::string(table) + " where title = " + QuoteSqlText(signName);
}

std::string StripParagraphMarks(std::string_view text) {
  std::string out(text);
  ReplaceAll(out, "<p>");
  ReplaceAll(out, "</p>");
  return out;
}

std::optional<std::vector<std::string>> QueryFirstRow(const std::string& connectionString,
                                                      const std::string& sql) {
  try {
    SQLite::Database db(connectionString, SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    SQLite::Statement query(db, sql);
    if (!query.executeStep()) return std::nullopt;
    std::vector<std::string> row;
    row.reserve(static_cast<size_t>(query.getColumnCount()));
    for (int i = 0; i < query.getColumnCount(); ++i) {
      SQLite::Column column = query.getColumn(i);
      row.emplace_back(column.getText(), static_cast<size_t>(column.getBytes()));
    }
    return row;
  } catch (const std::exception& error) {
    throw SilentAbort(error.what());
  }
}

std::string QuerySection(const std::string& connectionString, std::string_view signName,
                         SectionCode code) {
  std::optional<std::string> sql = SectionQueryText(signName, code);
  if (!sql) throw SilentAbort("section " + std::to_string(code) + " has no table");
  std::optional<std::vector<std::string>> row = QueryFirstRow(connectionString, *sql);
  if (!row || row->empty()) return {};
  return StripParagraphMarks(TrimView((*row)[0]));
}

std::string QuerySection(std::string_view signName, SectionCode code) {
  return QuerySection(ContentConnectionString(), signName, code);
}

}  // namespace qorvane
