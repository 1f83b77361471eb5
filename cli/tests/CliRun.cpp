#include "cli/tests/CliRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "content/tests/TestDatabase.h"

extern char** environ;

namespace qorvane::cli::testing {

namespace {

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void Check(int result, const char* what) {
  if (result != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
}

// A pseudo-terminal pair: the child writes to the slave, the test reads the master.
struct Terminal {
  int master = -1;
  std::string slaveName;
};

Terminal OpenTerminal() {
  Terminal terminal;
  terminal.master = posix_openpt(O_RDWR | O_NOCTTY);
  if (terminal.master < 0 || grantpt(terminal.master) != 0 || unlockpt(terminal.master) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  terminal.slaveName = ptsname(terminal.master);
  return terminal;
}

std::string DrainTerminal(int master) {
  // Once the child has gone, the master reads what is left and then fails with EIO.
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t count = read(master, buffer, sizeof buffer);
    if (count <= 0) break;
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const CliRunOptions& options) {
  // Files rather than pipes carry the three streams, so that no stream can
  // fill up and stall the child while the test waits on another.
  qorvane::testing::TempDir streams;
  const std::filesystem::path in = streams.path() / "in";
  const std::filesystem::path out = streams.path() / "out";
  const std::filesystem::path err = streams.path() / "err";
  std::ofstream(in, std::ios::binary) << options.input;

  Terminal terminal;
  if (options.outputToTerminal) terminal = OpenTerminal();

  posix_spawn_file_actions_t actions;
  Check(posix_spawn_file_actions_init(&actions), "file actions");
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, in.c_str(), O_RDONLY, 0);
  if (options.outputToTerminal) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, terminal.slaveName.c_str(), O_WRONLY | O_NOCTTY, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  }
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<std::string> argStrings{options.executable};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  // The test's environment without any NO_COLOR, plus what the test adds.
  std::vector<std::string> envStrings;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "NO_COLOR=", 9) != 0) envStrings.emplace_back(*entry);
  }
  envStrings.insert(envStrings.end(), options.environment.begin(), options.environment.end());
  std::vector<char*> envp;
  for (std::string& entry : envStrings) envp.push_back(entry.data());
  envp.push_back(nullptr);

  pid_t child = 0;
  const int spawned = posix_spawn(&child, options.executable.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  Check(spawned, "posix_spawn");

  int waitStatus = 0;
  waitpid(child, &waitStatus, 0);
  CliResult result;
  result.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
  if (options.outputToTerminal) {
    result.out = DrainTerminal(terminal.master);
    close(terminal.master);
  } else {
    result.out = ReadFile(out);
  }
  result.err = ReadFile(err);
  return result;
}

bool TerminalsAvailable() {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) return false;
  close(master);
  return true;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace qorvane::cli::testing
