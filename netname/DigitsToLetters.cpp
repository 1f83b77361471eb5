#include "netname/DigitsToLetters.h"

namespace qorvane {

std::string ReplaceDigitsByLetters(std::string text) {
  for (char& c : text) {
    if (c >= '0' && c <= '9') c = DigitsToLetters[static_cast<std::size_t>(c - '0')];
  }
  return text;
}

}  // namespace qorvane
