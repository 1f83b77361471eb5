#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "signs/SignNames.h"
#include "cli/UsageError.h"
#include "content/ContentDb.h"
#include "content/ExecutableDirectory.h"
#include "signs/SignReport.h"
#include "text/SilentAbort.h"

namespace qorvane::cli {

namespace {

// The section codes that have a table (5 has none), as they are written.
struct SectionChoice {
  std::string_view text;
  SectionCode code;
};
constexpr SectionChoice kSectionCodes[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"6", 6}};

// The result area shows a text with line breaks as several lines; so does
// the terminal, with "\n" for every kind of break.
void PrintReportLine(std::ostream& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out << text.substr(start, i - start) << '\n';
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out << text.substr(start) << '\n';
}

std::string SignList() {
  std::string list;
  for (std::string_view name : kSignNames) list += (list.empty() ? "" : " ") + std::string(name);
  return list;
}

}  // namespace

int RunSign(const Arguments& arguments, CliContext& context) {
  ExpectPositionals(arguments, 1, 1, "NAME");
  const std::string& name = arguments.Positionals()[0];
  if (std::ranges::find(kSignNames, name) == kSignNames.end()) {
    throw UsageError("unknown sign '" + name + "': use one of " + SignList());
  }
  const LineSink addLine = [&](std::string_view line) { PrintReportLine(context.out, line); };
  // Each section is read from BrelmFile.dll beside the program just before its
  // lines; when a read fails, the lines already written stay, as in the window.
  const SectionSource sections = [](std::string_view signName, SectionCode code) {
    try {
      return QuerySection(signName, code);
    } catch (const SilentAbort& error) {
      throw SilentAbort((ExecutableDirectory() / kContentFileName).string() + ": " + error.what());
    }
  };
  const auto section = arguments.Value("section");
  if (!section) {
    WriteFullReport(name, sections, addLine);
    return 0;
  }
  const auto code = std::ranges::find(kSectionCodes, *section, &SectionChoice::text);
  if (code == std::end(kSectionCodes)) {
    throw UsageError("invalid section code '" + *section + "': use 0, 1, 2, 3, 4 or 6");
  }
  WriteSectionReport(name, code->code, sections, addLine);
  return 0;
}

}  // namespace qorvane::cli
