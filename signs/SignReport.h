#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "content/ContentDb.h"

namespace qorvane {

// Where a report goes, one line per call; a text with line breaks shows as
// several lines and an empty text as an empty line.
using LineSink = std::function<void(std::string_view line)>;
// The stored text of one section of a sign; throws SilentAbort on a failure.
using SectionSource = std::function<std::string(std::string_view signName, SectionCode code)>;

// "您的星座为" + sign + ",经系统分析如下:"
std::string FullReportHeader(std::string_view signName);
// "您的星座为" + sign + "..."
std::string ShortReportHeader(std::string_view signName);

// The full report of a sign, 22 lines: header, the intelligence reading and
// the six stored sections, each queried just before its line. When a query
// fails, the lines written so far stay and the failure propagates.
void WriteFullReport(std::string_view signName, const SectionSource& sections, const LineSink& addLine);

// Header, empty line, indented intelligence reading.
void WriteIqReport(std::string_view signName, const LineSink& addLine);

// Short header, empty line, the section's text (queried after the first two lines).
void WriteSectionReport(std::string_view signName, SectionCode code, const SectionSource& sections,
                        const LineSink& addLine);

// The label that introduces a section in the full report ("情商分析:" …), or "".
std::string_view SectionLabel(SectionCode code);

}  // namespace qorvane
