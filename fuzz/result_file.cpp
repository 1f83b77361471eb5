// The result-file reader over any bytes: whatever the file holds, the lines
// come back as valid UTF-8 without line-end or NUL bytes, within the promised
// size; and writing them out again gives a file that reads back to as many lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/ResultFile.h"
#include "fuzz/FuzzCheck.h"
#include "text/GbkCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = DecodeResultFile(bytes);
  std::size_t total = 0;
  for (const std::string& line : lines) {
    FUZZ_CHECK(IsValidUtf8(line));
    FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    total += line.size();
  }
  FUZZ_CHECK(total <= 3 * size + 3);
  FUZZ_CHECK(lines.size() <= size);

  const std::string written = EncodeResultFile(lines);
  FUZZ_CHECK(written.size() >= 2 * lines.size());
  const std::vector<std::string> reread = DecodeResultFile(written);
  FUZZ_CHECK(reread.size() == lines.size());
  return 0;
}
