#pragma once
#include <string>
#include <vector>

namespace qorvane::cli::testing {

// What a run of the program left behind.
struct CliResult {
  int status = -1;  // the exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

struct CliRunOptions {
  std::string input;                      // fed to standard input
  std::string executable = QORVANE_CLI;   // the built qorvane-cli by default
  std::vector<std::string> environment;   // "NAME=value" added to the test's own
  // Standard output on a pseudo-terminal, read once the program has ended:
  // for outputs of a few kilobytes only, which the terminal holds meanwhile.
  bool outputToTerminal = false;
};

// Runs qorvane-cli with `args` (not counting the program name) and waits for it.
CliResult RunCli(const std::vector<std::string>& args, const CliRunOptions& options = {});

// False where no pseudo-terminal can be opened (some containers).
bool TerminalsAvailable();

// The output split at "\n", without the empty piece after the last break.
std::vector<std::string> Lines(const std::string& text);

}  // namespace qorvane::cli::testing
