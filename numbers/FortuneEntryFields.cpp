#include "numbers/FortuneEntryFields.h"

#include <utility>

namespace qorvane {

namespace {

std::pair<std::string_view, std::string_view> CutAtFirstBar(std::string_view text) {
  size_t bar = text.find('|');
  if (bar == std::string_view::npos) return {{}, text};
  return {text.substr(0, bar), text.substr(bar + 1)};
}

}  // namespace

FortuneEntryFields SplitFortuneEntry(std::string_view entry) {
  auto [verse, rest] = CutAtFirstBar(entry);
  auto [verdict, reading] = CutAtFirstBar(rest);
  return {std::string(verse), std::string(verdict), std::string(reading)};
}

}  // namespace qorvane
