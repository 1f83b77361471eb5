// Build step: turns an SQL source of content/data/ into a SQLite file.
// usage: qorvane_build_db <source.sql> <output file>
// The file is built under a temporary name and renamed into place, so an
// interrupted build never leaves a half-filled database behind.
#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qorvane_build_db <source.sql> <output file>\n";
    return 2;
  }
  const std::filesystem::path source = argv[1];
  const std::filesystem::path output = argv[2];
  const std::filesystem::path temporary = output.string() + ".tmp";
  try {
    std::ifstream in(source, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + source.string());
    std::stringstream sql;
    sql << in.rdbuf();
    std::filesystem::remove(temporary);
    {
      SQLite::Database db(temporary.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
      SQLite::Transaction transaction(db);
      db.exec(sql.str());
      transaction.commit();
    }
    std::filesystem::rename(temporary, output);
  } catch (const std::exception& error) {
    std::cerr << source.string() << ": " << error.what() << "\n";
    std::filesystem::remove(temporary);
    return 1;
  }
  return 0;
}
