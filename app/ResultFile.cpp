#include "app/ResultFile.h"

#include "text/GbkCodec.h"

namespace qorvane {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One line to GBK, '?' for each character that GBK cannot take.
std::string LineToGbk(std::string_view line) { return Utf8ToGbkReplacing(line); }

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::string ToUtf8(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    std::string_view rest = bytes.substr(kUtf8Bom.size());
    if (IsValidUtf8(rest)) return std::string(rest);
  } else if (!IsAscii(bytes) && IsValidUtf8(bytes)) {
    return std::string(bytes);
  }
  return GbkToUtf8Lenient(bytes);
}

}  // namespace

std::string EncodeResultFile(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += LineToGbk(line);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> DecodeResultFile(std::string_view bytes) {
  const std::string text = ToUtf8(bytes);
  std::vector<std::string> lines;
  std::string current;
  bool open = false;  // a line has begun that no line end has closed yet
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    if (c == '\0') {
      current += kReplacement;
    } else {
      current += c;
    }
    open = true;
  }
  if (open) lines.push_back(std::move(current));
  return lines;
}

}  // namespace qorvane
