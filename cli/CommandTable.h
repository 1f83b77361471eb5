#pragma once
#include <span>
#include <string_view>

#include "cli/Command.h"

namespace qorvane::cli {

// Every command, in the order of the program's --help.
std::span<const Command> CommandTable();

// The command of that name, or nullptr.
const Command* FindCommand(std::string_view name);

}  // namespace qorvane::cli
