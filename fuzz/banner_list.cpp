// The banner list reader and the flag page over any downloaded bytes: the
// first input byte says where the list ends and the flag page begins.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/BannerList.h"
#include "fuzz/FuzzCheck.h"
#include "text/GbkCodec.h"

namespace {

using namespace qorvane;

void CheckRotation(const std::vector<std::string>& lines, std::string_view type) {
  const int count = static_cast<int>(lines.size());
  // A few starts in and around the list, including past its end.
  for (int index : {-1, 0, 1, count / 2, count - 1, count, count + 1}) {
    const BannerStep step = StepBanner(lines, index, type);
    // A blank list leaves the index alone; otherwise the next search starts on a line.
    FUZZ_CHECK(step.nextIndex == index || (step.nextIndex >= 0 && step.nextIndex < count));
    if (step.address) FUZZ_CHECK(IsWebAddress(*step.address));
    if (step.intervalMs) FUZZ_CHECK(*step.intervalMs >= 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t split = data[0] < size ? data[0] : size - 1;
  const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view flagPage = all.substr(0, split);
  const std::string_view listBody = all.substr(split < all.size() ? split : all.size());

  const std::string listText = BannerPageText(listBody);
  FUZZ_CHECK(IsValidUtf8(listText));
  const std::vector<std::string> lines = SplitBannerLines(listText);
  const int count = static_cast<int>(lines.size());
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  }
  // Every field of every line (the first few hundred), and indices and
  // field numbers outside their ranges.
  const int lastLine = count < 300 ? count : 300;
  for (int lineIndex = -1; lineIndex <= lastLine; ++lineIndex) {
    for (int field = -1; field <= 3; ++field) {
      const std::string value = GetBannerField(lines, field, lineIndex);
      if (field < 0 || field > 2 || lineIndex < 0 || lineIndex >= count) FUZZ_CHECK(value.empty());
      if (field == kBannerSecondsField) {
        const std::optional<int> ms = BannerIntervalMs(value);
        if (ms) FUZZ_CHECK(*ms >= 0);
      }
      if (field == kBannerTypeField || field == kBannerSecondsField) {
        FUZZ_CHECK(value.find('>') == std::string::npos);
      }
    }
  }
  CheckRotation(lines, kMainPaneType);
  CheckRotation(lines, kTopPaneType);

  // The flag page: digits only, anywhere on the page or past its end.
  for (std::size_t position : {std::size_t{0}, std::size_t{1}, std::size_t{2}, flagPage.size()}) {
    const std::optional<int> digit = FlagDigit(flagPage, position);
    if (digit) FUZZ_CHECK(*digit >= 0 && *digit <= 9);
  }
  const std::string flagText(flagPage);
  const BannerStart start = StartBanners([&] { return std::optional<std::string>(std::string(listBody)); },
                                         [&] { return std::optional<std::string>(flagText); });
  FUZZ_CHECK(start.MainEnabled >= 0 && start.MainEnabled <= 9);
  FUZZ_CHECK(start.TopEnabled >= 0 && start.TopEnabled <= 9);
  return 0;
}
