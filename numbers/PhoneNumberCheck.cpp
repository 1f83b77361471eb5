#include "numbers/PhoneNumberCheck.h"

#include <algorithm>

#include "numbers/PhoneKey.h"

namespace qorvane {

namespace {

// The key is made from the characters from the eighth on; the edit of the
// dialog holds eleven at most.
constexpr std::size_t kShortestKeyedNumber = 8;
constexpr std::size_t kLongestNumber = 11;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view PhoneNumberRefusal(std::string_view number) {
  if (number.empty()) return kEnterElevenDigits;
  if (!HasMobilePrefix(number)) return kEnterCorrectNumber;
  if (number.size() < kShortestKeyedNumber || number.size() > kLongestNumber ||
      !std::ranges::all_of(number, IsAsciiDigit)) {
    return kEnterElevenDigits;
  }
  return {};
}

}  // namespace qorvane
