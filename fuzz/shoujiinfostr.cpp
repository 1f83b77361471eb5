// shoujiinfostr over any text: a number of eight or more ASCII digits gives
// the value of its characters 8..11 mod 80; anything else throws.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "numbers/NumberConversionError.h"
#include "numbers/PhoneKey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvane;
  const std::string_view number(reinterpret_cast<const char*>(data), size);
  bool digitsOnly = number.size() >= 8;
  for (char c : number) digitsOnly = digitsOnly && c >= '0' && c <= '9';
  std::optional<std::string> key;
  try {
    key = shoujiinfostr(number);
  } catch (const NumberConversionError&) {
  }
  FUZZ_CHECK(key.has_value() == digitsOnly);
  if (!key) return 0;
  int value = 0;
  for (char c : number.substr(7, 4)) value = value * 10 + (c - '0');
  FUZZ_CHECK(*key == std::to_string(value % 80));
  return 0;
}
