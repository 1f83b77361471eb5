#pragma once
#include <filesystem>
#include <string>

namespace qorvane::testing {

// A fresh temporary directory, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Creates the SQLite file `file` and runs `sql` in it.
void MakeDatabase(const std::filesystem::path& file, const std::string& sql);

}  // namespace qorvane::testing
