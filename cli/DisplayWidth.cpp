#include "cli/DisplayWidth.h"

#include <cwchar>

namespace qorvane::cli {

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  std::mbstate_t state{};
  std::size_t position = 0;
  while (position < utf8.size()) {
    wchar_t character = 0;
    const std::size_t length = std::mbrtowc(&character, utf8.data() + position, utf8.size() - position, &state);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2) || length == 0) {
      state = {};
      width += 1;
      position += 1;
      continue;
    }
    const int columns = wcwidth(character);
    width += columns > 0 ? columns : 0;
    position += length;
  }
  return width;
}

std::string CentreInColumns(std::string_view text, int width) {
  const int free = width - DisplayWidth(text);
  if (free <= 0) return std::string(text);
  const int left = free / 2;
  return std::string(static_cast<std::size_t>(left), ' ') + std::string(text) +
         std::string(static_cast<std::size_t>(free - left), ' ');
}

}  // namespace qorvane::cli
