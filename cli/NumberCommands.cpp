#include <ostream>
#include <string>
#include <string_view>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/RefusedInput.h"
#include "numbers/FortuneEntryFields.h"
#include "numbers/Haomainfostr.h"
#include "numbers/NumberConversionError.h"
#include "text/Trim.h"

namespace qorvane::cli {

namespace {

// What tells the QQ-number reading and the any-number reading apart: the
// caption before the number and the answer to a number that cannot be read.
struct FortuneLook {
  std::string_view numberCaption;
  std::string_view emptyFieldMessage;
};

constexpr FortuneLook kQqLook{"qq号码是：", "请输入你的QQ号码！"};
constexpr FortuneLook kAnyNumberLook{"输入号码是：", "请输入你的号码！"};

// The four result lines of the number dialogs: the number as given, the verse,
// the verdict and the personality reading. A number with a negative remainder
// has only the fallback text, in the last line.
int PrintFortune(const Arguments& arguments, const CliContext& context, const FortuneLook& look) {
  ExpectPositionals(arguments, 1, 1, "NUMBER");
  const std::string number = Trim(arguments.Positionals()[0]);
  std::string entry;
  try {
    if (number.empty()) throw NumberConversionError("empty");
    entry = haomainfostr(number);
  } catch (const NumberConversionError&) {
    // The dialogs answer a text that is no whole number as they answer an empty field.
    throw RefusedInput(std::string(look.emptyFieldMessage));
  }
  const FortuneEntryFields fields = SplitFortuneEntry(entry);
  context.out << look.numberCaption << number << '\n'
              << "状态：" << fields.verse << '\n'
              << "吉凶：" << fields.verdict << '\n'
              << "具体表现：" << fields.reading << '\n';
  return 0;
}

}  // namespace

int RunNumber(const Arguments& arguments, CliContext& context) {
  return PrintFortune(arguments, context, kAnyNumberLook);
}

int RunQq(const Arguments& arguments, CliContext& context) { return PrintFortune(arguments, context, kQqLook); }

}  // namespace qorvane::cli
