#include "app/CommandTable.h"

#include "app/TFrmmain.h"

namespace qorvane {

namespace {

constexpr const char* kMenuTitles[] = {"系统(&S)", "星座(&Z)", "配对(&P)", "工具(&Q)", "服务(&F)", "帮助(&H)"};

using F = TFrmmain;
constexpr const char* kSystem = "系统(&S)";
constexpr const char* kSigns = "星座(&Z)";
constexpr const char* kPairs = "配对(&P)";
constexpr const char* kTools = "工具(&Q)";
constexpr const char* kService = "服务(&F)";
constexpr const char* kHelp = "帮助(&H)";

const MenuCommand kCommands[] = {
    {kSystem, nullptr, "dxBarButtonNew", "新建测算", nullptr, nullptr, nullptr},
    {kSystem, nullptr, "dxBarButton1", "打开记录...", nullptr, &F::dxBarButton1Click, ":/icons/open.svg"},
    {kSystem, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kSystem, nullptr, "dxBarButton2", "保存测算", nullptr, &F::dxBarButton2Click, ":/icons/save.svg"},
    {kSystem, nullptr, "dxBarButton16", "另存测算", nullptr, &F::dxBarButton16Click, ":/icons/saveas.svg"},
    {kSystem, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kSystem, nullptr, "dxBarButton61", "打印设置...", nullptr, &F::dxBarButton61Click, ":/icons/pagesetup.svg"},
    {kSystem, nullptr, "dxBarButton3", "打印结果", nullptr, &F::dxBarButton3Click, ":/icons/print.svg"},
    {kSystem, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kSystem, nullptr, "dxBarButton5", "退出系统", nullptr, &F::dxBarButton5Click, ":/icons/exit.svg"},

    {kSigns, nullptr, "dxBarButton6", "本年运程", nullptr, &F::dxBarButton6Click, ":/icons/fortune.svg"},
    {kSigns, nullptr, "dxBarButton14", "星座运程", nullptr, &F::dxBarButton14Click, nullptr},
    {kSigns, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kSigns, nullptr, "dxBarButton76", "情商解析", nullptr, &F::dxBarButton76Click, ":/icons/eq.svg"},
    {kSigns, nullptr, "dxBarButton75", "星座实力", nullptr, &F::dxBarButton75Click, nullptr},
    {kSigns, nullptr, "dxBarButton79", "星座名人", nullptr, &F::dxBarButton79Click, nullptr},
    {kSigns, nullptr, "dxBarButton78", "身体保健", nullptr, &F::dxBarButton78Click, nullptr},
    {kSigns, nullptr, "dxBarButton77", "五大建议", nullptr, &F::dxBarButton77Click, nullptr},
    {kSigns, nullptr, "dxBarButton110", "星座缺陷", nullptr, &F::dxBarButton110Click, nullptr},
    {kSigns, nullptr, "dxBarButton112", "星座缘分", nullptr, &F::dxBarButton112Click, nullptr},

    {kPairs, nullptr, "dxBarButton27", "星座配对", nullptr, &F::dxBarButton27Click, nullptr},
    {kPairs, nullptr, "dxBarButton26", "生肖配对", nullptr, &F::dxBarButton26Click, nullptr},
    {kPairs, nullptr, "dxBarButton28", "血型配对", nullptr, &F::dxBarButton28Click, nullptr},

    {kTools, nullptr, "dxBarButton38", "周公解析", nullptr, &F::dxBarButton38Click, nullptr},
    {kTools, nullptr, "dxBarButton55", "解梦全书", nullptr, &F::dxBarButton55Click, nullptr},
    {kTools, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kTools, nullptr, "dxBarButton19", "手机号码分析", nullptr, &F::dxBarButton19Click, ":/icons/phone.svg"},
    {kTools, nullptr, "dxBarButton22", "QQ号码分析", nullptr, &F::dxBarButton22Click, ":/icons/qq.svg"},
    {kTools, nullptr, "dxBarButton23", "更多数字分析", nullptr, &F::dxBarButton23Click, ":/icons/number.svg"},
    {kTools, nullptr, "dxBarButton82", "网名分析", "网名与性格", &F::dxBarButton82Click, ":/icons/netname.svg"},
    {kTools, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kTools, nullptr, "dxBarButton39", "生男生女", nullptr, &F::dxBarButton39Click, ":/icons/boygirl.svg"},
    {kTools, nullptr, "dxBarButton43", "万年历法", nullptr, &F::dxBarButton43Click, ":/icons/calendar.svg"},

    {kService, nullptr, "dxBarButton53", "客户服务", nullptr, &F::dxBarButton53Click, ":/icons/service.svg"},
    {kService, nullptr, "dxBarButton63", "给我们发邮件", nullptr, &F::dxBarButton63Click, ":/icons/mail.svg"},
    {kService, nullptr, "dxBarButton64", "与QQ对话", nullptr, &F::dxBarButton64Click, ":/icons/chat.svg"},
    {kService, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kService, "其他产品", "dxBarButton134", "Qorvane设备管家", nullptr, &F::dxBarButton134Click,
     ":/icons/products.svg"},

    {kHelp, nullptr, "dxBarButton44", "公司主页", nullptr, &F::dxBarButton44Click, ":/icons/home.svg"},
    {kHelp, nullptr, "dxBarButton45", "关于系统", nullptr, &F::dxBarButton45Click, ":/icons/about.svg"},
    {kHelp, nullptr, "", nullptr, nullptr, nullptr, nullptr},
    {kHelp, nullptr, "dxBarButton47", "软件升级", nullptr, &F::dxBarButton47Click, ":/icons/upgrade.svg"},
};

}  // namespace

std::span<const char* const> MainMenuTitles() { return kMenuTitles; }
std::span<const MenuCommand> MainMenuCommands() { return kCommands; }

}  // namespace qorvane
