#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/RefusedInput.h"
#include "content/ContentDb.h"
#include "content/ExecutableDirectory.h"
#include "numbers/PhoneKey.h"
#include "numbers/PhoneNumberCheck.h"
#include "numbers/PhoneReading.h"
#include "text/SilentAbort.h"
#include "text/Trim.h"

namespace qorvane::cli {

int RunPhone(const Arguments& arguments, CliContext& context) {
  ExpectPositionals(arguments, 1, 1, "NUMBER");
  const std::string number = Trim(arguments.Positionals()[0]);
  if (const std::string_view refusal = PhoneNumberRefusal(number); !refusal.empty()) {
    throw RefusedInput(std::string(refusal));
  }
  std::optional<PhoneReading> reading;
  try {
    reading = QueryPhoneReading(DreamConnectionString(), shoujiinfostr(number));
  } catch (const SilentAbort& error) {
    // The window stays silent here; a script is told which file failed.
    throw SilentAbort((ExecutableDirectory() / kDreamFileName).string() + ": " + error.what());
  }
  // A key without a row shows the number and three empty values, as the dialog does.
  if (!reading) reading.emplace();
  context.out << "手机号码是：" << number << '\n'
              << "状态：" << reading->title << '\n'
              << "吉凶：" << reading->verdict << '\n'
              << "具体表现：" << reading->content << '\n';
  return 0;
}

}  // namespace qorvane::cli
