#pragma once
#include <string_view>

namespace qorvane {

// What the phone reading answers to a number it cannot use.
inline constexpr std::string_view kEnterElevenDigits = "请输入11位手机号码！";
inline constexpr std::string_view kEnterCorrectNumber = "请输入正确的手机号码！";

// The checks that come before a phone number's key, in the reading's order:
// an empty number asks for the 11 digits; a prefix other than "13" or "15" is
// not a mobile number; a number that cannot give a key (fewer than eight
// characters, more than eleven, or anything but digits) asks for the 11
// digits again. Returns that message, or "" when shoujiinfostr can read the
// number. `number` has its surrounding blanks removed already.
std::string_view PhoneNumberRefusal(std::string_view number);

}  // namespace qorvane
