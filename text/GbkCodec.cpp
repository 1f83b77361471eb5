#include "text/GbkCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

// The only place of the program that talks to iconv.
namespace qorvane {

namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw EncodingError(std::string("no converter from ") + from + " to " + to);
  }
  return IconvHandle(cd);
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// What a conversion does at a sequence it cannot convert.
enum class OnFailure {
  Throw,
  ReplaceByte,      // U+FFFD, then go on after one byte (reading GBK)
  ReplaceCharacter  // '?', then go on after the whole UTF-8 character (writing GBK)
};

// The length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Converts all of `input` on one converter, so that a long text with many
// characters that need replacing stays as fast as one without.
std::string Convert(std::string_view input, const char* to, const char* from, OnFailure onFailure) {
  IconvHandle handle = Open(to, from);
  auto cd = static_cast<iconv_t>(handle.get());
  std::string out;
  out.reserve(input.size() * 3 / 2 + 16);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ: invalid or unconvertible sequence; EINVAL: truncated at the end.
    size_t skip = 1;
    switch (onFailure) {
      case OnFailure::Throw:
        throw EncodingError(std::string("cannot convert from ") + from + " to " + to + " at byte " +
                            std::to_string(input.size() - inLeft));
      case OnFailure::ReplaceByte:
        out.append(kReplacement);
        break;
      case OnFailure::ReplaceCharacter:
        out.push_back('?');
        skip = std::min(Utf8SequenceLength(static_cast<unsigned char>(*in)), inLeft);
        break;
    }
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) throw EncodingError("the text is not valid UTF-8");
  return Convert(utf8, "GBK", "UTF-8", OnFailure::Throw);
}

std::string Utf8ToGbkReplacing(std::string_view utf8) {
  return Convert(utf8, "GBK", "UTF-8", OnFailure::ReplaceCharacter);
}

std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GBK", OnFailure::Throw); }

std::string GbkToUtf8Lenient(std::string_view gbk) { return Convert(gbk, "UTF-8", "GBK", OnFailure::ReplaceByte); }

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      cp = b & 0x07;
    } else {
      return false;
    }
    if (n - i <= static_cast<size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
      auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

}  // namespace qorvane
