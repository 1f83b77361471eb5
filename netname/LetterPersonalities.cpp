#include "netname/LetterPersonalities.h"

namespace qorvane {

constexpr std::array<std::string_view, 26> LetterPersonalities = {
    "好奇心强，专一",                                              // a
    "老实，沉默",                                                  // b
    "可爱，较明显的自恋",                                          // c
    "温柔，乖巧",                                                  // d
    "会拍马屁，攀关系",                                            // e
    " 有抱负，志气高",                                             // f
    "大丈夫主义者",                                                // g
    " 自立，自强，可依靠 ",                                        // h
    " 有点懒惰",                                                   // i
    " 煽情高手",                                                   // j
    "古怪，求新",                                                  // k
    "圆滑",                                                        // l
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",  // m
    "不贪图安逸，能想到别人想不到的东西",                          // n
    "勤劳肯干，活跃",                                              // o
    "认为朋友和恋人是最重要的，是他们的特点",                      // p
    "超级赶时髦者，无敌扫旧派",                                    // q
    "固执，略有才气",                                              // r
    "心胸宽大，有深藏不露的自恋",                                  // s
    "热爱青春，喜欢活力",                                          // t
    "不耻下问",                                                    // u
    "好静，有点表里不一",                                          // v
    "比较糊涂，容易感情用事",                                      // w
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",          // x
    "乐天派呀！非同一般的乐天",                                    // y
    "老实，想问题容易兜圈子",                                      // z
};

std::string_view LetterPersonality(std::string_view key) {
  if (key.size() != 1 || key[0] < 'a' || key[0] > 'z') return {};
  return LetterPersonalities[static_cast<std::size_t>(key[0] - 'a')];
}

}  // namespace qorvane
