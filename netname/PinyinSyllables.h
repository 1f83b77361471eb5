#pragma once
#include <array>

#include "netname/SyllableRecord.h"

namespace qorvane {

inline constexpr int kPinyinSyllableCount = 405;

// The toneless Mandarin syllables, numbered 1 to 405; syllable n is stored at
// index n - 1, and the number 0 stands for "no reading". The numbers are what
// PinyinIndex stores, so the order is fixed: a few syllables sit at odd places
// (92 ji, 127 qiao, 220 yao), 394 is empty, and 395-405 are late additions.
// No character refers to 165 (lia), 394 or 401-403 (jv qv xv).
extern const std::array<SyllableRecord, kPinyinSyllableCount> PinyinSyllables;

}  // namespace qorvane
