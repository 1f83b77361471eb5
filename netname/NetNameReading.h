#pragma once
#include <string>
#include <string_view>

namespace qorvane {

// The personality text for a net name (UTF-8), chosen by the last character
// that survives its conversion to pinyin initials: the initial of its last
// Chinese character, its last ASCII letter, the letter for its last digit.
// Empty for an empty name and when that character has no row (a last "?"
// for a character without a reading, or nothing left at all). The text is
// returned as the table holds it, blanks included.
// Throws EncodingError when the name holds a character that GBK cannot
// encode (an emoji, say) or is not valid UTF-8.
std::string NetNameReading(std::string_view name);

}  // namespace qorvane
