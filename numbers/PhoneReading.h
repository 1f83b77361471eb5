#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qorvane {

// One row of the table shouji: the reading of a phone-number key.
struct PhoneReading {
  std::string title;    // status
  std::string verdict;  // column jx
  std::string content;  // details
};

// "select title,jx,content from shouji where num = '<key>'"
std::string ShoujiQueryText(std::string_view key);

// Reads the row of `key` on a fresh read-only connection, each column with
// its surrounding blanks removed; nothing when the table has no such row.
// Any database failure throws SilentAbort.
std::optional<PhoneReading> QueryPhoneReading(const std::string& connectionString,
                                              std::string_view key);

}  // namespace qorvane
