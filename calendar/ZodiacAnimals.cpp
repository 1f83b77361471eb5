#include "calendar/ZodiacAnimals.h"

namespace qorvane {

const std::array<std::string_view, 12> ZodiacAnimals = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪",
};

}  // namespace qorvane
