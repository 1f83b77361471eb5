#pragma once
#include <span>
#include <string_view>

#include "cli/Arguments.h"
#include "cli/CliContext.h"

namespace qorvane::cli {

// One subcommand of qorvane-cli.
struct Command {
  std::string_view name;
  std::string_view usage;     // "cal [YEAR [MONTH]]", for the program's --help
  std::string_view summary;   // what it prints, in a few words
  std::string_view help;      // its own --help, usage first
  std::span<const OptionDefinition> options;
  // Runs the command on its parsed arguments and returns the exit status;
  // throws UsageError, RefusedInput, or SilentAbort for a database failure.
  int (*run)(const Arguments& arguments, CliContext& context);
};

}  // namespace qorvane::cli
