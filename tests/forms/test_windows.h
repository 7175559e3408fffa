#pragma once
// Two small windows that hold every kind of control, and handlers that write
// down what they were called with, so that a test can drive the real widgets
// and read back what the handlers saw.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "forms/model.h"

namespace trial {

inline constexpr forms::WindowId window = 901;  // everything
inline constexpr forms::WindowId modal = 902;   // a small dialog with a timer
inline constexpr forms::WindowId bare = 903;    // frameless, hidden at load

// clang-format off
enum : forms::ControlId {
    窗口 = 1,
    编辑框1, 按钮1, 组合框1, 组合框2, 标签1, 图片框1, 透明标签1, 进度条1,
    分组框1, 按钮2,
    选择夹1, 编辑框2, 按钮3, 分组框2, 编辑框3, 按钮4,
    时钟1, 时钟2, 编辑框4, 图片框2, 图片框3,
};
// clang-format on

enum : forms::ControlId { 对话框 = 1, 对话时钟, 对话按钮, 对话编辑框 };
enum : forms::ControlId { 竖排选择夹 = 2, 竖排标签, 竖排图片框, 楷体标签 };

extern const forms::WindowDesc window_desc;
extern const forms::WindowDesc modal_desc;
extern const forms::WindowDesc bare_desc;
// The three with their wiring, as DescribeWindows takes them.
std::span<const forms::DescribedWindow> windows();

// What handlers saw: one line per call, "Click 3", "KeyDown 2 13 0" ...
struct Record {
    std::vector<std::string> calls;
    std::vector<int> selections_seen;  // 组合框1's selection inside SelectionMade
    int ticks1 = 0, ticks2 = 0, modal_ticks = 0;
    std::optional<bool> key_result;            // what KeyDown handlers return
    std::optional<bool> press_result;          // what LeftButtonDown handlers return
    std::optional<bool> close_result;          // what MayClose returns
    bool hide_in_created = false;              // the Created handler hides the window
    bool load_modal_in_click = false;          // 按钮1's Click loads the dialog modally
    bool close_in_tick = false;                // the dialog's tick closes it after 3 ticks
    std::optional<bool> caller_disabled_seen;  // the test window's Disabled, read in the dialog's first tick
    int caller_ticks_seen = -1;                // ticks1 as the dialog closed
    void reset() { *this = Record{}; }
    int count(const std::string& call) const;
};
Record& record();

// Pastes into 编辑框2, whose limit is two GBK bytes: the text before, the
// cursor and how many characters from it are selected, what is pasted (GBK),
// and the text after: the longest beginning of the paste that fits.
struct PasteCase {
    const char* before;
    int cursor, selected;
    const char* pasted;
    const char* after;
};
extern const std::span<const PasteCase> paste_cases;

// The test pictures: a 4 x 2 still BMP and a two-frame GIF.
const std::span<const std::uint8_t>* still_picture();
const std::span<const std::uint8_t>* moving_picture();

}  // namespace trial
