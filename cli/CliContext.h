#pragma once
#include <chrono>
#include <iosfwd>

namespace qorvane::cli {

// What a command works with besides its arguments.
struct CliContext {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  // Standard output is a terminal that takes colours (and NO_COLOR is unset).
  bool colourTerminal;
  // The local date when the program started.
  std::chrono::year_month_day today;
};

}  // namespace qorvane::cli
