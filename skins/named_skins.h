#pragma once
// The eight named skins of the settings page's list 组合框2, in list order:
// the name the list shows and the skin it attaches.
#include <array>
#include <cstdint>
#include <string_view>

struct NamedSkin {
    std::string_view name;
    std::int32_t number;
};

// clang-format off
inline constexpr NamedSkin named_skins[] = {
    {"蓝色经典", 1},
    {"大气纯黑", 3},
    {"灰色淡橙", 2},
    {"仿WIN7、8", 4},
    {"深蓝气氛", 8},
    {"一片乌黑", 36},
    {"仿XP皮肤", 9},
    {"绿色生机", 15},
};
// clang-format on

// The names alone, as the list takes its texts.
inline constexpr auto named_skin_names = [] {
    std::array<std::string_view, std::size(named_skins)> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = named_skins[i].name;
    return names;
}();
