#include "calendar/LunarMonthNames.h"

namespace qorvane {

const std::array<std::string_view, 13> LunarMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊",
};

}  // namespace qorvane
