#pragma once

namespace qorvane::cli {

// The exit statuses of qorvane-cli, as scripts test them.
inline constexpr int kExitSuccess = 0;
// Something the program needs could not be done: a content database file
// missing or unreadable, standard input that is not text, a write error.
inline constexpr int kExitFailure = 1;
// The command line cannot be used as given: an unknown command or option, a
// missing or extra argument, or a value the reading refuses.
inline constexpr int kExitUsage = 2;

}  // namespace qorvane::cli
