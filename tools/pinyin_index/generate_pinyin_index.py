#!/usr/bin/env python3
"""Generates netname/PinyinIndex.cpp: the syllable number of every GBK code.

The readings come from Unicode's Unihan database (Unihan_Readings.txt, as the
Debian package unicode-data installs it). For each GBK ideograph the index
holds one toneless Mandarin syllable, numbered as in netname/PinyinSyllables.cpp:

  * the first kMandarin reading, written in the table's spelling (ü as v,
    lüe and nüe as lue and nue);
  * where that syllable is not one the table may use, the first reading of
    kHanyuPinyin, kXHC1983 and kTGHZ2013 (in that order) that is;
  * the choices in OVERRIDES below win over both;
  * the characters in NO_READING, the compatibility ideographs 0xFD9C-0xFDA0,
    the row 0xFE40-0xFEA0, the symbol rows, the user-defined areas and the
    column 0x7F get 0.

GBK bytes are decoded with Python's 'gbk' codec, which agrees with glibc's
iconv "GBK" on every double-byte code (both leave 0xFE50-0xFEA0 and the
user-defined areas undecoded, and both read 0xA1A4 as U+00B7 and 0xA1AA as
U+2014). The coverage rules below never depend on those differences anyway.

Run from the top of the source tree:

    python3 tools/pinyin_index/generate_pinyin_index.py

It prints how many entries each region got and which characters needed a
fallback reading, and fails when a character that must have an entry has none.
"""

import argparse
import bz2
import collections
import pathlib
import re
import sys
import unicodedata

ROWS = 126          # lead bytes 0x81..0xFE
COLUMNS = 191       # trail bytes 0x40..0xFE, column 0x7F included
FIRST_LEAD = 0x81
FIRST_TRAIL = 0x40

DEFAULT_UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"
SYLLABLES_SOURCE = "netname/PinyinSyllables.cpp"
OUTPUT = "netname/PinyinIndex.cpp"
COMMAND = "python3 tools/pinyin_index/generate_pinyin_index.py"

# Syllables of the table that no character may refer to.
UNUSED_NUMBERS = {165, 394, 401, 402, 403}

# The readings that the program promises for common and polyphonic characters.
OVERRIDES = {
    "啊": "a", "中": "zhong", "国": "guo", "女": "nv", "绿": "lv", "率": "lv",
    "略": "lue", "嗲": "dia", "丂": "yu",
    "长": "zhang", "行": "hang", "还": "huan", "都": "dou", "了": "le",
    "乐": "le", "调": "tiao", "着": "zhe", "觉": "jiao", "重": "zhong",
    "曾": "ceng", "朝": "chao", "藏": "cang", "差": "cha", "便": "bian",
    "会": "hui",
}

# Characters that have no reading in the index: fo and gei are not in the
# syllable table, 髟 is left out with them, and the GBK extension characters
# below are dialect, Korean or Japanese forms, multi-syllable unit characters
# and the like.
NO_READING_COMMON = "佛给髟"
NO_READING_GBK3 = (
    "丆乊乤乥乧乫乬乭乮乯乲乶乺乻乽亽仏仒兙兛兝兞兡兣兺剋勀勊匁厑厼叾哛唜唞唟唨"
    "啱啹喐喸喼嗧嗭嗰嚸囍囕囖坲垈夞夻婩尅屗岃岾巪巼廤徚怾扥扽揼斏旀旕曢曱朑朩朰"
    "栍桛梻椧櫷欍歚毜毝毮洜浌烪焑焽焾燞燶")
NO_READING_GBK4 = (
    "猠猤獤瓧瓩瓰瓱瓸瓼甅畓瘧癷皼硛硳磗祍稥穒縇罖耂聁聓聣膶膸艈艍茒莻萡蒊蓞藔虄虲"
    "蝊螦袰裇襨覅贘踎躼辪這鈪銰鍂鎼鐢閪闏闧霻鞥鞰鶑黁")
NO_READING = set(NO_READING_COMMON + NO_READING_GBK3 + NO_READING_GBK4)

FALLBACK_FIELDS = ("kHanyuPinyin", "kXHC1983", "kTGHZ2013")


def region_of(lead, trail):
    """The coverage region of a code, or None where no entry may stand."""
    if trail == 0x7F:
        return None
    if 0xB0 <= lead <= 0xD7 and trail >= 0xA1:
        return "GB2312 level 1" if (lead, trail) <= (0xD7, 0xF9) else None
    if 0xD8 <= lead <= 0xF7 and trail >= 0xA1:
        return "GB2312 level 2"
    if 0x81 <= lead <= 0xA0:
        return "GBK extension 0x81-0xA0"
    if 0xAA <= lead <= 0xFE and trail <= 0xA0:
        if lead == 0xFE:
            return None                     # the row 0xFE40-0xFEA0
        if lead == 0xFD and 0x9C <= trail <= 0xA0:
            return None                     # compatibility ideographs
        return "GBK extension 0xAA-0xFE"
    return None                             # symbols and user-defined areas


def read_syllables(path):
    """Syllable text -> number, from the list in PinyinSyllables.cpp."""
    source = path.read_text(encoding="utf-8")
    body = re.search(r"kSyllableTexts\[[^\]]*\]\s*=\s*\{(.*?)\};", source, re.S)
    if not body:
        sys.exit(f"cannot find kSyllableTexts in {path}")
    texts = re.findall(r'"([a-z]*)"', body.group(1))
    if len(texts) != 405:
        sys.exit(f"{path} lists {len(texts)} syllables, expected 405")
    return {text: number for number, text in enumerate(texts, start=1)
            if number not in UNUSED_NUMBERS}


def read_unihan(path):
    fields = {"kMandarin", *FALLBACK_FIELDS}
    readings = collections.defaultdict(dict)
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field in fields:
                readings[chr(int(code[2:], 16))][field] = value
    return readings


def toneless(reading):
    """A Unihan reading in the table's spelling: no tones, ü as v, lue/nue."""
    decomposed = unicodedata.normalize("NFD", reading.lower())
    decomposed = decomposed.replace("u\u0308", "v").replace("e\u0302", "ê")
    letters = "".join(c for c in decomposed if not unicodedata.combining(c))
    if letters in ("lve", "nve"):
        letters = letters[0] + "ue"
    return letters


def readings_of(field, value):
    """All readings of one Unihan field, in the order the field gives them."""
    if field == "kMandarin":
        return value.split()
    # kHanyuPinyin, kXHC1983, kTGHZ2013: "location(s):reading,reading ..."
    found = []
    for group in value.split():
        found.extend(group.split(":", 1)[1].split(","))
    return found


def choose(char, readings, numbers):
    """(syllable, used a fallback reading) for one character, or (None, _)."""
    if char in OVERRIDES:
        return OVERRIDES[char], False
    entry = readings.get(char, {})
    mandarin = readings_of("kMandarin", entry["kMandarin"]) if "kMandarin" in entry else []
    if mandarin and toneless(mandarin[0]) in numbers:
        return toneless(mandarin[0]), False
    for field in FALLBACK_FIELDS:
        for reading in readings_of(field, entry.get(field, "")):
            if toneless(reading) in numbers:
                return toneless(reading), True
    return None, True


def decode(lead, trail):
    try:
        text = bytes([lead, trail]).decode("gbk")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def build_index(numbers, readings):
    index = [0] * (ROWS * COLUMNS)
    counts = collections.Counter()
    fallbacks, missing = [], []
    for lead in range(FIRST_LEAD, FIRST_LEAD + ROWS):
        for trail in range(FIRST_TRAIL, FIRST_TRAIL + COLUMNS):
            region = region_of(lead, trail)
            char = decode(lead, trail)
            if region is None or char is None or char in NO_READING:
                continue
            syllable, fell_back = choose(char, readings, numbers)
            code = f"{lead:02X}{trail:02X}"
            if syllable is None:
                missing.append(f"{char} {code}")
                continue
            if fell_back:
                first = readings.get(char, {}).get("kMandarin", "(none)").split()[0]
                fallbacks.append(f"{char} {code} {first} -> {syllable}")
            index[(lead - FIRST_LEAD) * COLUMNS + (trail - FIRST_TRAIL)] = numbers[syllable]
            counts[region] += 1
    return index, counts, fallbacks, missing


def render(index, unihan_name):
    out = [
        "// Generated file: do not edit. Regenerate from the top of the source tree with",
        f"//   {COMMAND}",
        f"// from {unihan_name} (package unicode-data) and the syllable list of",
        "// netname/PinyinSyllables.cpp; tools/pinyin_index/README.md tells the rules.",
        "//",
        "// One row per GBK lead byte 0x81..0xFE, 191 columns for the trail bytes",
        "// 0x40..0xFE (0x7F included, always 0); each value is a syllable number,",
        "// 0 for a code without a reading.",
        '#include "netname/PinyinIndex.h"',
        "",
        "namespace qorvane {",
        "",
        "constexpr std::array<std::uint16_t, kPinyinIndexSize> PinyinIndex = {",
    ]
    for row in range(ROWS):
        out.append(f"    // lead byte 0x{FIRST_LEAD + row:02X}")
        values = index[row * COLUMNS:(row + 1) * COLUMNS]
        for start in range(0, COLUMNS, 16):
            out.append("    " + " ".join(f"{v}," for v in values[start:start + 16]))
    out += ["};", "", "}  // namespace qorvane", ""]
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--unihan", default=DEFAULT_UNIHAN, help="Unihan_Readings.txt.bz2")
    parser.add_argument("--source-dir", default=".", help="top of the source tree")
    args = parser.parse_args()
    top = pathlib.Path(args.source_dir)

    numbers = read_syllables(top / SYLLABLES_SOURCE)
    readings = read_unihan(args.unihan)
    index, counts, fallbacks, missing = build_index(numbers, readings)

    for region in ("GB2312 level 1", "GB2312 level 2",
                   "GBK extension 0x81-0xA0", "GBK extension 0xAA-0xFE"):
        print(f"{region}: {counts[region]} entries")
    print(f"all regions: {sum(counts.values())} entries")
    print(f"{len(fallbacks)} characters needed a fallback reading:")
    for line in fallbacks:
        print(f"  {line}")
    if missing:
        print(f"{len(missing)} characters have no usable reading:", file=sys.stderr)
        for line in missing:
            print(f"  {line}", file=sys.stderr)
        sys.exit(1)

    (top / OUTPUT).write_text(render(index, pathlib.Path(args.unihan).name), encoding="utf-8")
    print(f"wrote {top / OUTPUT}")


if __name__ == "__main__":
    main()
