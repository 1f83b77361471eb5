#include "calendar/SolarTermNames.h"

namespace qorvane {

const std::array<std::string_view, 25> SolarTermNames = {
    "",
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

}  // namespace qorvane
