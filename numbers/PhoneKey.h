#pragma once
#include <string>
#include <string_view>

namespace qorvane {

// Mobile numbers start "13" or "15"; nothing else about them is checked here.
bool HasMobilePrefix(std::string_view number);

// The key of a mobile number in the readings table: the characters from the
// eighth on, at most four (the last four digits of an 11-digit number), read
// as a decimal V; the key is V mod 80 written without leading zeros, "0".."79".
// Throws NumberConversionError when the number holds anything but ASCII
// digits or is shorter than eight characters, so that no key is ever made up.
std::string shoujiinfostr(std::string_view number);

}  // namespace qorvane
