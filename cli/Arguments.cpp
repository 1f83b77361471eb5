#include "cli/Arguments.h"

#include <getopt.h>

#include "cli/UsageError.h"

namespace qorvane::cli {

namespace {

// getopt_long tells the options apart by the value it returns; ours start
// above every short option character.
constexpr int kFirstLongOption = 256;
constexpr int kHelpOption = 'h';

}  // namespace

bool Arguments::Has(std::string_view option) const { return options_.find(option) != options_.end(); }

std::optional<std::string> Arguments::Value(std::string_view option) const {
  const auto found = options_.find(option);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

void Arguments::AddOption(std::string_view option, std::string value) {
  options_.insert_or_assign(std::string(option), std::move(value));
}

void Arguments::AddPositional(std::string value) { positionals_.push_back(std::move(value)); }

Arguments ParseArguments(std::span<char*> args, std::span<const OptionDefinition> options) {
  std::vector<std::string> names;  // keeps the C strings that getopt_long points at
  names.reserve(options.size());
  std::vector<option> table;
  for (const OptionDefinition& definition : options) {
    names.emplace_back(definition.name);
    table.push_back({names.back().c_str(), definition.takesValue ? required_argument : no_argument, nullptr,
                     kFirstLongOption + static_cast<int>(table.size())});
  }
  table.push_back({"help", no_argument, nullptr, kHelpOption});
  table.push_back({nullptr, 0, nullptr, 0});

  Arguments result;
  // optind 0 makes glibc start afresh, as every command parses its own list;
  // opterr 0 keeps its messages quiet, ours say the same in our form. The
  // leading ':' tells a missing value apart from an unknown option.
  optind = 0;
  opterr = 0;
  const int argc = static_cast<int>(args.size());
  for (;;) {
    int index = -1;
    const int found = getopt_long(argc, args.data(), ":h", table.data(), &index);
    if (found == -1) break;
    if (found == kHelpOption) {
      result.AddOption("help", {});
    } else if (found >= kFirstLongOption) {
      const OptionDefinition& definition = options[static_cast<std::size_t>(found - kFirstLongOption)];
      result.AddOption(definition.name, optarg != nullptr ? optarg : "");
    } else if (found == ':') {
      throw UsageError("option '" + std::string(args[static_cast<std::size_t>(optind - 1)]) +
                       "' needs a value");
    } else if (optopt >= kFirstLongOption) {
      // "--whole=1": a value given to an option that takes none.
      throw UsageError("option '--" + std::string(options[static_cast<std::size_t>(optopt - kFirstLongOption)].name) +
                       "' takes no value");
    } else {
      const std::string given = optopt != 0 ? std::string("-") + static_cast<char>(optopt)
                                            : std::string(args[static_cast<std::size_t>(optind - 1)]);
      throw UsageError("unknown option '" + given + "'");
    }
  }
  for (int i = optind; i < argc; ++i) result.AddPositional(args[static_cast<std::size_t>(i)]);
  return result;
}

}  // namespace qorvane::cli
