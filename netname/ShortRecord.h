#pragma once
#include <cstdint>
#include <string_view>

namespace qorvane {

// A conversion of at most two ASCII characters: a length byte and the
// characters, zero-filled. Used for the number forms and the Greek letters.
struct ShortRecord {
  std::uint8_t length;
  char text[2];

  constexpr std::string_view Text() const { return {text, length}; }
};

static_assert(sizeof(ShortRecord) == 3, "short records are packed 3-byte records");

// For the tables' constant initialisers; text holds at most two characters.
constexpr ShortRecord MakeShortRecord(std::string_view text) {
  ShortRecord record{};
  if (text.size() > 2) throw "a short record holds at most two characters";
  record.length = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) record.text[i] = text[i];
  return record;
}

}  // namespace qorvane
