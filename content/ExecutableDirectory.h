#pragma once
#include <filesystem>

namespace qorvane {

// The directory of the running executable, symbolic links resolved, so that a
// program started through a link in bin/ still finds the files beside it.
std::filesystem::path ExecutableDirectory();

}  // namespace qorvane
