// The main window, control by control in the order it is built: the search
// strip, then the five pages of 选择夹1 with everything on them.
#include "main_window/controls.h"

#include <string_view>

#include "main_window/content.h"
#include "pictures.h"
#include "search/engines.h"
#include "search/search.h"
#include "sites/books.h"
#include "sites/sites.h"
#include "sites/texts.h"
#include "skins/named_skins.h"

namespace main_window {
namespace {

using namespace forms;

constexpr std::string_view history_modes[] = {"写入记录书名", "读取记录书名"};
constexpr std::string_view main_pages[] = {"小说名站", "小说推荐", "软件设置", "软件公告", "下载链接"};
constexpr std::string_view directory_pages[] = {"第一页", "第二页"};
constexpr std::string_view genre_pages[] = {"玄幻奇幻", "武侠仙侠", "都市言情", "军事历史", "游戏竞技", "科幻灵异"};
constexpr std::string_view notice_pages[] = {"更新公告", "软件介绍", "报毒说明", "速度等级划分"};

constexpr Font notice_font{"宋体", bold, 14};

// A site of the directory: its logo, from the site table, with a raised
// frame on a page of 选择夹3.
ControlDesc logo(ControlId id, std::string_view name, Geometry at, int page) {
    const int row = site_row_of(id);
    const sites::Site* site = row < 0 ? nullptr : &sites::sites()[row];
    return pic_box(id, name, at)
        .at(选择夹3, page)
        .shows(site ? site->picture : nullptr)
        .with_border(Border::Raised)
        .hand()
        .spoken_as(site ? site->name : "");
}

// A recommended book: a framed group in its slot of its genre page of
// 选择夹4 holding the cover and the blurb; all three take their content, and
// the group its page and slot, from the book table.
const sites::Book* book_of(ControlId member) {
    const int row = book_row_of(member);
    return row < 0 ? nullptr : &sites::books()[row];
}
ControlDesc recommendation(ControlId id, std::string_view name) {
    const sites::Book* book = book_of(id);
    const int page = book ? book->page : 0, slot = book ? book->slot : 0;
    return group_box(id, name, {8, 8 + 128 * slot, 272, 123})
        .at(选择夹4, page)
        .caption(book ? book->caption : "")
        .colors(black)
        .hand();
}
ControlDesc cover(ControlId id, std::string_view name, ControlId group) {
    const sites::Book* book = book_of(id);
    return pic_box(id, name, {8, 15, 80, 104})
        .at(group)
        .shows(book ? book->picture : nullptr)
        .with_border(Border::Line)
        .hand()
        .spoken_as(book ? book->caption : "");
}
ControlDesc blurb(ControlId id, std::string_view name, ControlId group) {
    const sites::Book* book = book_of(id);
    return trans_label(id, name, {102, 18, 168, 96}).at(group).caption(book ? book->blurb : "").colors(black);
}

// clang-format off
const ControlDesc controls[] = {
    // search strip
    combo(组合框1, "组合框1", {3, 8, 109, 20}).list(search::engine_list_texts(), 0).colors(black, white).dropped_at_least(160).spoken_as("搜索引擎").with_menu(search::engine_list_menu),
    edit_box(编辑框1, "编辑框1", {117, 8, 192, 20}).colors(black, white).spoken_as("书名"),
    button(按钮1, "按钮1", {117, 33, 192, 20}).caption("搜索").does("用所选的搜索引擎搜索书名框中的书名"),
    combo(组合框3, "组合框3", {3, 33, 109, 20}).list(history_modes, 0).colors(black, white).spoken_as("书名记录方式"),
    trans_label(透明标签5, "透明标签5", {32, 62, 219, 16}).caption("时间").colors(0x0088FF).single_line().aligned(Align::Centre, VAlign::Middle),
    // 时钟1 once polled the two lists for the search button's caption; the
    // lists now tell of their changes themselves (main_window/wiring.cpp).
    // It stays so that the window keeps the controls, names and numbers it
    // has always had; wired to nothing, it is idle and never wakes the
    // program (forms/timers.cpp).
    timer(时钟1, "时钟1", 1),
    timer(时钟2, "时钟2", 1000),
    tab(选择夹1, "选择夹1", {0, 80, 310, 416}).pages(main_pages),

    // page 0 "小说名站"
    tab(选择夹3, "选择夹3", {2, 21, 307, 393}).at(选择夹1, 0).pages(directory_pages),
    logo(图片框8, "图片框8", {16, 30, 118, 45}, 0),
    logo(图片框2, "图片框2", {160, 30, 118, 45}, 0),
    logo(图片框3, "图片框3", {16, 80, 118, 45}, 0),
    logo(图片框6, "图片框6", {160, 80, 118, 45}, 0),
    logo(图片框4, "图片框4", {16, 130, 118, 45}, 0),
    logo(图片框5, "图片框5", {160, 130, 117, 45}, 0),
    logo(图片框7, "图片框7", {16, 180, 118, 45}, 0),
    logo(图片框1, "图片框1", {160, 180, 118, 45}, 0),
    logo(图片框9, "图片框9", {16, 230, 118, 42}, 0),
    logo(图片框10, "图片框10", {160, 230, 118, 45}, 0),
    logo(图片框11, "图片框11", {16, 280, 118, 45}, 0),
    logo(图片框12, "图片框12", {160, 280, 118, 45}, 0),
    logo(图片框13, "图片框13", {16, 330, 118, 45}, 0),
    logo(图片框14, "图片框14", {160, 330, 118, 45}, 0),
    logo(图片框33, "图片框33", {16, 30, 118, 45}, 1),
    logo(图片框34, "图片框34", {160, 30, 118, 45}, 1),
    logo(图片框35, "图片框35", {16, 80, 118, 45}, 1),
    logo(图片框36, "图片框36", {160, 80, 118, 45}, 1),
    logo(图片框37, "图片框37", {16, 130, 118, 45}, 1),
    logo(图片框38, "图片框38", {160, 130, 118, 45}, 1),
    logo(图片框39, "图片框39", {16, 180, 118, 45}, 1),
    logo(图片框40, "图片框40", {160, 180, 118, 45}, 1),
    logo(图片框41, "图片框41", {16, 230, 118, 45}, 1),
    logo(图片框42, "图片框42", {160, 230, 118, 45}, 1),
    logo(图片框43, "图片框43", {16, 280, 118, 45}, 1),
    logo(图片框44, "图片框44", {160, 280, 118, 45}, 1),
    logo(图片框45, "图片框45", {16, 330, 118, 45}, 1),
    logo(图片框46, "图片框46", {160, 330, 118, 45}, 1),

    // page 1 "小说推荐"
    tab(选择夹4, "选择夹4", {0, 21, 307, 393}).at(选择夹1, 1).pages(genre_pages).tabs_right().with_font({"@宋体", normal, 12}),
    recommendation(分组框6, "分组框6"),
    cover(图片框16, "图片框16", 分组框6),
    blurb(透明标签3, "透明标签3", 分组框6),
    recommendation(分组框8, "分组框8"),
    cover(图片框17, "图片框17", 分组框8),
    blurb(透明标签4, "透明标签4", 分组框8),
    recommendation(分组框9, "分组框9"),
    cover(图片框18, "图片框18", 分组框9),
    blurb(透明标签9, "透明标签9", 分组框9),
    recommendation(分组框7, "分组框7"),
    cover(图片框15, "图片框15", 分组框7),
    blurb(透明标签2, "透明标签2", 分组框7),
    recommendation(分组框10, "分组框10"),
    cover(图片框19, "图片框19", 分组框10),
    blurb(透明标签10, "透明标签10", 分组框10),
    recommendation(分组框11, "分组框11"),
    cover(图片框20, "图片框20", 分组框11),
    blurb(透明标签11, "透明标签11", 分组框11),
    recommendation(分组框12, "分组框12"),
    cover(图片框21, "图片框21", 分组框12),
    blurb(透明标签12, "透明标签12", 分组框12),
    recommendation(分组框14, "分组框14"),
    cover(图片框23, "图片框23", 分组框14),
    blurb(透明标签14, "透明标签14", 分组框14),
    recommendation(分组框13, "分组框13"),
    cover(图片框22, "图片框22", 分组框13),
    blurb(透明标签13, "透明标签13", 分组框13),
    recommendation(分组框15, "分组框15"),
    cover(图片框24, "图片框24", 分组框15),
    blurb(透明标签15, "透明标签15", 分组框15),
    recommendation(分组框18, "分组框18"),
    cover(图片框27, "图片框27", 分组框18),
    blurb(透明标签18, "透明标签18", 分组框18),
    recommendation(分组框19, "分组框19"),
    cover(图片框28, "图片框28", 分组框19),
    blurb(透明标签19, "透明标签19", 分组框19),
    recommendation(分组框16, "分组框16"),
    cover(图片框25, "图片框25", 分组框16),
    blurb(透明标签16, "透明标签16", 分组框16),
    recommendation(分组框21, "分组框21"),
    cover(图片框30, "图片框30", 分组框21),
    blurb(透明标签21, "透明标签21", 分组框21),
    recommendation(分组框20, "分组框20"),
    cover(图片框29, "图片框29", 分组框20),
    blurb(透明标签20, "透明标签20", 分组框20),
    recommendation(分组框17, "分组框17"),
    cover(图片框26, "图片框26", 分组框17),
    blurb(透明标签17, "透明标签17", 分组框17),
    recommendation(分组框23, "分组框23"),
    cover(图片框32, "图片框32", 分组框23),
    blurb(透明标签23, "透明标签23", 分组框23),
    recommendation(分组框22, "分组框22"),
    cover(图片框31, "图片框31", 分组框22),
    blurb(透明标签22, "透明标签22", 分组框22),

    // page 2 "软件设置"
    group_box(分组框1, "分组框1", {8, 33, 224, 64}).at(选择夹1, 2).caption("输入式皮肤设置").colors(black),
    label(标签1, "标签1", {16, 16, 152, 16}).at(分组框1).caption("输入皮肤编号1~58").colors(black),
    edit_box(编辑框2, "编辑框2", {56, 40, 24, 16}).at(分组框1).colors(0x00FFFF, white).aligned(Align::Centre).limit(2).spoken_as("皮肤编号"),
    button(按钮2, "按钮2", {116, 31, 88, 26}).at(分组框1).caption("确定（Enter）"),
    group_box(分组框5, "分组框5", {8, 104, 224, 41}).at(选择夹1, 2).caption("选择式皮肤设置").colors(black),
    combo(组合框2, "组合框2", {8, 18, 100, 20}).at(分组框5).list(named_skin_names, 0).colors(black, white).spoken_as("皮肤"),
    button(按钮5, "按钮5", {115, 14, 91, 20}).at(分组框5).caption("确定"),

    // page 3 "软件公告"
    tab(选择夹2, "选择夹2", {0, 19, 307, 395}).at(选择夹1, 3).pages(notice_pages).with_font({"宋体", normal, 12}),
    trans_label(透明标签6, "透明标签6", {8, 24, 264, 160}).at(选择夹2, 0).caption(texts::update_notes).with_font(notice_font).colors(0x9000FF),
    trans_label(透明标签8, "透明标签8", {8, 32, 264, 149}).at(选择夹2, 1).caption(texts::introduction).with_font(notice_font).colors(0x0088FF),
    trans_label(透明标签7, "透明标签7", {8, 30, 280, 207}).at(选择夹2, 2).caption(texts::antivirus_note).with_font(notice_font).colors(0xFF0000),
    trans_label(透明标签1, "透明标签1", {16, 38, 200, 168}).at(选择夹2, 3).caption(texts::speed_grades).with_font({"宋体", bold, 20}).colors(0x80E000),

    // page 4 "下载链接"
    group_box(分组框2, "分组框2", {9, 24, 288, 160}).at(选择夹1, 4).caption("★软件更新下载地址☆").colors(0xFF0000).aligned(Align::Centre),
    group_box(分组框3, "分组框3", {12, 16, 240, 64}).at(分组框2).caption("◆百度网盘下载地址◇").colors(black),
    button(按钮3, "按钮3", {32, 24, 160, 32}).at(分组框3).caption("点我下载").spoken_as("从百度网盘下载本软件"),
    group_box(分组框4, "分组框4", {14, 88, 240, 64}).at(分组框2).caption("△千易网盘下载地址▼").colors(0xFF0000).aligned(Align::Right),
    button(按钮4, "按钮4", {32, 20, 160, 32}).at(分组框4).caption("点我下载").spoken_as("从千易网盘下载本软件"),
    group_box(分组框24, "分组框24", {8, 192, 288, 208}).at(选择夹1, 4).caption("★阅读推荐软件下载地址☆").colors(0xFF0000).aligned(Align::Centre),
    group_box(分组框26, "分组框26", {12, 16, 260, 104}).at(分组框24).caption("◆360极速版下载地址◇").colors(black),
    button(按钮7, "按钮7", {16, 16, 219, 20}).at(分组框26).caption("点我下载").spoken_as("下载360极速浏览器"),
    trans_label(透明标签24, "透明标签24", {7, 38, 248, 48}).at(分组框26).caption(texts::browser_recommendation).colors(0x0088FF),
};
// clang-format on

}  // namespace

const WindowDesc description{
    .id = id,
    .self = 窗口,
    .name = "主窗口",
    .title = "砚舟小说搜索器V1.4正式版 ",
    .geometry = {50, 50, 317, 521},
    .frame = Frame::FixedWithTitle,
    .minimize_box = true,
    .maximize_box = false,
    .always_on_top = true,
    .esc_closes = true,
    .enter_moves_focus = false,
    .centred = true,
    .visible = true,
    .icon = &pictures::app_icon,
    .controls = controls,
};

}  // namespace main_window
