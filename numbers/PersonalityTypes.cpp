#include "numbers/PersonalityTypes.h"

#include <array>
#include <stdexcept>

namespace qorvane {

namespace {

// Numbered 1..9 in this order; the 81 entries refer to them by number.
constexpr std::array<PersonalityType, kPersonalityTypeCount> kTypes = {{
    {"做事喜好凭直觉型",
     "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
     "做事喜好凭个人直觉及预感做决定。"},
    {"独断独行/吸引人型",
     "天生有一股独特的魅力，走到哪里都容易成为众人的焦点。做事有主见，认定的方向很少回头，"
     "不喜欢被人指手画脚。感情上主动大方，只是偶尔忽略了对方的想法。"},
    {"热情/善变梦想家型",
     "性格热情开朗，脑中总有层出不穷的新点子，喜欢憧憬美好的将来。兴趣来得快去得也快，"
     "计划常常一变再变。感情路上浪漫多情，需要学会专一与坚持。"},
    {"自我牺牲/性格被动型",
     "为人体贴随和，处处替别人着想，常常把方便留给别人。遇事习惯等待而少主动争取，"
     "容易错过良机。感情上默默付出，宜多表达自己的心意。"},
    {"要面包不要爱情型",
     "头脑务实，凡事先算清得失，对金钱和事业有强烈的追求。相信物质基础最重要，"
     "工作起来十分拼搏。感情上较为理性，有时显得不够浪漫。"},
    {"不善表达/疑心大型",
     "内心细腻敏感，心里有千言万语却不善于说出口。对人对事多有保留，容易胡思乱想、"
     "疑神疑鬼。感情上需要对方多一分耐心与信任。"},
    {"大胆行事冲动派型",
     "胆子大、行动快，想到就做，从不拖泥带水。喜欢冒险和挑战，却常因一时冲动而考虑欠周。"
     "感情来得轰轰烈烈，宜三思而后行。"},
    {"高度戒备难交心型",
     "防人之心很重，不轻易向别人敞开心扉。做事谨慎稳重，很少吃亏上当，但朋友圈子不大。"
     "感情上慢热，一旦认定便十分长情。"},
    {"好奇心旺求知欲强型",
     "对世间万物充满好奇，凡事都想问个究竟。学习能力强，涉猎广泛，谈吐风趣。"
     "感情上喜欢新鲜感，需要一位能与自己一起探索世界的伴侣。"},
}};

}  // namespace

const PersonalityType& PersonalityTypeByNumber(int number) {
  if (number < 1 || number > kPersonalityTypeCount) {
    throw std::out_of_range("personality type " + std::to_string(number));
  }
  return kTypes[static_cast<size_t>(number - 1)];
}

}  // namespace qorvane
