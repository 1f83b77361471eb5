#include "netname/PinyinSyllables.h"

#include <string_view>

namespace qorvane {

namespace {

// The syllables in number order, twenty to a line. ü is written v (lv, nv,
// jv, qv, xv); lue and nue keep u. fo and gei have no place here, so 佛 and
// 给 have no reading. tools/pinyin_index reads this list to number the index.
constexpr std::string_view kSyllableTexts[kPinyinSyllableCount] = {
    // 1-20
    "a", "ai", "an", "ang", "ao", "ba", "bai", "ban", "bang", "bao",
    "bei", "ben", "beng", "bi", "bian", "biao", "bie", "bin", "bing", "bo",
    // 21-40
    "bu", "ca", "cai", "can", "cang", "cao", "ce", "ceng", "cha", "chai",
    "chan", "chang", "chao", "che", "chen", "cheng", "chi", "chong", "chou", "chu",
    // 41-60
    "chuai", "chuan", "chuang", "chui", "chun", "chuo", "ci", "cong", "cou", "cu",
    "cuan", "cui", "cun", "cuo", "da", "dai", "dan", "dang", "dao", "de",
    // 61-80
    "deng", "di", "dian", "diao", "die", "ding", "diu", "dong", "dou", "du",
    "duan", "dui", "dun", "duo", "e", "en", "er", "fa", "fan", "fang",
    // 81-100
    "fei", "fen", "feng", "fu", "fou", "ga", "gai", "gan", "gang", "gao",
    "ge", "ji", "gen", "geng", "gong", "gou", "gu", "gua", "guai", "guan",
    // 101-120
    "guang", "gui", "gun", "guo", "ha", "hai", "han", "hang", "hao", "he",
    "hei", "hen", "heng", "hong", "hou", "hu", "hua", "huai", "huan", "huang",
    // 121-140
    "hui", "hun", "huo", "jia", "jian", "jiang", "qiao", "jiao", "jie", "jin",
    "jing", "jiong", "jiu", "ju", "juan", "jue", "jun", "ka", "kai", "kan",
    // 141-160
    "kang", "kao", "ke", "ken", "keng", "kong", "kou", "ku", "kua", "kuai",
    "kuan", "kuang", "kui", "kun", "kuo", "la", "lai", "lan", "lang", "lao",
    // 161-180
    "le", "lei", "leng", "li", "lia", "lian", "liang", "liao", "lie", "lin",
    "ling", "liu", "long", "lou", "lu", "luan", "lue", "lun", "luo", "ma",
    // 181-200
    "mai", "man", "mang", "mao", "me", "mei", "men", "meng", "mi", "mian",
    "miao", "mie", "min", "ming", "miu", "mo", "mou", "mu", "na", "nai",
    // 201-220
    "nan", "nang", "nao", "ne", "nei", "nen", "neng", "ni", "nian", "niang",
    "niao", "nie", "nin", "ning", "niu", "nong", "nu", "nuan", "nue", "yao",
    // 221-240
    "nuo", "o", "ou", "pa", "pai", "pan", "pang", "pao", "pei", "pen",
    "peng", "pi", "pian", "piao", "pie", "pin", "ping", "po", "pou", "pu",
    // 241-260
    "qi", "qia", "qian", "qiang", "qie", "qin", "qing", "qiong", "qiu", "qu",
    "quan", "que", "qun", "ran", "rang", "rao", "re", "ren", "reng", "ri",
    // 261-280
    "rong", "rou", "ru", "ruan", "rui", "run", "ruo", "sa", "sai", "san",
    "sang", "sao", "se", "sen", "seng", "sha", "shai", "shan", "shang", "shao",
    // 281-300
    "she", "shen", "sheng", "shi", "shou", "shu", "shua", "shuai", "shuan", "shuang",
    "shui", "shun", "shuo", "si", "song", "sou", "su", "suan", "sui", "sun",
    // 301-320
    "suo", "ta", "tai", "tan", "tang", "tao", "te", "teng", "ti", "tian",
    "tiao", "tie", "ting", "tong", "tou", "tu", "tuan", "tui", "tun", "tuo",
    // 321-340
    "wa", "wai", "wan", "wang", "wei", "wen", "weng", "wo", "wu", "xi",
    "xia", "xian", "xiang", "xiao", "xie", "xin", "xing", "xiong", "xiu", "xu",
    // 341-360
    "xuan", "xue", "xun", "ya", "yan", "yang", "ye", "yi", "yin", "ying",
    "yo", "yong", "you", "yu", "yuan", "yue", "yun", "za", "zai", "zan",
    // 361-380
    "zang", "zao", "ze", "zei", "zen", "zeng", "zha", "zhai", "zhan", "zhang",
    "zhao", "zhe", "zhen", "zheng", "zhi", "zhong", "zhou", "zhu", "zhua", "zhuai",
    // 381-400
    "zhuan", "zhuang", "zhui", "zhun", "zhuo", "zi", "zong", "zou", "zu", "zuan",
    "zui", "zun", "zuo", "", "ei", "m", "n", "dia", "cen", "nou",
    // 401-405
    "jv", "qv", "xv", "lv", "nv",
};

constexpr std::array<SyllableRecord, kPinyinSyllableCount> ToRecords() {
  std::array<SyllableRecord, kPinyinSyllableCount> records{};
  for (int i = 0; i < kPinyinSyllableCount; ++i) records[i] = SyllableRecord::Of(kSyllableTexts[i]);
  return records;
}

}  // namespace

// Built by the compiler: the records are constant data in the program image.
constexpr std::array<SyllableRecord, kPinyinSyllableCount> PinyinSyllables = ToRecords();

}  // namespace qorvane
