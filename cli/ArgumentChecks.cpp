#include "cli/ArgumentChecks.h"

#include <charconv>
#include <string>

#include "cli/UsageError.h"

namespace qorvane::cli {

namespace {

bool ReadDigits(std::string_view text, int& value) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

void ExpectPositionals(const Arguments& arguments, std::size_t least, std::size_t most, std::string_view names) {
  const std::size_t count = arguments.Positionals().size();
  if (count < least) throw UsageError("missing argument: expected " + std::string(names));
  if (count > most) {
    throw UsageError("too many arguments: '" + arguments.Positionals()[most] + "' after " + std::string(names));
  }
}

int ParseIntegerArgument(std::string_view text, int low, int high, std::string_view what) {
  int value = 0;
  // A sign is allowed in front; the digits after it must be all there is.
  const bool negative = text.starts_with('-');
  const std::string_view digits = negative || text.starts_with('+') ? text.substr(1) : text;
  if (!ReadDigits(digits, value)) {
    throw UsageError("invalid " + std::string(what) + " '" + std::string(text) + "': not a whole number");
  }
  if (negative) value = -value;
  if (value < low || value > high) {
    throw UsageError("invalid " + std::string(what) + " '" + std::string(text) + "': use " +
                     std::to_string(low) + "-" + std::to_string(high));
  }
  return value;
}

std::chrono::year_month_day ParseDateArgument(std::string_view text, std::string_view what) {
  using namespace std::chrono;
  int y = 0;
  int m = 0;
  int d = 0;
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' && ReadDigits(text.substr(0, 4), y) &&
                      ReadDigits(text.substr(5, 2), m) && ReadDigits(text.substr(8, 2), d);
  const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!shaped || !date.ok()) {
    throw UsageError("invalid " + std::string(what) + " '" + std::string(text) + "': expected YYYY-MM-DD");
  }
  return date;
}

}  // namespace qorvane::cli
