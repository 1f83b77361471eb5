#pragma once
#include <chrono>
#include <cstddef>
#include <string_view>

#include "cli/Arguments.h"

namespace qorvane::cli {

// Throws UsageError unless the command got between `least` and `most`
// positional arguments; `names` says what they are ("YEAR [MONTH]").
void ExpectPositionals(const Arguments& arguments, std::size_t least, std::size_t most, std::string_view names);

// A decimal integer in [low, high], with nothing around it; else UsageError
// naming `what`.
int ParseIntegerArgument(std::string_view text, int low, int high, std::string_view what);

// A date written YYYY-MM-DD that exists in the Gregorian calendar; else
// UsageError naming `what`.
std::chrono::year_month_day ParseDateArgument(std::string_view text, std::string_view what);

}  // namespace qorvane::cli
