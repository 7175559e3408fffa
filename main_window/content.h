#pragma once
// What the main window's logos and recommendations show: each logo names its
// row of the site table, each recommendation's group, cover and blurb their
// row of the book table, in the tables' own order. The layout takes their
// pictures and texts from those rows, the wiring hands the row to the handler.
#include <cstddef>
#include <iterator>

#include "main_window/controls.h"

namespace main_window {

// 第一页, then 第二页: row by row, left column first.
// clang-format off
inline constexpr forms::ControlId site_logos[] = {
    图片框8,
    图片框2,
    图片框3,
    图片框6,
    图片框4,
    图片框5,
    图片框7,
    图片框1,
    图片框9,
    图片框10,
    图片框11,
    图片框12,
    图片框13,
    图片框14,
    图片框33,
    图片框34,
    图片框35,
    图片框36,
    图片框37,
    图片框38,
    图片框39,
    图片框40,
    图片框41,
    图片框42,
    图片框43,
    图片框44,
    图片框45,
    图片框46,
};
// clang-format on

struct BookControls {
    forms::ControlId group, cover, blurb;
};
// 玄幻奇幻, 武侠仙侠, 都市言情, 军事历史, 游戏竞技, 科幻灵异: top, middle, bottom.
// clang-format off
inline constexpr BookControls book_controls[] = {
    {分组框6, 图片框16, 透明标签3},
    {分组框8, 图片框17, 透明标签4},
    {分组框9, 图片框18, 透明标签9},
    {分组框7, 图片框15, 透明标签2},
    {分组框10, 图片框19, 透明标签10},
    {分组框11, 图片框20, 透明标签11},
    {分组框12, 图片框21, 透明标签12},
    {分组框14, 图片框23, 透明标签14},
    {分组框13, 图片框22, 透明标签13},
    {分组框15, 图片框24, 透明标签15},
    {分组框18, 图片框27, 透明标签18},
    {分组框19, 图片框28, 透明标签19},
    {分组框16, 图片框25, 透明标签16},
    {分组框21, 图片框30, 透明标签21},
    {分组框20, 图片框29, 透明标签20},
    {分组框17, 图片框26, 透明标签17},
    {分组框23, 图片框32, 透明标签23},
    {分组框22, 图片框31, 透明标签22},
};
// clang-format on

// The row a logo shows, or -1 for a control that is none.
constexpr int site_row_of(forms::ControlId logo) {
    for (std::size_t i = 0; i < std::size(site_logos); ++i)
        if (site_logos[i] == logo) return int(i);
    return -1;
}
// The row whose group, cover or blurb a control is, or -1.
constexpr int book_row_of(forms::ControlId member) {
    for (std::size_t i = 0; i < std::size(book_controls); ++i) {
        const BookControls& b = book_controls[i];
        if (b.group == member || b.cover == member || b.blurb == member) return int(i);
    }
    return -1;
}

}  // namespace main_window
