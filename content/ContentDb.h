#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvane {

// Selector of a stored section of the sign report. 5 has no table.
using SectionCode = int;

inline constexpr std::string_view kContentFileName = "BrelmFile.dll";
inline constexpr std::string_view kDreamFileName = "dream.dll";

// A read-only SQLite URI for a file in `directory`: "file:" + the percent-encoded
// absolute path + "?mode=ro". Read-only, so that a missing file is an error and
// never an empty new database.
std::string ConnectionStringFor(const std::filesystem::path& directory, std::string_view fileName);

// Built afresh at each call from the directory of the running executable, or
// from the directory given.
std::string ContentConnectionString();
std::string ContentConnectionString(const std::filesystem::path& directory);
std::string DreamConnectionString();
std::string DreamConnectionString(const std::filesystem::path& directory);

// `text` in single quotes, every single quote inside doubled.
std::string QuoteSqlText(std::string_view text);

// The query text of a section: "select content from <table> where title = '<name>'";
// no text for a code without a table.
std::optional<std::string> SectionQueryText(std::string_view signName, SectionCode code);

// Removes every "<p>", then every "</p>"; nothing else.
std::string StripParagraphMarks(std::string_view text);

// Opens the database read-only on a fresh connection, runs `sql` and returns
// the first row's columns as text (NULL reads as empty), or nothing when the
// result has no row. Any failure throws SilentAbort.
std::optional<std::vector<std::string>> QueryFirstRow(const std::string& connectionString,
                                                      const std::string& sql);

// The cleaned text of one section: first row, first column, trimmed, paragraph
// marks removed; empty when the table has no row for the name. A failing
// query (missing or corrupt file, missing table or column, code without a
// table) throws SilentAbort.
std::string QuerySection(const std::string& connectionString, std::string_view signName,
                         SectionCode code);
std::string QuerySection(std::string_view signName, SectionCode code);

}  // namespace qorvane
