#include "cli/Cli.h"

#include <cstdio>
#include <exception>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/CommandTable.h"
#include "cli/ExitStatus.h"
#include "cli/RefusedInput.h"
#include "cli/UsageError.h"
#include "text/SilentAbort.h"

#ifndef QORVANE_VERSION
#define QORVANE_VERSION "unknown"
#endif

namespace qorvane::cli {

namespace {

constexpr std::string_view kProgram = "qorvane-cli";

void PrintProgramHelp(std::ostream& out) {
  out << "Usage: qorvane-cli COMMAND [ARGUMENT...]\n"
         "       qorvane-cli COMMAND --help\n"
         "\n"
         "The readings and the Chinese calendar of Qorvane on the command line.\n"
         "Text is read and written as UTF-8.\n"
         "\n"
         "Commands:\n";
  for (const Command& command : CommandTable()) {
    char line[128];
    std::snprintf(line, sizeof line, "  %-30.*s %.*s\n", static_cast<int>(command.usage.size()),
                  command.usage.data(), static_cast<int>(command.summary.size()), command.summary.data());
    out << line;
  }
  out << "\n"
         "Exit status: 0 on success; 1 on a failure, such as a missing database file;\n"
         "2 on a usage error or a value that a reading refuses.\n";
}

// Runs one command and turns what it throws into a message and a status.
int RunCommand(const Command& command, std::span<char*> args, CliContext& context) {
  const std::string prefix = std::string(kProgram) + " " + std::string(command.name) + ": ";
  try {
    const Arguments arguments = ParseArguments(args, command.options);
    if (arguments.Has("help")) {
      context.out << command.help;
      return kExitSuccess;
    }
    return command.run(arguments, context);
  } catch (const UsageError& error) {
    context.out.flush();
    context.err << prefix << error.what() << "\n"
                << "Try '" << kProgram << " " << command.name << " --help'.\n";
    return kExitUsage;
  } catch (const RefusedInput& error) {
    context.out.flush();
    context.err << prefix << error.what() << '\n';
    return kExitUsage;
  } catch (const SilentAbort& error) {
    // The windows end a command silently when a content file fails; a script
    // needs to hear of it. The commands put the file's path in the message.
    context.out.flush();
    context.err << prefix << "cannot read " << error.what() << '\n';
    return kExitFailure;
  } catch (const std::exception& error) {
    context.out.flush();
    context.err << prefix << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace

int RunCli(std::span<char*> args, CliContext& context) {
  if (args.size() < 2) {
    context.err << kProgram << ": missing COMMAND\n"
                << "Try '" << kProgram << " --help'.\n";
    return kExitUsage;
  }
  const std::string_view first = args[1];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintProgramHelp(context.out);
    return kExitSuccess;
  }
  if (first == "--version") {
    context.out << kProgram << ' ' << QORVANE_VERSION << '\n';
    return kExitSuccess;
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    context.err << kProgram << ": unknown command '" << first << "'\n"
                << "Try '" << kProgram << " --help'.\n";
    return kExitUsage;
  }
  return RunCommand(*command, args.subspan(1), context);
}

}  // namespace qorvane::cli
