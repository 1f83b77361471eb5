#pragma once
#include <cstdint>

namespace qorvane {

// A text colour of the calendar, kept free of any toolkit type.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace qorvane
