// haomainfostr over any text, checked against a reading of the number that
// does not share its code: a signed 64-bit decimal gives entry value mod 81
// (the fallback for a negative remainder), anything else throws.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "numbers/Haomainfostr.h"
#include "numbers/NumberConversionError.h"

namespace {

// The remainder mod 81 of the number, or nothing when the text is no int64.
std::optional<int> ExpectedRemainder(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // 2^63 fits a negative number, one less a positive one.
  const std::uint64_t limit = negative ? (std::uint64_t{1} << 63) : (std::uint64_t{1} << 63) - 1;
  std::uint64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (magnitude > (limit - digit) / 10) return std::nullopt;
    magnitude = magnitude * 10 + digit;
  }
  const int remainder = static_cast<int>(magnitude % 81);
  return negative ? -remainder : remainder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvane;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<int> expected = ExpectedRemainder(text);
  std::optional<std::string> result;
  try {
    result = haomainfostr(text);
  } catch (const NumberConversionError&) {
  }
  FUZZ_CHECK(result.has_value() == expected.has_value());
  if (!expected) return 0;
  if (*expected < 0) {
    FUZZ_CHECK(*result == kNumerologyFallback);
  } else {
    FUZZ_CHECK(*result == NumerologyEntryText(*expected));
  }
  return 0;
}
