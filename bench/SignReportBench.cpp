// One stored section, and the full sign report with its six queries, read
// from the shipped BrelmFile.dll beside this program.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "content/ContentDb.h"
#include "signs/SignReport.h"

namespace {

void BM_QuerySection(benchmark::State& state) {
  const std::string connection = qorvane::ContentConnectionString();
  for (auto _ : state) {
    std::string text = qorvane::QuerySection(connection, "天蝎座", 0);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_QuerySection)->Unit(benchmark::kMicrosecond);

// As a sign label's click writes it: the connection string is built afresh
// for every section, as the main window does.
void BM_FullSignReport(benchmark::State& state) {
  const qorvane::SectionSource sections = [](std::string_view sign, qorvane::SectionCode code) {
    return qorvane::QuerySection(qorvane::ContentConnectionString(), sign, code);
  };
  for (auto _ : state) {
    std::size_t lines = 0;
    qorvane::WriteFullReport("天蝎座", sections, [&](std::string_view) { ++lines; });
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_FullSignReport)->Unit(benchmark::kMicrosecond);

}  // namespace
