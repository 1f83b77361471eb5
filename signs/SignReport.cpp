#include "signs/SignReport.h"

#include <array>

#include "signs/SignIqText.h"

namespace qorvane {

namespace {

constexpr std::string_view kIndent = "    ";

struct ReportSection {
  SectionCode code;
  std::string_view label;
};

// The stored sections in the order of the full report.
constexpr std::array<ReportSection, 6> kSections = {{
    {0, "情商分析:"},
    {1, "星座实力:"},
    {2, "星座名人:"},
    {3, "身体保健:"},
    {4, "五大建议:"},
    {6, "星座缺陷:"},
}};

std::string IndentedIq(std::string_view signName) {
  return std::string(kIndent) + std::string(SignIqText(signName));
}

}  // namespace

std::string FullReportHeader(std::string_view signName) {
  return "您的星座为" + std::string(signName) + ",经系统分析如下:";
}

std::string ShortReportHeader(std::string_view signName) {
  return "您的星座为" + std::string(signName) + "...";
}

std::string_view SectionLabel(SectionCode code) {
  for (const ReportSection& section : kSections) {
    if (section.code == code) return section.label;
  }
  return {};
}

void WriteFullReport(std::string_view signName, const SectionSource& sections, const LineSink& addLine) {
  addLine(FullReportHeader(signName));
  addLine("");
  addLine("星座运程:");
  addLine(IndentedIq(signName));
  for (const ReportSection& section : kSections) {
    addLine("");
    addLine(section.label);
    addLine(sections(signName, section.code));
  }
}

void WriteIqReport(std::string_view signName, const LineSink& addLine) {
  addLine(FullReportHeader(signName));
  addLine("");
  addLine(IndentedIq(signName));
}

void WriteSectionReport(std::string_view signName, SectionCode code, const SectionSource& sections,
                        const LineSink& addLine) {
  addLine(ShortReportHeader(signName));
  addLine("");
  addLine(sections(signName, code));
}

}  // namespace qorvane
