#include <cstdint>
#include <cstdio>
#include <istream>
#include <limits>
#include <ostream>
#include <string>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UsageError.h"
#include "netname/GbkToPinyin.h"
#include "netname/PinyinIndex.h"
#include "netname/PinyinSyllables.h"
#include "text/GbkCodec.h"

namespace qorvane::cli {

namespace {

// Without --max nothing is cut; the net-name reading cuts at 255.
constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();

struct Conversion {
  std::int32_t flags = 0;
  std::int32_t maxLength = kNoLimit;
  bool inputIsGbk = false;

  // Throws EncodingError for UTF-8 input that GBK cannot hold or that is not UTF-8.
  std::string Convert(const std::string& input) const {
    return GbkToPinyin(inputIsGbk ? input : Utf8ToGbk(input), flags, maxLength);
  }
};

Conversion ConversionOf(const Arguments& arguments) {
  Conversion conversion;
  if (arguments.Has("whole")) conversion.flags |= PinyinWhole;
  if (arguments.Has("mark-unmapped")) conversion.flags |= PinyinMarkUnmapped;
  if (arguments.Has("all-bytes")) conversion.flags |= PinyinAllBytes;
  if (const auto max = arguments.Value("max")) {
    conversion.maxLength = ParseIntegerArgument(*max, std::numeric_limits<std::int32_t>::min() + 1, kNoLimit,
                                                "--max value");
  }
  conversion.inputIsGbk = arguments.Has("gbk");
  return conversion;
}

// "B0A1<TAB>啊<TAB>a" for every code of the index that has a reading.
void PrintTable(std::ostream& out) {
  for (int lead = kPinyinIndexFirstLead; lead < kPinyinIndexFirstLead + kPinyinIndexRows; ++lead) {
    for (int trail = kPinyinIndexFirstTrail; trail < kPinyinIndexFirstTrail + kPinyinIndexColumns; ++trail) {
      const int position = PinyinIndexPosition(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      const std::uint16_t syllable = PinyinIndex[static_cast<std::size_t>(position)];
      if (syllable == 0) continue;
      const char gbk[] = {static_cast<char>(lead), static_cast<char>(trail)};
      char code[8];
      std::snprintf(code, sizeof code, "%02X%02X", static_cast<unsigned>(lead), static_cast<unsigned>(trail));
      out << code << '\t' << GbkToUtf8Lenient(std::string_view(gbk, 2)) << '\t'
          << PinyinSyllables[syllable - 1u].Text() << '\n';
    }
  }
}

// One result line per input line, so that the output lines up with the input;
// a line that cannot be read gives an empty line and a message.
int ConvertLines(std::istream& in, const CliContext& context, const Conversion& conversion) {
  int status = kExitSuccess;
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      context.out << conversion.Convert(line) << '\n';
    } catch (const EncodingError& error) {
      context.out << '\n';
      context.err << "qorvane-cli pinyin: line " << number << ": " << error.what() << '\n';
      status = kExitFailure;
    }
  }
  return status;
}

}  // namespace

int RunPinyin(const Arguments& arguments, CliContext& context) {
  if (arguments.Has("table")) {
    ExpectPositionals(arguments, 0, 0, "no TEXT with --table");
    PrintTable(context.out);
    return kExitSuccess;
  }
  const Conversion conversion = ConversionOf(arguments);
  if (arguments.Positionals().empty()) return ConvertLines(context.in, context, conversion);

  for (const std::string& text : arguments.Positionals()) {
    try {
      context.out << conversion.Convert(text) << '\n';
    } catch (const EncodingError& error) {
      throw UsageError("TEXT cannot be converted: " + std::string(error.what()));
    }
  }
  return kExitSuccess;
}

}  // namespace qorvane::cli
