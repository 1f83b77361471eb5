#pragma once
#include <string_view>

namespace qorvane {

// The compiled intelligence reading of a sign: "智商：" + the score right-aligned
// in three columns + "。" + prose. Keys are compared byte for byte in the
// table's order; any other name gets "请听下回分解!".
std::string_view SignIqText(std::string_view signName);

}  // namespace qorvane
