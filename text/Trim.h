#pragma once
#include <string>
#include <string_view>

namespace qorvane {

// Removes the bytes 0..32 (blanks and control characters) at both ends.
// Works on UTF-8 as well as on GBK bytes: neither encoding uses a byte
// below 0x21 inside a multi-byte character.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

}  // namespace qorvane
