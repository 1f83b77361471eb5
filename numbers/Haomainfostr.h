#pragma once
#include <string>
#include <string_view>

namespace qorvane {

// What a number with a negative remainder gets: it has no entry. The comma
// is an ASCII one.
inline constexpr std::string_view kNumerologyFallback = "对不起,此号不在分解之类。";

// The whole text of entry `index` (0..80): "verse|verdict|主人性格类型：[label]，其具体表现为：description".
std::string NumerologyEntryText(int index);

// The fortune of a whole number given as text: a signed 64-bit decimal with
// an optional sign and any number of leading zeros, nothing else (no blanks).
// The entry is the truncating remainder mod 81; a negative remainder gets
// kNumerologyFallback. Throws NumberConversionError for any other text.
std::string haomainfostr(std::string_view numberText);

}  // namespace qorvane
