#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qorvane {

// The result file: the lines of the result area as GBK text, every line ended
// by CR LF, no byte-order mark and no header. Files move unchanged between this
// program and the older ones that wrote GBK.

// The bytes of a result file for `lines` (UTF-8). A character that GBK has no
// code for is written as '?', as a Chinese Windows system writes it, so that
// the rest of the report is still saved.
std::string EncodeResultFile(const std::vector<std::string>& lines);

// The lines (UTF-8) of a file's bytes. CR LF, a lone CR and a lone LF each end
// a line; a line end at the very end of the file adds no empty line. The bytes
// are GBK unless they are valid UTF-8 holding something beyond ASCII (with or
// without a byte-order mark): then they are UTF-8, so that text files made on
// Linux open readably. Bytes that are neither become U+FFFD, and so does a NUL,
// which a text control cannot show. Never throws for any input; it allocates
// about three times the input at most.
std::vector<std::string> DecodeResultFile(std::string_view bytes);

// The largest file that the open command reads. A report is a few kilobytes;
// anything far beyond this is not a result file, and laying out hundreds of
// megabytes in the result area would freeze the program.
inline constexpr std::size_t kMaxResultFileBytes = 4u * 1024u * 1024u;

}  // namespace qorvane
