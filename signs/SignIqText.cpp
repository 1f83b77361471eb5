#include "signs/SignIqText.h"

namespace qorvane {
namespace {

struct SignIqEntry {
  std::string_view signName;
  std::string_view text;
};

// Cancer and Capricorn share one reading, score and prose alike, so it is
// written once and both rows point at it.
constexpr std::string_view kSteadyMindText =
    "智商： 90。聪明藏在踏实里：记性好，做事谨慎周全，习惯先把退路想清楚再出手，所以很少犯大错。"
    "不爱出风头，却常在关键时刻拿出稳妥的办法。若能少一点顾虑、多一点尝试，会发现自己的潜力远比想象的大。";

// Looked up in this order. The score is right-aligned in three columns, so a
// two-digit score is led by a space; Pisces has one more space after "。".
constexpr SignIqEntry kSignIqTable[] = {
    {"水瓶座",
     "智商：102。思维跳脱，想法常常领先旁人半步，擅长从冷门角度拆解难题。对新知识来者不拒，"
     "喜欢把看似不相干的点子拼成奇妙的发明。只是灵感来得快也去得快，记得随手记下，别让好主意溜走。"},
    {"白羊座",
     "智商： 80。行动永远比思考快一步，遇到问题先冲上去再说，靠直觉和勇气闯过不少难关。"
     "学东西上手很快，却常常三分钟热度。若肯在出发前多想三秒，再添一点耐心，聪明劲就能发挥得更充分。"},
    {"金牛座",
     "智商：110。不求快但求稳，学一样就要学透，记忆力和耐力都是一流。擅长把复杂的事情拆成小步骤，"
     "一步一步踏实完成，理财和动手能力尤其出色。偶尔固执己见，多听听别人的思路会让你更上一层楼。"},
    {"双子座",
     "智商：130。天生聪明，反应敏捷，文武双全。口才一流，脑子里同时转着好几件事也不会乱，"
     "学语言、做沟通更是得心应手。只是兴趣太多容易分心，挑一两件事深耕下去，才华便能结出真正的果实。"},
    {"巨蟹座", kSteadyMindText},
    {"狮子座",
     "智商：100。头脑灵活，最擅长在众人面前把想法讲得清楚又动听，组织和统筹能力一流。"
     "喜欢挑战大目标，越是有人关注越能超常发挥。注意别因为好面子而不懂装懂，虚心请教反而更显王者风度。"},
    {"处女座",
     "智商：105。分析力和观察力出众，一眼就能看出方案里的漏洞，做事讲究条理和细节。"
     "擅长整理资料、制定计划，是团队里最可靠的把关人。别对自己太苛刻，允许一点不完美，思路反而会更开阔。"},
    {"天秤座",
     "智商： 95。聪明体现在分寸感上，善于权衡利弊，看问题总能兼顾各方立场，审美眼光也很出色。"
     "只是遇事容易左右为难，迟迟拿不定主意。给自己定个期限，果断一点，你的判断其实相当准确。"},
    {"天蝎座",
     "智商：120。洞察力惊人，能看穿表象直达问题核心，专注起来可以废寝忘食。擅长研究和推理，"
     "对感兴趣的领域会一路钻到底。记性好到连小事都忘不掉，学着放下旧账，头脑会更加轻松敏锐。"},
    {"射手座",
     "智商：125。求知欲旺盛，思维开阔，喜欢哲学、旅行和一切新鲜事物，常有天马行空的妙想。"
     "学习能力强，善于触类旁通。缺点是耐心不足，计划做得漂亮却懒得收尾，把细节补上，成就不可限量。"},
    {"摩羯座", kSteadyMindText},
    {"双鱼座",
     "智商： 75。 想象力丰富，直觉敏锐，艺术和文学上的灵感源源不断，常能感受到别人察觉不到的东西。"
     "不过逻辑和计算不是强项，容易被情绪带着走。多练习有条理地思考，让灵感落地，你会惊喜于自己的创造力。"},
};

constexpr std::string_view kUnknownSignText = "请听下回分解!";

}  // namespace

std::string_view SignIqText(std::string_view signName) {
  for (const SignIqEntry& entry : kSignIqTable) {
    if (entry.signName == signName) return entry.text;
  }
  return kUnknownSignText;
}

}  // namespace qorvane
