// The result file on disk: GBK bytes, CR LF line ends, and a reader that takes
// whatever bytes a user may point it at.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/ResultFile.h"

using qorvane::DecodeResultFile;
using qorvane::EncodeResultFile;
using Lines = std::vector<std::string>;

namespace {

// "白羊座" and "您好" in GBK.
const std::string kAriesGbk = "\xB0\xD7\xD1\xF2\xD7\xF9";
const std::string kHelloGbk = "\xC4\xFA\xBA\xC3";

}  // namespace

TEST(ResultFileEncode, WritesGbkWithCrLfAfterEveryLineAndNoBom) {
  EXPECT_EQ(EncodeResultFile({"白羊座", "", "  您好 ok"}), kAriesGbk + "\r\n\r\n  " + kHelloGbk + " ok\r\n");
  EXPECT_EQ(EncodeResultFile({}), "");
  EXPECT_EQ(EncodeResultFile({""}), "\r\n");
}

TEST(ResultFileEncode, ACharacterOutsideGbkBecomesAQuestionMark) {
  // An emoji or a Korean syllable from a file opened as UTF-8: the rest is kept.
  EXPECT_EQ(EncodeResultFile({"a\xF0\x9F\x98\x80" "白羊座", "\xEA\xB0\x80"}), "a?" + kAriesGbk + "\r\n?\r\n");
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class ResultFileDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ResultFileDecode, SplitsAndConverts) { EXPECT_EQ(DecodeResultFile(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ResultFileDecode,
    ::testing::Values(
        DecodeCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        DecodeCase{"LfOnly", "a\nb\n\nc", {"a", "b", "", "c"}},
        DecodeCase{"CrOnly", "a\rb\r\rc\r", {"a", "b", "", "c"}},
        DecodeCase{"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        DecodeCase{"MixedEnds", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        DecodeCase{"Empty", "", {}},
        DecodeCase{"OneLineEnd", "\r\n", {""}},
        DecodeCase{"NoFinalEnd", "last", {"last"}},
        DecodeCase{"Gbk", kAriesGbk + "\r\n" + kHelloGbk + "\r\n", {"白羊座", "您好"}},
        DecodeCase{"Utf8WithoutBom", "白羊座\n您好\n", {"白羊座", "您好"}},
        DecodeCase{"Utf8WithBom", "\xEF\xBB\xBF" "白羊座\r\n", {"白羊座"}},
        DecodeCase{"BomOnly", "\xEF\xBB\xBF", {}},
        DecodeCase{"AsciiStaysAsIs", "plain ascii\r\n", {"plain ascii"}},
        DecodeCase{"BrokenGbkBecomesReplacement", "a\x81\r\nb", {"a\xEF\xBF\xBD", "b"}},
        DecodeCase{"NulBecomesReplacement", std::string("a\0b", 3), {"a\xEF\xBF\xBD" "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultFileRoundTrip, AReportComesBackLineForLine) {
  const Lines report = {"您的星座为白羊座,经系统分析如下:", "", "星座运程:", "    热情、勇敢，做事雷厉风行。",
                        "", "五大建议:", "1. 放慢脚步 (slow down)", "   "};
  EXPECT_EQ(DecodeResultFile(EncodeResultFile(report)), report);
}

TEST(ResultFileDecode, AnyBytesGiveLinesWithoutLineBreaks) {
  // Binary files: whatever comes in, the reader returns valid lines.
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(static_cast<std::size_t>(round * 7), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    for (const std::string& line : DecodeResultFile(bytes)) {
      ASSERT_EQ(line.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
    }
  }
}
