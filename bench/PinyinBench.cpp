// GbkToPinyin throughput over a large GBK text: every double-byte code of the
// GBK grid (lead 0x81-0xFE, trail 0x40-0xFE without 0x7F) in turn, then ASCII
// letters, digits and punctuation, repeated to about 10 MB. One run per flag
// combination; the rate is in bytes of input per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <string>

#include "netname/GbkToPinyin.h"

namespace {

const std::string& LargeGbkText() {
  static const std::string text = [] {
    std::string block;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail == 0x7F) continue;
        block.push_back(static_cast<char>(lead));
        block.push_back(static_cast<char>(trail));
      }
    }
    for (int c = 0x20; c < 0x7F; ++c) block.push_back(static_cast<char>(c));
    std::string all;
    constexpr std::size_t kTarget = 10u * 1000u * 1000u;
    all.reserve(kTarget + block.size());
    while (all.size() < kTarget) all += block;
    return all;
  }();
  return text;
}

void BM_GbkToPinyin(benchmark::State& state) {
  const std::string& text = LargeGbkText();
  const auto flags = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    // No cut: the whole text is converted and kept.
    std::string result = qorvane::GbkToPinyin(text, flags, std::numeric_limits<std::int32_t>::max());
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.SetLabel("flags " + std::to_string(flags));
}
BENCHMARK(BM_GbkToPinyin)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
