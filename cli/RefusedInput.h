#pragma once
#include <stdexcept>
#include <string>

namespace qorvane::cli {

// A value that a reading refuses, answered with the reading's own message
// (the one its dialog shows, "请输入你的号码！" and the like). Exit status 2,
// as for any other unusable command line, but without the --help pointer.
class RefusedInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qorvane::cli
