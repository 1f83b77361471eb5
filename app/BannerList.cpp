#include "app/BannerList.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "text/GbkCodec.h"
#include "text/Trim.h"

namespace qorvane {

namespace {

constexpr char kSeparator = '>';

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
  });
}

bool IsBlankList(const std::vector<std::string>& lines) {
  return std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return TrimView(line).empty(); });
}

}  // namespace

std::string BannerPageText(std::string_view body) {
  if (IsValidUtf8(body)) return std::string(body);
  return GbkToUtf8Lenient(body);
}

std::vector<std::string> SplitBannerLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::string GetBannerField(const std::vector<std::string>& lines, int field, int lineIndex) {
  if (lineIndex < 0 || static_cast<std::size_t>(lineIndex) >= lines.size()) return {};
  std::string_view line = TrimView(lines[static_cast<std::size_t>(lineIndex)]);
  std::size_t first = line.find(kSeparator);
  switch (field) {
    case kBannerTypeField:
      // A line without ">" has no type at all, so it is never shown.
      if (first == std::string_view::npos) return {};
      return std::string(line.substr(0, first));
    case kBannerSecondsField: {
      if (first == std::string_view::npos) return {};
      std::size_t second = line.find(kSeparator, first + 1);
      // With a single ">" there is no seconds field; the rest is the address.
      if (second == std::string_view::npos) return {};
      return std::string(line.substr(first + 1, second - first - 1));
    }
    case kBannerAddressField: {
      if (first == std::string_view::npos) return {};
      std::size_t second = line.find(kSeparator, first + 1);
      std::size_t from = (second == std::string_view::npos) ? first + 1 : second + 1;
      return Trim(line.substr(from));
    }
    default:
      return {};
  }
}

std::optional<int> FlagDigit(std::string_view page, std::size_t position) {
  if (position >= page.size()) return std::nullopt;
  char c = page[position];
  if (c < '0' || c > '9') return std::nullopt;
  return c - '0';
}

BannerStart StartBanners(const PageDownload& downloadList, const PageDownload& downloadFlags) {
  BannerStart start;
  std::optional<std::string> list = downloadList();
  if (!list) return start;
  start.listText = std::move(*list);

  std::optional<std::string> firstFlags = downloadFlags();
  std::optional<int> main = firstFlags ? FlagDigit(*firstFlags, 0) : std::nullopt;
  if (!main) return start;
  std::optional<std::string> secondFlags = downloadFlags();
  std::optional<int> top = secondFlags ? FlagDigit(*secondFlags, 1) : std::nullopt;
  if (!top) return start;

  start.MainEnabled = *main;
  start.TopEnabled = *top;
  return start;
}

bool IsWebAddress(std::string_view address) {
  for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
    if (StartsWithNoCase(address, scheme) && address.size() > scheme.size()) return true;
  }
  return false;
}

std::optional<int> BannerIntervalMs(std::string_view seconds) {
  if (seconds.empty()) return std::nullopt;
  if (!std::all_of(seconds.begin(), seconds.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
  if (error != std::errc() || end != seconds.data() + seconds.size()) return std::nullopt;
  if (value > INT_MAX / 1000) return std::nullopt;
  return value * 1000;
}

BannerStep StepBanner(const std::vector<std::string>& lines, int index, std::string_view type) {
  BannerStep step;
  if (IsBlankList(lines)) {
    step.nextIndex = index;
    return step;
  }
  const int lastLineIndex = static_cast<int>(lines.size()) - 1;
  for (int i = std::max(index, 0); i <= lastLineIndex; ++i) {
    if (GetBannerField(lines, kBannerTypeField, i) != type) continue;
    std::string address = GetBannerField(lines, kBannerAddressField, i);
    if (!IsWebAddress(address)) continue;
    step.address = std::move(address);
    step.intervalMs = BannerIntervalMs(GetBannerField(lines, kBannerSecondsField, i));
    step.nextIndex = (i + 1 > lastLineIndex) ? 0 : i + 1;
    return step;
  }
  step.nextIndex = 0;
  return step;
}

}  // namespace qorvane
