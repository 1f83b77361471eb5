#pragma once
#include <string>
#include <string_view>

namespace qorvane::cli {

// The columns that UTF-8 text takes on a terminal: two for a CJK character,
// one for ASCII, as glibc's wcwidth says under a UTF-8 locale (main sets
// one). A byte that does not start valid UTF-8 counts as one column.
int DisplayWidth(std::string_view utf8);

// `text` in the middle of `width` columns, the odd column to the right.
// Text as wide as `width` or wider comes back unchanged.
std::string CentreInColumns(std::string_view text, int width);

}  // namespace qorvane::cli
