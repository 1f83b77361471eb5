#pragma once
#include <span>

#include "cli/CliContext.h"

namespace qorvane::cli {

// Runs qorvane-cli on its command line (args[0] is the program) and returns
// the exit status: the program's help and version, the choice of the
// command, and the one place where errors become messages on standard error.
int RunCli(std::span<char*> args, CliContext& context);

}  // namespace qorvane::cli
