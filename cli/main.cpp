// qorvane-cli: the readings and the calendar of Qorvane for terminals and scripts.
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <span>
#include <string_view>

#include "cli/Cli.h"
#include "cli/ExitStatus.h"

namespace {

// The local date, as the calendar window takes "today".
std::chrono::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
         std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

// Colours only for a terminal, and never when the user asked for none
// (https://no-color.org) or the terminal cannot show them.
bool OutputTakesColour() {
  if (isatty(STDOUT_FILENO) == 0) return false;
  const char* noColour = std::getenv("NO_COLOR");
  if (noColour != nullptr && *noColour != '\0') return false;
  const char* term = std::getenv("TERM");
  return term == nullptr || std::string_view(term) != "dumb";
}

}  // namespace

int main(int argc, char* argv[]) {
  // Display widths of CJK text come from the C library's character tables;
  // all text is UTF-8, whatever the user's locale.
  std::setlocale(LC_CTYPE, "C.UTF-8");
  qorvane::cli::CliContext context{std::cin, std::cout, std::cerr, OutputTakesColour(), LocalToday()};
  int status = qorvane::cli::RunCli(std::span<char*>(argv, static_cast<std::size_t>(argc)), context);
  std::cout.flush();
  if (!std::cout && status == qorvane::cli::kExitSuccess) {
    std::cerr << "qorvane-cli: cannot write the output\n";
    status = qorvane::cli::kExitFailure;
  }
  return status;
}
