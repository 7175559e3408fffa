#pragma once
// The main window: search strip and five pages.
#include "forms/description.h"

namespace main_window {

inline constexpr forms::WindowId id = 1;

// clang-format off
enum : forms::ControlId {
    窗口 = 1,
    // search strip
    组合框1, 编辑框1, 按钮1, 组合框3, 透明标签5, 时钟1, 时钟2, 选择夹1,
    // site directory
    选择夹3,
    图片框1, 图片框2, 图片框3, 图片框4, 图片框5, 图片框6, 图片框7, 图片框8, 图片框9, 图片框10,
    图片框11, 图片框12, 图片框13, 图片框14,
    图片框33, 图片框34, 图片框35, 图片框36, 图片框37, 图片框38, 图片框39, 图片框40, 图片框41,
    图片框42, 图片框43, 图片框44, 图片框45, 图片框46,
    // recommendations
    选择夹4,
    分组框6, 分组框7, 分组框8, 分组框9, 分组框10, 分组框11, 分组框12, 分组框13, 分组框14,
    分组框15, 分组框16, 分组框17, 分组框18, 分组框19, 分组框20, 分组框21, 分组框22, 分组框23,
    图片框15, 图片框16, 图片框17, 图片框18, 图片框19, 图片框20, 图片框21, 图片框22, 图片框23,
    图片框24, 图片框25, 图片框26, 图片框27, 图片框28, 图片框29, 图片框30, 图片框31, 图片框32,
    透明标签2, 透明标签3, 透明标签4, 透明标签9, 透明标签10, 透明标签11, 透明标签12, 透明标签13,
    透明标签14, 透明标签15, 透明标签16, 透明标签17, 透明标签18, 透明标签19, 透明标签20,
    透明标签21, 透明标签22, 透明标签23,
    // settings
    分组框1, 标签1, 编辑框2, 按钮2, 分组框5, 组合框2, 按钮5,
    // notices
    选择夹2, 透明标签6, 透明标签8, 透明标签7, 透明标签1,
    // download links
    分组框2, 分组框3, 按钮3, 分组框4, 按钮4, 分组框24, 分组框26, 按钮7, 透明标签24,
};
// clang-format on

// The controls the handlers read and write, by what they are for.
inline constexpr forms::ControlId engine_list = 组合框1, book_name_box = 编辑框1, search_button = 按钮1,
                                  history_list = 组合框3, clock_label = 透明标签5, skin_number_box = 编辑框2,
                                  skin_list = 组合框2;

extern const forms::WindowDesc description;

}  // namespace main_window
