#pragma once
#include <array>

#include "netname/ShortRecord.h"

namespace qorvane {

// The conversions of GBK row 0xA2 for the trail bytes 0xA1..0xFE (entry
// T - 0xA1): small and capital Roman numerals, numbers with a full stop, in
// parentheses and in circles, and the parenthesised ideographs one to ten,
// each as its decimal number. Codes without a character are empty.
extern const std::array<ShortRecord, 94> NumberFormDigits;

}  // namespace qorvane
