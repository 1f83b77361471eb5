#pragma once
#include <stdexcept>

namespace qorvane {

// Cancels the running command without a message: the command guard of the
// windows swallows it. Thrown by a failing database query.
class SilentAbort : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qorvane
