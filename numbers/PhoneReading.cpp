#include "numbers/PhoneReading.h"

#include <vector>

#include "content/ContentDb.h"
#include "text/SilentAbort.h"
#include "text/Trim.h"

namespace qorvane {

std::string ShoujiQueryText(std::string_view key) {
  return "select title,jx,content from shouji where num = " + QuoteSqlText(key);
}

std::optional<PhoneReading> QueryPhoneReading(const std::string& connectionString,
                                              std::string_view key) {
  std::optional<std::vector<std::string>> row =
      QueryFirstRow(connectionString, ShoujiQueryText(key));
  if (!row) return std::nullopt;
  if (row->size() != 3) throw SilentAbort("shouji row without its three columns");
  return PhoneReading{Trim((*row)[0]), Trim((*row)[1]), Trim((*row)[2])};
}

}  // namespace qorvane
