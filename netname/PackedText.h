#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qorvane {

// A text of at most Capacity ASCII characters as the converter's tables store
// it: one length byte and the characters, zero-filled behind the text, with no
// terminator, so a table of them is plain constant data.
template <std::size_t Capacity>
struct PackedText {
  std::uint8_t length;
  char text[Capacity];

  constexpr std::string_view Text() const { return {text, length}; }

  // For the tables' constant initialisers: a text that does not fit is a
  // constant-evaluated throw, that is a compile error.
  static constexpr PackedText Of(std::string_view value) {
    if (value.size() > Capacity) throw "the text does not fit its record";
    PackedText record{};
    record.length = static_cast<std::uint8_t>(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) record.text[i] = value[i];
    return record;
  }
};

}  // namespace qorvane
