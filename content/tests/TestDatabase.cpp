#include "content/tests/TestDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <stdlib.h>

#include <stdexcept>

namespace qorvane::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qorvane-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void MakeDatabase(const std::filesystem::path& file, const std::string& sql) {
  SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
  db.exec(sql);
}

}  // namespace qorvane::testing
