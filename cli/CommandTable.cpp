#include "cli/CommandTable.h"

#include <algorithm>
#include <array>

#include "cli/Commands.h"

namespace qorvane::cli {

namespace {

constexpr OptionDefinition kCalOptions[] = {{"no-color"}};
constexpr OptionDefinition kLunarOptions[] = {{"tsv"}};
constexpr OptionDefinition kPinyinOptions[] = {{"whole"}, {"mark-unmapped"}, {"all-bytes"},
                                         {"max", true}, {"gbk"},         {"table"}};
constexpr OptionDefinition kSignOptions[] = {{"section", true}};

constexpr std::string_view kCalHelp =
    "Usage: qorvane-cli cal [--no-color] [YEAR [MONTH]]\n"
    "\n"
    "Prints a month as a grid, weeks starting on Sunday, with the lunar line of\n"
    "each day under its number: the lunar festival, else the solar term, else\n"
    "the Gregorian festival, else the lunar month on the first day of a lunar\n"
    "month, else the lunar day. The title names the year, the month, the zodiac\n"
    "animal and the sign of today (in today's month) or of the first of the month.\n"
    "\n"
    "  (no argument)   this month\n"
    "  YEAR            all twelve months of YEAR (1-9999)\n"
    "  YEAR MONTH      that month (MONTH 1-12)\n"
    "  --no-color      plain text even on a terminal\n"
    "\n"
    "Lunar dates exist for 1901-2050. On a terminal, festivals, solar terms and\n"
    "lunar month starts are coloured; output to a pipe or file, or with NO_COLOR\n"
    "set, is plain text.\n";

constexpr std::string_view kLunarHelp =
    "Usage: qorvane-cli lunar DATE\n"
    "       qorvane-cli lunar --tsv FROM TO\n"
    "\n"
    "DATE, FROM and TO are written YYYY-MM-DD.\n"
    "\n"
    "  DATE            the lunar date (month and day names, lunar code), solar term,\n"
    "                  lunar and Gregorian festivals, zodiac animal and sign of DATE\n"
    "  --tsv FROM TO   one tab-separated line per day from FROM to TO, both included:\n"
    "                  date, lunar code, month name, day name, solar term, lunar\n"
    "                  festival, Gregorian festival, animal, sign; a field is empty\n"
    "                  where nothing applies\n"
    "\n"
    "The lunar code is month * 100 + day, negative in a leap month. Lunar dates\n"
    "exist for 1901-2050; outside those years the lunar fields are empty.\n";

constexpr std::string_view kNumberHelp =
    "Usage: qorvane-cli number N\n"
    "\n"
    "Prints the entry of the 81-number table for the whole number N: its verse\n"
    "(状态), verdict (吉凶) and personality reading (具体表现). The entry is the\n"
    "remainder of N divided by 81; a negative number that is no multiple of 81\n"
    "has no entry. Write a negative number after \"--\": qorvane-cli number -- -5\n";

constexpr std::string_view kQqHelp =
    "Usage: qorvane-cli qq N\n"
    "\n"
    "Prints the entry of the 81-number table for the QQ number N, as 'number'\n"
    "does, under the captions of the QQ-number reading.\n";

constexpr std::string_view kPhoneHelp =
    "Usage: qorvane-cli phone NUMBER\n"
    "\n"
    "Prints the reading of an 11-digit mobile number beginning 13 or 15, looked\n"
    "up by its last four digits in dream.dll beside the program: status (状态),\n"
    "verdict (吉凶) and details (具体表现).\n";

constexpr std::string_view kNetNameHelp =
    "Usage: qorvane-cli netname NAME\n"
    "\n"
    "Prints the personality reading of a net name, chosen by the pinyin initial\n"
    "of its last character (the last letter, or the letter of the last digit).\n";

constexpr std::string_view kPinyinHelp =
    "Usage: qorvane-cli pinyin [--whole] [--mark-unmapped] [--all-bytes] [--max N]\n"
    "                          [--gbk] [TEXT...]\n"
    "       qorvane-cli pinyin --table\n"
    "\n"
    "Converts Chinese text to pinyin letters, one output line per TEXT, or per\n"
    "line of standard input when no TEXT is given.\n"
    "\n"
    "  --whole          whole syllables (ZHONGGUO) instead of initials (ZG)\n"
    "  --mark-unmapped  '?' for a character that has no conversion\n"
    "  --all-bytes      keep punctuation, blanks and other single-byte characters\n"
    "  --max N          cut each result to its first N bytes (no cut by default)\n"
    "  --gbk            the input is GBK bytes rather than UTF-8\n"
    "  --table          print the whole index: GBK code in hex, character and\n"
    "                   syllable, tab-separated, for every code that has one\n";

constexpr std::string_view kSignHelp =
    "Usage: qorvane-cli sign NAME [--section CODE]\n"
    "\n"
    "Prints the report of a zodiac sign line for line as the main window shows\n"
    "it, with the stored sections read from BrelmFile.dll beside the program.\n"
    "NAME is one of 白羊座 金牛座 双子座 巨蟹座 狮子座 处女座 天秤座 天蝎座 射手座\n"
    "摩羯座 水瓶座 双鱼座.\n"
    "\n"
    "  --section CODE   only one section: 0 情商解析, 1 星座实力, 2 星座名人,\n"
    "                   3 身体保健, 4 五大建议, 6 星座缺陷\n";

constexpr std::array kCommands = {
    Command{"cal", "cal [YEAR [MONTH]]", "a month, or a year, with its lunar dates", kCalHelp, kCalOptions,
            RunCal},
    Command{"lunar", "lunar DATE | --tsv FROM TO", "the lunar date and festivals of days", kLunarHelp,
            kLunarOptions, RunLunar},
    Command{"number", "number N", "the 81-number fortune of a number", kNumberHelp, {}, RunNumber},
    Command{"qq", "qq N", "the 81-number fortune of a QQ number", kQqHelp, {}, RunQq},
    Command{"phone", "phone NUMBER", "the reading of a mobile number", kPhoneHelp, {}, RunPhone},
    Command{"netname", "netname NAME", "the personality reading of a net name", kNetNameHelp, {}, RunNetName},
    Command{"pinyin", "pinyin [OPTION...] [TEXT...]", "pinyin letters of Chinese text", kPinyinHelp,
            kPinyinOptions, RunPinyin},
    Command{"sign", "sign NAME [--section CODE]", "the report of a zodiac sign", kSignHelp, kSignOptions, RunSign},
};

}  // namespace

std::span<const Command> CommandTable() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  const auto found = std::ranges::find(kCommands, name, &Command::name);
  return found != kCommands.end() ? &*found : nullptr;
}

}  // namespace qorvane::cli
