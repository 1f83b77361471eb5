#pragma once
#include <span>
#include <string_view>

namespace qorvane {

// One fortune of the 81-number table.
struct NumerologyEntry {
  int index;                  // 0..80, the remainder mod 81 that selects it
  std::string_view verse;     // four four-character phrases joined by "，"
  std::string_view verdict;   // "吉", "凶", "吉带凶" or "凶带吉"
  int personalityType;        // 1..9, see PersonalityTypes.h
};

inline constexpr int kNumerologyEntryCount = 81;

// All 81 entries, index 0 first.
std::span<const NumerologyEntry> NumerologyTable();

}  // namespace qorvane
