#include "netname/NetNameReading.h"

#include "netname/DigitsToLetters.h"
#include "netname/GbkToPinyin.h"
#include "netname/LetterPersonalities.h"
#include "text/GbkCodec.h"

namespace qorvane {

namespace {

// Initials only, "?" for what has no conversion, punctuation dropped.
constexpr std::int32_t kReadingFlags = PinyinMarkUnmapped;
constexpr std::int32_t kReadingMaxLength = 255;

std::string LastCharacterAsKey(std::string_view letters) {
  if (letters.empty()) return {};
  char last = letters.back();
  if (last >= 'A' && last <= 'Z') last = static_cast<char>(last - 'A' + 'a');
  return std::string(1, last);
}

}  // namespace

std::string NetNameReading(std::string_view name) {
  if (name.empty()) return {};
  // The converter's tables are indexed by GBK code.
  const std::string gbk = Utf8ToGbk(name);
  const std::string letters = ReplaceDigitsByLetters(GbkToPinyin(gbk, kReadingFlags, kReadingMaxLength));
  return std::string(LetterPersonality(LastCharacterAsKey(letters)));
}

}  // namespace qorvane
