#include "content/ExecutableDirectory.h"

#include <system_error>

namespace qorvane {

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return exe.parent_path();
}

}  // namespace qorvane
