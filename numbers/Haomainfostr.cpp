#include "numbers/Haomainfostr.h"

#include <charconv>
#include <cstdint>
#include <stdexcept>

#include "numbers/NumberConversionError.h"
#include "numbers/NumerologyTable.h"
#include "numbers/PersonalityTypes.h"

namespace qorvane {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Strict decimal reading: [+-]digits, the whole text, within int64_t.
std::int64_t ReadInt64(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  bool allDigits = !digits.empty();
  for (char c : digits) allDigits = allDigits && IsAsciiDigit(c);
  if (!allDigits) {
    throw NumberConversionError("'" + std::string(text) + "' is not a valid integer value");
  }
  // from_chars takes the minus sign itself, so that INT64_MIN still fits.
  std::string signedDigits = negative ? "-" + std::string(digits) : std::string(digits);
  std::int64_t value = 0;
  auto [end, error] =
      std::from_chars(signedDigits.data(), signedDigits.data() + signedDigits.size(), value);
  if (error != std::errc() || end != signedDigits.data() + signedDigits.size()) {
    throw NumberConversionError("'" + std::string(text) + "' is out of the integer range");
  }
  return value;
}

}  // namespace

std::string NumerologyEntryText(int index) {
  if (index < 0 || index >= kNumerologyEntryCount) {
    throw std::out_of_range("numerology entry " + std::to_string(index));
  }
  const NumerologyEntry& entry = NumerologyTable()[static_cast<size_t>(index)];
  const PersonalityType& type = PersonalityTypeByNumber(entry.personalityType);
  std::string text;
  text.append(entry.verse).append("|").append(entry.verdict).append("|");
  text.append("主人性格类型：[").append(type.label).append("]，其具体表现为：");
  text.append(type.description);
  return text;
}

std::string haomainfostr(std::string_view numberText) {
  // C++ % truncates, so the remainder carries the sign of the number.
  std::int64_t remainder = ReadInt64(numberText) % kNumerologyEntryCount;
  if (remainder < 0) return std::string(kNumerologyFallback);
  return NumerologyEntryText(static_cast<int>(remainder));
}

}  // namespace qorvane
