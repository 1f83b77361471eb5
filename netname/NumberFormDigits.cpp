#include "netname/NumberFormDigits.h"

namespace qorvane {

namespace {

// A run of consecutive trail bytes whose characters count up from 1.
struct NumberRun {
  int firstTrail;
  int lastTrail;
};

constexpr NumberRun kRuns[] = {
    {0xA1, 0xAA},  // ⅰ..ⅹ   small Roman numerals 1-10
    {0xB1, 0xC4},  // ⒈..⒛   numbers with a full stop 1-20
    {0xC5, 0xD8},  // ⑴..⒇   parenthesised numbers 1-20
    {0xD9, 0xE2},  // ①..⑩   circled numbers 1-10
    {0xE5, 0xEE},  // ㈠..㈩ parenthesised ideographs one to ten
    {0xF1, 0xFC},  // Ⅰ..Ⅻ   Roman numerals 1-12
};
// The trail bytes between the runs (0xAB-0xB0, 0xE3-0xE4, 0xEF-0xF0,
// 0xFD-0xFE) hold no character and stay empty.

// 1..20 as one or two ASCII digits.
constexpr ShortRecord DecimalRecord(int number) {
  ShortRecord record{};
  if (number >= 10) record.text[record.length++] = static_cast<char>('0' + number / 10);
  record.text[record.length++] = static_cast<char>('0' + number % 10);
  return record;
}

constexpr std::array<ShortRecord, 94> BuildNumberFormDigits() {
  std::array<ShortRecord, 94> table{};
  for (const NumberRun& run : kRuns) {
    for (int trail = run.firstTrail; trail <= run.lastTrail; ++trail) {
      table[trail - 0xA1] = DecimalRecord(trail - run.firstTrail + 1);
    }
  }
  return table;
}

}  // namespace

constexpr std::array<ShortRecord, 94> NumberFormDigits = BuildNumberFormDigits();

}  // namespace qorvane
