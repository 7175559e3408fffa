// The welcome window, control by control in the order it is built: the
// banner and progress strip, then the introduction page in 分组框1.
#include "welcome_window/controls.h"

#include "pictures.h"
#include "sites/texts.h"

namespace welcome_window {
namespace {

using namespace forms;

constexpr Font notice_font{"宋体", bold, 14};
constexpr Font group_number_font{"宋体", bold, 14, true};

// clang-format off
constexpr ControlDesc controls[] = {
    pic_box(图片框1, "图片框1", {111, 7, 345, 24}).shows(&pictures::banner_title).spoken_as("砚舟小说搜索器说明"),
    progress_bar(进度条1, "进度条1", {16, 37, 552, 20}).range(0, 100, 0).spoken_as("启动进度"),
    // Lies over the progress bar and takes its place once the bar is full.
    button(按钮1, "按钮1", {184, 40, 224, 24}).caption("★★★进入软件☆☆☆").hidden().as_default(),
    timer(时钟1, "时钟1", 50),
    group_box(分组框1, "分组框1", {8, 72, 560, 392}).caption("↓1.4正式版↑").colors(black),

    group_box(分组框2, "分组框2", {8, 16, 280, 184}).at(分组框1).caption("更新公告").colors(black).aligned(Align::Centre),
    trans_label(透明标签6, "透明标签6", {8, 16, 264, 160}).at(分组框2).caption(texts::update_notes).with_font(notice_font).colors(0x9000FF),
    group_box(分组框3, "分组框3", {8, 202, 280, 179}).at(分组框1).caption("软件说明").colors(black).aligned(Align::Centre),
    trans_label(透明标签8, "透明标签8", {8, 24, 264, 150}).at(分组框3).caption(texts::introduction).with_font(notice_font).colors(0x0088FF),
    group_box(分组框5, "分组框5", {298, 16, 253, 64}).at(分组框1).caption("使用教程（视频）").colors(black),
    label(标签1, "标签1", {30, 24, 184, 32}).at(分组框5).caption("视频教程 点击观看").with_font({"宋体", bold, 20}).colors(0xFF0000, 0x00FF00),
    group_box(分组框4, "分组框4", {298, 80, 254, 256}).at(分组框1),
    trans_label(透明标签2, "透明标签2", {24, 12, 96, 88}).at(分组框4).caption(texts::maker_slogan).with_font(notice_font).colors(0x0088FF).aligned(Align::Centre),
    trans_label(透明标签9, "透明标签9", {128, 12, 96, 88}).at(分组框4).caption(texts::merits_slogan).with_font(notice_font).colors(0xD28817).aligned(Align::Centre),
    trans_label(透明标签1, "透明标签1", {13, 78, 225, 48}).at(分组框4).caption(texts::frank_slogan).with_font({"宋体", bold, 16}).colors(black),
    group_box(分组框6, "分组框6", {16, 136, 222, 104}).at(分组框4).caption("官方QQ群：").with_font(notice_font).colors(white),
    trans_label(透明标签4, "透明标签4", {32, 16, 166, 16}).at(分组框6).caption(texts::software_group_label).with_font(group_number_font).colors(0x0000FF),
    trans_label(透明标签10, "透明标签10", {33, 40, 166, 16}).at(分组框6).caption(texts::novel_group_label).with_font(group_number_font).colors(0x0000FF),
    trans_label(透明标签11, "透明标签11", {40, 64, 158, 24}).at(分组框6).caption(texts::click_to_join).with_font({"楷体_GB2312", bold, 16}).colors(0xFF0000),
    pic_box(图片框2, "图片框2", {299, 347, 250, 32}).at(分组框1).shows(&pictures::banner_credit).spoken_as("砚舟软件出品"),
};
// clang-format on

}  // namespace

const WindowDesc description{
    .id = id,
    .self = 窗口,
    .name = "启动窗口",
    .title = "",
    .spoken = "砚舟小说搜索器",
    .geometry = {50, 50, 580, 475},
    .frame = Frame::None,
    .minimize_box = false,
    .maximize_box = false,
    .always_on_top = false,
    .esc_closes = true,
    .enter_moves_focus = false,
    .centred = true,
    .visible = true,
    .icon = &pictures::app_icon,
    .controls = controls,
};

}  // namespace welcome_window
