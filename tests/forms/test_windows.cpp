#include "test_windows.h"

#include <algorithm>

#include "forms/dispatch.h"
#include "forms/model.h"
#include "tests/support/model_access.h"

namespace trial {

using namespace forms;

Record& record() {
    static Record r;
    return r;
}

int Record::count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

namespace {

void note(const std::string& what, const EventArgs& a) {
    record().calls.push_back(what + " " + std::to_string(a.control));
}

std::optional<bool> on_key(const EventArgs& a) {
    record().calls.push_back("KeyDown " + std::to_string(a.control) + " " + std::to_string(a.key) + " " +
                             std::to_string(a.function_keys));
    return record().key_result;
}
std::optional<bool> on_press(const EventArgs& a) {
    record().calls.push_back("LeftButtonDown " + std::to_string(a.control) + " " + std::to_string(a.x) + " " +
                             std::to_string(a.y) + " " + std::to_string(a.function_keys));
    return record().press_result;
}
std::optional<bool> on_click(const EventArgs& a) {
    note("Click", a);
    if (a.control == 按钮1 && record().load_modal_in_click) {
        LoadWindow(modal, std::nullopt, true);
        record().calls.push_back("modal returned");
    }
    return std::nullopt;
}
std::optional<bool> on_selection(const EventArgs& a) {
    note("SelectionMade", a);
    record().selections_seen.push_back(ReadInteger(a.window, a.control, prop::ComboSelection));
    return std::nullopt;
}
std::optional<bool> on_selection_changed(const EventArgs& a) {
    note("SelectionChanged", a);
    return std::nullopt;
}
std::optional<bool> on_tick1(const EventArgs&) {
    ++record().ticks1;
    return std::nullopt;
}
std::optional<bool> on_tick2(const EventArgs&) {
    ++record().ticks2;
    return std::nullopt;
}
std::optional<bool> on_created(const EventArgs& a) {
    note("Created", a);
    if (record().hide_in_created) WriteProperty(a.window, a.control, prop::Visible, false);
    return std::nullopt;
}
std::optional<bool> on_may_close(const EventArgs& a) {
    note("MayClose", a);
    return record().close_result;
}
std::optional<bool> on_window_event(const EventArgs& a, const char* name) {
    record().calls.push_back(std::string(name) + " " + std::to_string(a.window));
    return std::nullopt;
}
std::optional<bool> on_destroying(const EventArgs& a) { return on_window_event(a, "Destroying"); }
std::optional<bool> on_moved(const EventArgs& a) { return on_window_event(a, "Moved"); }
std::optional<bool> on_resized(const EventArgs& a) { return on_window_event(a, "Resized"); }
std::optional<bool> on_modal_created(const EventArgs& a) { return on_window_event(a, "Created"); }
std::optional<bool> on_modal_tick(const EventArgs& a) {
    if (++record().modal_ticks == 1 && IsLoaded(window))
        record().caller_disabled_seen = ReadBoolean(window, 窗口, prop::Disabled);
    if (record().modal_ticks == 3 && record().close_in_tick) {
        record().caller_ticks_seen = record().ticks1;
        close_requested(a.window);
    }
    return std::nullopt;
}

constexpr std::string_view engines[] = {"宜搜", "晋江", "起点"};
constexpr std::string_view modes[] = {"写入", "读取"};
constexpr std::string_view pages[] = {"第一页", "第二页"};

// 4 x 2, 24 bits: red, green, blue, white over black, black, black, yellow.
// clang-format off
constexpr std::uint8_t still_bytes[] = {
    'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
    40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // bottom row first, BGR
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255,
    0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255,
};
const std::span<const std::uint8_t> still_span(still_bytes);

// 2 x 2, two frames of 10 hundredths: all red, then all blue.
constexpr std::uint8_t moving_bytes[] = {
    'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0,  // screen, 2-colour table
    255, 0, 0, 0, 0, 255,                                  // red, blue
    0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0,
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,              // 10 cs
    0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0,            // image 2 x 2
    2, 4, 4, 65, 16, 5, 0,                      // (clear, 0) four times, end: no code grows
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,
    0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0,
    2, 4, 12, 195, 48, 5, 0,                    // (clear, 1) four times, end
    0x3B,
};
const std::span<const std::uint8_t> moving_span(moving_bytes);

constexpr ControlDesc controls[] = {
    edit_box(编辑框1, "编辑框1", {10, 10, 120, 20}).colors(black, white),
    button(按钮1, "按钮1", {140, 10, 80, 24}).caption("搜索").does("用所选的搜索引擎搜索"),
    combo(组合框1, "组合框1", {10, 40, 120, 20}).list(engines, 0).colors(black, white).dropped_at_least(160).spoken_as("搜索引擎"),
    combo(组合框2, "组合框2", {140, 40, 80, 20}).list(modes, -1).spoken_as("书名记录方式"),
    label(标签1, "标签1", {10, 70, 120, 16}).caption("输入皮肤编号1~58").colors(0xFF0000, 0x00FF00),
    pic_box(图片框1, "图片框1", {140, 70, 80, 40}).shows(&still_span).with_border(Border::Raised).hand().spoken_as("起点中文网"),
    trans_label(透明标签1, "透明标签1", {140, 80, 80, 16}).caption("时间").colors(0x0088FF).aligned(Align::Centre, VAlign::Middle).single_line(),
    progress_bar(进度条1, "进度条1", {10, 120, 210, 16}).range(0, 100, 30),
    group_box(分组框1, "分组框1", {10, 140, 210, 50}).caption("★分组☆").colors(0xFF0000).aligned(Align::Centre),
    button(按钮2, "按钮2", {10, 18, 90, 24}).at(分组框1).caption("确定（Enter）"),
    tab(选择夹1, "选择夹1", {0, 200, 240, 150}).pages(pages, 0),
    edit_box(编辑框2, "编辑框2", {10, 30, 40, 20}).at(选择夹1, 0).limit(2).aligned(Align::Centre).colors(0x00FFFF, white).spoken_as("皮肤编号"),
    button(按钮3, "按钮3", {10, 30, 90, 24}).at(选择夹1, 1).caption("第二页按钮").disable(),
    group_box(分组框2, "分组框2", {10, 60, 200, 60}).at(选择夹1, 1).caption("在第二页"),
    edit_box(编辑框3, "编辑框3", {10, 20, 100, 20}).at(分组框2),
    button(按钮4, "按钮4", {120, 20, 60, 24}).at(分组框2).caption("隐藏").hidden(),
    timer(时钟1, "时钟1", 0),
    timer(时钟2, "时钟2", 0),
    edit_box(编辑框4, "编辑框4", {130, 120, 100, 16}).hidden(),
    pic_box(图片框2, "图片框2", {230, 10, 10, 10}).shows(&moving_span, DisplayMode::Stretched),
    pic_box(图片框3, "图片框3", {110, 30, 40, 20}).at(选择夹1, 1).shows(&still_span).with_border(Border::Line),
};

constexpr ControlDesc modal_controls[] = {
    timer(对话时钟, "对话时钟", 20),
    button(对话按钮, "对话按钮", {10, 10, 80, 24}).caption("关闭").as_default(),
    edit_box(对话编辑框, "对话编辑框", {10, 40, 80, 20}),
};

constexpr std::string_view genres[] = {"玄幻奇幻", "武侠仙侠", "都市言情"};
constexpr ControlDesc bare_controls[] = {
    tab(竖排选择夹, "竖排选择夹", {10, 10, 307, 393}).pages(genres, 0).tabs_right().with_font({"@宋体", normal, 12}),
    trans_label(竖排标签, "竖排标签", {8, 18, 168, 96}).at(竖排选择夹, 0).caption("  本软件是一款强大的小说搜索器，支持多个搜索引擎。\r\n第二行").colors(0x9000FF).with_font({"宋体", bold, 14}).with_effect(1),
    pic_box(竖排图片框, "竖排图片框", {8, 120, 80, 104}).at(竖排选择夹, 0).shows(&still_span, DisplayMode::Fitted).with_border(Border::SunkenInRaised),
    trans_label(楷体标签, "楷体标签", {8, 18, 168, 48}).at(竖排选择夹, 1).caption("第二页的字").colors(0x0000FF).with_font({"楷体_GB2312", bold, 16}),
};
// clang-format on

}  // namespace

// clang-format off
const WindowDesc window_desc{
    .id = window, .self = 窗口, .name = "试验窗口", .title = "砚舟小说搜索器V1.4正式版 ",
    .geometry = {50, 50, 317, 400}, .always_on_top = true, .esc_closes = true,
    .controls = controls,
};

const WindowDesc modal_desc{
    .id = modal, .self = 对话框, .name = "对话框", .title = "对话",
    .geometry = {0, 0, 200, 100}, .esc_closes = true,
    .controls = modal_controls,
};

const WindowDesc bare_desc{
    .id = bare, .self = 窗口, .name = "无框窗口", .title = "", .spoken = "砚舟小说搜索器",
    .geometry = {0, 0, 580, 475}, .frame = Frame::None, .esc_closes = true,
    .controls = bare_controls,
};

constexpr PasteCase pastes[] = {
    {"", 0, 0, "369", "36"}, {"", 0, 0, "皮肤", "皮"}, {"", 0, 0, "3皮", "3"}, {"1", 1, 0, "23", "12"},
    {"1", 0, 0, "23", "21"}, {"12", 0, 2, "345", "34"}, {"12", 2, 0, "3", "12"},
    // One line, no control characters: a paste is kept up to its first line break.
    {"", 0, 0, "1\r\n2", "1"}, {"", 0, 0, "1\r2", "1"}, {"1", 0, 0, "\n2", "1"}, {"", 0, 0, "\x01" "2", "2"}, {"", 0, 0, "\x7F" "4", "4"},
};
const std::span<const PasteCase> paste_cases(pastes);

constexpr Wire window_wiring[] = {
    {窗口, event::Created, on_created},       {窗口, event::MayClose, on_may_close},
    {窗口, event::Destroying, on_destroying}, {窗口, event::Moved, on_moved},
    {窗口, event::Resized, on_resized},
    {编辑框1, event::KeyDown, on_key},        {编辑框1, event::LeftButtonDown, on_press},
    {按钮1, event::Click, on_click},          {按钮1, event::KeyDown, on_key},
    {组合框1, event::SelectionMade, on_selection}, {组合框1, event::SelectionChanged, on_selection_changed},
    {组合框1, event::KeyDown, on_key},
    {标签1, event::LeftButtonDown, on_press}, {图片框1, event::LeftButtonDown, on_press},
    {透明标签1, event::LeftButtonDown, on_press},
    {按钮2, event::Click, on_click},          {按钮2, event::KeyDown, on_key},
    {选择夹1, event::Click, on_click},        {选择夹1, event::LeftButtonDown, on_press},
    {编辑框2, event::KeyDown, on_key},        {编辑框2, event::LeftButtonDown, on_press},
    {按钮3, event::Click, on_click},          {按钮3, event::KeyDown, on_key},
    {时钟1, event::Tick, on_tick1},           {时钟2, event::Tick, on_tick2},
};
constexpr Wire modal_wiring[] = {
    {对话框, event::Created, on_modal_created}, {对话框, event::Destroying, on_destroying},
    {对话时钟, event::Tick, on_modal_tick},    {对话按钮, event::Click, on_click},
};
// clang-format on
constexpr Wire bare_wiring[] = {{窗口, event::Created, on_created}, {窗口, event::Destroying, on_destroying}};

const DescribedWindow described[] = {
    {&window_desc, window_wiring}, {&modal_desc, modal_wiring}, {&bare_desc, bare_wiring}};

std::span<const DescribedWindow> windows() { return described; }

const std::span<const std::uint8_t>* still_picture() { return &still_span; }
const std::span<const std::uint8_t>* moving_picture() { return &moving_span; }

}  // namespace trial
