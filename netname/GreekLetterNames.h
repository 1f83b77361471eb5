#pragma once
#include <array>

#include "netname/ShortRecord.h"

namespace qorvane {

// Latin transliterations of the 24 Greek letters in alphabet order, shared by
// the capitals (GBK 0xA6A1..0xA6B8) and the small letters (0xA6C1..0xA6D8).
extern const std::array<ShortRecord, 24> GreekLetterNames;

}  // namespace qorvane
