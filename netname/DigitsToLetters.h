#pragma once
#include <array>
#include <string>

namespace qorvane {

// The letter that stands for each digit in the net-name reading, indexed by
// the digit's value: 1 -> A ... 9 -> I, and 0 -> J (0 counts as ten).
inline constexpr std::array<char, 10> DigitsToLetters = {'J', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};

// Replaces every ASCII digit of text by its letter.
std::string ReplaceDigitsByLetters(std::string text);

}  // namespace qorvane
