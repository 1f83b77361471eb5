#include <ostream>
#include <string>

#include "cli/ArgumentChecks.h"
#include "cli/Commands.h"
#include "cli/RefusedInput.h"
#include "netname/NetNameReading.h"
#include "text/GbkCodec.h"
#include "text/Trim.h"

namespace qorvane::cli {

int RunNetName(const Arguments& arguments, CliContext& context) {
  ExpectPositionals(arguments, 1, 1, "NAME");
  const std::string name = Trim(arguments.Positionals()[0]);
  if (name.empty()) throw RefusedInput("请输入你的网名！");
  std::string reading;
  try {
    reading = Trim(NetNameReading(name));
  } catch (const EncodingError&) {
    // A character that GBK cannot hold (an emoji, say) or bytes that are not UTF-8.
    throw RefusedInput("请重新输入网名，请不要输入特殊字符！");
  }
  // An empty reading leaves "你的性格：" alone on its line, as in the dialog.
  context.out << "你的网名：" << name << '\n' << "你的性格：" << reading << '\n';
  return 0;
}

}  // namespace qorvane::cli
