#pragma once
#include <array>
#include <string_view>

namespace qorvane {

// The twelve signs in the order of the main window's sign strip; the names
// are the keys of the sign tables and of the content database.
inline constexpr std::array<std::string_view, 12> kSignNames = {
    "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
    "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};

}  // namespace qorvane
