#pragma once
#include "netname/PackedText.h"

namespace qorvane {

// One syllable as the converter stores it: six lower-case letters hold the
// longest syllables (chuang, shuang, zhuang).
using SyllableRecord = PackedText<6>;

static_assert(sizeof(SyllableRecord) == 7, "syllable records are packed 7-byte records");

}  // namespace qorvane
