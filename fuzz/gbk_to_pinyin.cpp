// GbkToPinyin over any bytes, with the flags and the length limit taken from
// the first eight bytes of the input.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "netname/GbkToPinyin.h"

namespace {

std::int32_t TakeInt32(const std::uint8_t*& data, std::size_t& size) {
  std::int32_t value = 0;
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvane;
  // Small flag words and limits are the interesting ones; keep them likely.
  const std::int32_t flags = TakeInt32(data, size) % 16;
  const std::int32_t maxLength = TakeInt32(data, size);
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::string result = GbkToPinyin(text, flags, maxLength);
  if (flags < 0 || maxLength <= 0) FUZZ_CHECK(result.empty());
  if (maxLength > 0) FUZZ_CHECK(result.size() <= static_cast<std::size_t>(maxLength));
  // The cut takes the first maxLength bytes of the whole conversion.
  if (flags >= 0 && maxLength > 0) {
    const std::string whole = GbkToPinyin(text, flags, std::numeric_limits<std::int32_t>::max());
    FUZZ_CHECK(result == whole.substr(0, static_cast<std::size_t>(maxLength)));
  }
  // Without "keep all bytes" nothing but upper-case letters, digits and marks
  // comes out: the reading looks at the last one as a letter.
  if (!(flags & PinyinAllBytes)) {
    for (char c : result) {
      const bool allowed = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '?' ||
                           (c >= 'a' && c <= 'z');
      FUZZ_CHECK(allowed);
    }
  }

  // The zero-terminated form reads up to the first NUL and agrees with the
  // string form there. With "keep all bytes" the full-width code 0xA380 gives
  // a NUL of its own, where the caller's C string then ends.
  const std::string terminated(text.substr(0, text.find('\0')));
  const auto buffer = GbkToPinyinBuffer(terminated.c_str(), flags, maxLength);
  const std::string expected = GbkToPinyin(terminated, flags, maxLength);
  FUZZ_CHECK(std::string(buffer.get()) == expected.substr(0, expected.find('\0')));
  return 0;
}
