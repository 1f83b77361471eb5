#include <gtest/gtest.h>

#include "text/Trim.h"

using qorvane::Trim;

TEST(Trim, RemovesBytesUpTo32AtBothEndsOnly) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {std::string("\x01\x1f" "abc" "\x20\x00", 7), "abc"},
      {"  a b  ", "a b"},
      {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},  // U+00A0 is not trimmed
      {"  白羊座\r\n", "白羊座"},
  };
  for (const auto& c : cases) EXPECT_EQ(Trim(c.in), c.out) << c.in;
}
