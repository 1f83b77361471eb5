#pragma once
#include <string>
#include <string_view>

namespace qorvane {

// The three parts of a fortune entry as the number dialogs show them.
struct FortuneEntryFields {
  std::string verse;
  std::string verdict;
  std::string reading;
};

// Cuts at the first "|" (verse | rest), then cuts the rest at its first "|"
// (verdict | reading). Where a cut finds no "|", the part before it is empty
// and the part after it is the whole text, so the fallback text, which has
// no "|", lands whole in the reading.
FortuneEntryFields SplitFortuneEntry(std::string_view entry);

}  // namespace qorvane
