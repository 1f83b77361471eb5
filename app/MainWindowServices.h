#pragma once
#include <filesystem>

#include "content/ExecutableDirectory.h"

namespace qorvane {

// What the main window takes from outside. The defaults are the real ones;
// tests pass their own.
struct MainWindowServices {
  // Where BrelmFile.dll and dream.dll lie: beside the executable.
  std::filesystem::path contentDirectory = ExecutableDirectory();
};

}  // namespace qorvane
