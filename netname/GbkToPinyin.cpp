#include "netname/GbkToPinyin.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "netname/GreekLetterNames.h"
#include "netname/NumberFormDigits.h"
#include "netname/PinyinIndex.h"
#include "netname/PinyinSyllables.h"
#include "netname/SyllableRecord.h"

namespace qorvane {

namespace {

bool IsAsciiDigitOrLetter(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

void AppendUpper(std::string& out, std::string_view piece) {
  for (char c : piece) out.push_back(AsciiUpper(c));
}

void AppendUnmapped(std::string& out, std::int32_t flags) {
  if (flags & PinyinMarkUnmapped) out.push_back('?');
}

// Row 0xA2: the number forms; codes between them give nothing, even marked.
void AppendNumberForm(std::string& out, unsigned char trail, std::int32_t flags) {
  if (trail >= 0xA1 && trail <= 0xFE) {
    out.append(NumberFormDigits[trail - 0xA1].Text());
  } else {
    AppendUnmapped(out, flags);
  }
}

// Row 0xA3: the full-width forms of ASCII, kept in their own case.
void AppendFullWidth(std::string& out, unsigned char trail, std::int32_t flags) {
  const auto ascii = static_cast<unsigned char>(trail - 0x80);
  if ((flags & PinyinAllBytes) || IsAsciiDigitOrLetter(ascii)) out.push_back(static_cast<char>(ascii));
}

// Row 0xA6: capital and small Greek letters share one transliteration.
void AppendGreekLetter(std::string& out, unsigned char trail, std::int32_t flags) {
  if (trail >= 0xA1 && trail <= 0xB8) {
    AppendUpper(out, GreekLetterNames[trail - 0xA1].Text());
  } else if (trail >= 0xC1 && trail <= 0xD8) {
    AppendUpper(out, GreekLetterNames[trail - 0xC1].Text());
  } else {
    AppendUnmapped(out, flags);
  }
}

// The syllables as they are written out, upper-cased once instead of letter
// by letter at every character: the conversion is on the hot path of long texts.
const std::array<SyllableRecord, kPinyinSyllableCount>& UpperSyllables() {
  static const std::array<SyllableRecord, kPinyinSyllableCount> upper = [] {
    std::array<SyllableRecord, kPinyinSyllableCount> table = PinyinSyllables;
    for (SyllableRecord& record : table) {
      for (char& letter : record.text) letter = AsciiUpper(letter);
    }
    return table;
  }();
  return upper;
}

void AppendSyllable(std::string& out, unsigned char lead, unsigned char trail, std::int32_t flags) {
  const int position = PinyinIndexPosition(lead, trail);
  const int number = position < 0 ? 0 : PinyinIndex[static_cast<std::size_t>(position)];
  if (number == 0 || number > kPinyinSyllableCount) {
    AppendUnmapped(out, flags);
    return;
  }
  const std::string_view syllable = UpperSyllables()[static_cast<std::size_t>(number - 1)].Text();
  out.append((flags & PinyinWhole) ? syllable : syllable.substr(0, 1));
}

void AppendDoubleByte(std::string& out, unsigned char lead, unsigned char trail, std::int32_t flags) {
  switch (lead) {
    case 0xA2: AppendNumberForm(out, trail, flags); break;
    case 0xA3: AppendFullWidth(out, trail, flags); break;
    case 0xA6: AppendGreekLetter(out, trail, flags); break;
    default: AppendSyllable(out, lead, trail, flags); break;
  }
}

}  // namespace

std::string GbkToPinyin(std::string_view text, std::int32_t flags, std::int32_t maxLength) {
  std::string out;
  if (flags < 0 || maxLength <= 0) return out;
  const auto limit = static_cast<std::size_t>(maxLength);
  // A whole syllable can be three times as long as its two bytes.
  out.reserve(std::min(limit, (flags & PinyinWhole) ? 3 * text.size() : text.size()) + 8);
  std::size_t i = 0;
  // Converting stops once the result reaches the cut: what would follow is cut
  // away, so the result is that of converting the whole text.
  while (i < text.size() && out.size() < limit) {
    const auto b = static_cast<unsigned char>(text[i]);
    // A lead byte only counts as one when a trail byte of 0x40 or more
    // follows it; otherwise it is a character of its own, and so is the
    // byte after it.
    const bool doubleByte =
        b >= 0x81 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x40;
    if (doubleByte) {
      AppendDoubleByte(out, b, static_cast<unsigned char>(text[i + 1]), flags);
      i += 2;
      continue;
    }
    if ((flags & PinyinAllBytes) || IsAsciiDigitOrLetter(b)) out.push_back(AsciiUpper(text[i]));
    ++i;
  }
  // The cut may fall inside a syllable.
  if (out.size() > limit) out.resize(limit);
  return out;
}

std::unique_ptr<char[]> GbkToPinyinBuffer(const char* text, std::int32_t flags, std::int32_t maxLength) {
  const std::string result =
      GbkToPinyin(text ? std::string_view(text, std::strlen(text)) : std::string_view(), flags, maxLength);
  auto buffer = std::make_unique<char[]>(result.size() + 1);
  std::memcpy(buffer.get(), result.data(), result.size());
  buffer[result.size()] = '\0';
  return buffer;
}

}  // namespace qorvane
