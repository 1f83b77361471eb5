#pragma once
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qorvane::cli {

// A long option of a command: "--name" alone, or "--name VALUE" / "--name=VALUE".
struct OptionDefinition {
  std::string_view name;
  bool takesValue = false;
};

// A command's arguments once its options are taken out.
class Arguments {
 public:
  bool Has(std::string_view option) const;
  // The value of an option given with one; the last one counts when repeated.
  std::optional<std::string> Value(std::string_view option) const;
  const std::vector<std::string>& Positionals() const { return positionals_; }

  void AddOption(std::string_view option, std::string value);
  void AddPositional(std::string value);

 private:
  std::map<std::string, std::string, std::less<>> options_;
  std::vector<std::string> positionals_;
};

// Reads the arguments of one command with getopt_long: `args` starts with the
// command's name. Options and positional arguments may come in any order; "--"
// ends the options, so "number -- -5" reads -5 as a number. Every command
// also takes --help (and -h). Throws UsageError for an unknown option or one
// that lacks its value.
Arguments ParseArguments(std::span<char*> args, std::span<const OptionDefinition> options);

}  // namespace qorvane::cli
