#include "numbers/PhoneKey.h"

#include <algorithm>

#include "numbers/NumberConversionError.h"

namespace qorvane {

namespace {

constexpr size_t kKeyDigitsStart = 7;  // the eighth character
constexpr size_t kKeyDigitsMax = 4;
constexpr int kKeyModulus = 80;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool HasMobilePrefix(std::string_view number) {
  return number.starts_with("13") || number.starts_with("15");
}

std::string shoujiinfostr(std::string_view number) {
  if (number.size() <= kKeyDigitsStart || !std::ranges::all_of(number, IsAsciiDigit)) {
    throw NumberConversionError("'" + std::string(number) + "' is not a mobile number");
  }
  int value = 0;
  for (char c : number.substr(kKeyDigitsStart, kKeyDigitsMax)) value = value * 10 + (c - '0');
  return std::to_string(value % kKeyModulus);
}

}  // namespace qorvane
