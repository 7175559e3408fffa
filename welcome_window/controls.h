#pragma once
// The welcome window: shown on the first start only.
#include "forms/description.h"

namespace welcome_window {

inline constexpr forms::WindowId id = 2;

// clang-format off
enum : forms::ControlId {
    窗口 = 1,
    图片框1, 进度条1, 按钮1, 时钟1, 分组框1,
    分组框2, 透明标签6, 分组框3, 透明标签8, 分组框5, 标签1,
    分组框4, 透明标签2, 透明标签9, 透明标签1, 分组框6, 透明标签4, 透明标签10, 透明标签11,
    图片框2,
};
// clang-format on

// The controls the handlers read and write, by what they are for.
inline constexpr forms::ControlId loading_bar = 进度条1, enter_button = 按钮1;

extern const forms::WindowDesc description;

}  // namespace welcome_window
