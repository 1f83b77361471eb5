#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace qorvane {

// A text that cannot be converted: a character that GBK has no code for, or
// bytes that are not valid in the source encoding.
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 -> GBK bytes. Throws EncodingError for invalid UTF-8 or for a
// character outside GBK (an emoji, say).
std::string Utf8ToGbk(std::string_view utf8);

// UTF-8 -> GBK bytes, never failing: each character that GBK has no code for,
// and each malformed UTF-8 sequence, becomes '?'. For writing files that must
// keep the rest of their text.
std::string Utf8ToGbkReplacing(std::string_view utf8);

// GBK bytes -> UTF-8. Throws EncodingError for bytes that are not GBK.
std::string GbkToUtf8(std::string_view gbk);

// GBK bytes -> UTF-8, never failing: every byte that does not start a valid
// GBK character becomes U+FFFD. For reading files of unknown quality.
std::string GbkToUtf8Lenient(std::string_view gbk);

// True when the bytes are well-formed UTF-8 (overlongs, surrogates and
// code points above U+10FFFF rejected).
bool IsValidUtf8(std::string_view bytes);

}  // namespace qorvane
