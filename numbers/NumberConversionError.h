#pragma once
#include <stdexcept>

namespace qorvane {

// A text that does not read as the whole number a lookup needs (empty,
// a character other than a sign or a digit, or out of range).
class NumberConversionError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

}  // namespace qorvane
