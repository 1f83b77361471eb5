#pragma once
#include <stdexcept>
#include <string>

namespace qorvane::cli {

// A command line that cannot be used as given. The message goes to standard
// error with a pointer to the command's --help, and the exit status is 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qorvane::cli
