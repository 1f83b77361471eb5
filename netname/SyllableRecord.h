#pragma once
#include <cstdint>
#include <string_view>

namespace qorvane {

// One syllable as the converter stores it: a length byte and six lower-case
// ASCII letters, zero-filled behind the text. Six letters hold the longest
// syllables (chuang, shuang, zhuang) without a terminator.
struct SyllableRecord {
  std::uint8_t length;
  char letters[6];

  constexpr std::string_view Text() const { return {letters, length}; }
};

static_assert(sizeof(SyllableRecord) == 7, "syllable records are packed 7-byte records");

}  // namespace qorvane
