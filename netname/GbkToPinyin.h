#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qorvane {

// Flag bits of the conversion; they combine. A negative flag word converts
// nothing.
inline constexpr std::int32_t PinyinWhole = 1;         // whole syllables, not initials
inline constexpr std::int32_t PinyinMarkUnmapped = 2;  // "?" for a character without a conversion
inline constexpr std::int32_t PinyinAllBytes = 4;      // keep punctuation and other single bytes

// Converts GBK text to ASCII: a Chinese character becomes its toneless
// syllable, upper-cased (or only its initial); full-width characters their
// ASCII forms; numbered, circled and Roman numerals decimal digits; Greek
// letters Latin ones; ASCII letters and digits stay, upper-cased. The result
// is cut to its first maxLength bytes (none when maxLength <= 0). Malformed
// GBK is read byte by byte; the function never fails and never reads past
// the end of text.
std::string GbkToPinyin(std::string_view text, std::int32_t flags, std::int32_t maxLength);

// The same for a zero-terminated string (nullptr reads as empty). The result
// is a new zero-terminated buffer of result length + 1 bytes.
std::unique_ptr<char[]> GbkToPinyinBuffer(const char* text, std::int32_t flags, std::int32_t maxLength);

}  // namespace qorvane
