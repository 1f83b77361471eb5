#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvane {

// The maker's banner server. A reserved example domain: it never resolves, so
// a shipped program shows no banners until a real host is put here.
inline constexpr std::string_view kBannerServer = "www.qorvane.example";
// The list of banner pages, one "type>seconds>address" line each.
inline constexpr std::string_view kBannerListPath = "/Chinese/CPC/loginfo.html";
// Two digits: the first switches the main-area pane, the second the top pane.
inline constexpr std::string_view kBannerFlagPath = "/Chinese/SysInfo/logFlagQorvane.htm";

// The line types of the two panes.
inline constexpr std::string_view kMainPaneType = "0";
inline constexpr std::string_view kTopPaneType = "1";

// The fields of a list line, numbered as GetBannerField takes them.
inline constexpr int kBannerTypeField = 0;
inline constexpr int kBannerSecondsField = 1;
inline constexpr int kBannerAddressField = 2;

// A downloaded page as text. The server's pages are plain ASCII in practice;
// a page that is not UTF-8 is read as GBK, the server's own encoding.
std::string BannerPageText(std::string_view body);

// The lines of the list text. A line ends at CR LF, LF or a lone CR, as a
// text control reads a page; a break at the very end opens no further line.
std::vector<std::string> SplitBannerLines(std::string_view text);

// One field of list line `lineIndex`: 0 the type, 1 the seconds, 2 the
// address. The line is trimmed first; only its first two ">" separate, so the
// address keeps any further ">" (and is trimmed on its own). A line without
// ">" has an empty type; with one ">" only, the seconds field is empty and the
// address is everything after it. A missing field,
// a line index outside the list or a field number outside 0..2 give "".
std::string GetBannerField(const std::vector<std::string>& lines, int field, int lineIndex);

// The flag character at `position` of the flag page as a number 0..9, or
// nothing when the page is too short or the character is not a digit.
std::optional<int> FlagDigit(std::string_view page, std::size_t position);

// What the start-up downloads leave: the list text and the two switches.
struct BannerStart {
  std::string listText;
  int MainEnabled = 0;
  int TopEnabled = 0;
};

// Downloads one page: its body, or nothing when the download failed.
using PageDownload = std::function<std::optional<std::string>()>;

// The start-up's three downloads in order: the list, then the flag page twice
// (the main-area switch from the first answer's first character, the top
// switch from the second answer's second character). The first failure skips
// the rest and leaves both switches 0; the list keeps what it got.
BannerStart StartBanners(const PageDownload& downloadList, const PageDownload& downloadFlags);

// True for an http or https address, the only ones a pane may load: an
// address of any other scheme (file:, javascript:, data:) could reach the
// user's own files or run script with the pane's rights.
bool IsWebAddress(std::string_view address);

// A seconds field as a timer interval in milliseconds, or nothing when the
// field is not a plain whole number or the interval would overflow an int.
std::optional<int> BannerIntervalMs(std::string_view seconds);

// What one rotation step of a pane does.
struct BannerStep {
  std::optional<std::string> address;  // the page to load, if a line was found
  std::optional<int> intervalMs;       // the pane's new interval, if the line gave one; 0 stops the pane
  int nextIndex = 0;                   // where the pane's next search starts
};

// One rotation step of the pane of line type `type` whose search starts at
// line `index`: the first line from there to the end whose type matches and
// whose address is a web address is shown, and the next search starts after
// it, back at 0 past the last line. When no line is found the next search
// starts at 0 and the pane keeps its page. A seconds field that is no whole
// number keeps the previous interval. A blank list does nothing at all.
BannerStep StepBanner(const std::vector<std::string>& lines, int index, std::string_view type);

}  // namespace qorvane
