#pragma once
#include "netname/PackedText.h"

namespace qorvane {

// A conversion of at most two ASCII characters: the number forms and the
// Greek letters.
using ShortRecord = PackedText<2>;

static_assert(sizeof(ShortRecord) == 3, "short records are packed 3-byte records");

}  // namespace qorvane
