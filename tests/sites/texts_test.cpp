// What the reader reads on the two windows: blurbs of the shape the page was
// laid out for, the same notices in both windows, captions that match the
// covers, and the exact characters of the framed slogans.
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "main_window/controls.h"
#include "platform/text.h"
#include "sites/books.h"
#include "sites/hosts.h"
#include "tests/main_window/layout_lookup.h"
#include "welcome_window/controls.h"

namespace {

using layout_lookup::find;
using layout_lookup::lines_of;
using namespace main_window;

std::string_view text_of(const forms::WindowDesc& window, forms::ControlId id) {
    const forms::ControlDesc* control = find(window, id);
    return control ? control->text : std::string_view{};
}

struct BlurbShape {
    forms::ControlId label;
    std::size_t lines;
};

// The blurb labels are 168 x 96: each text was fitted to that box.
const BlurbShape blurb_shapes[] = {
    {透明标签3, 3},  {透明标签4, 1},  {透明标签9, 2},  {透明标签2, 3},  {透明标签10, 1}, {透明标签11, 3},
    {透明标签12, 1}, {透明标签14, 2}, {透明标签13, 1}, {透明标签15, 1}, {透明标签18, 5}, {透明标签19, 2},
    {透明标签16, 1}, {透明标签21, 4}, {透明标签20, 2}, {透明标签17, 2}, {透明标签23, 4}, {透明标签22, 1},
};

TEST(Blurbs, HaveTheirLineCountsAndBreakWithCrLf) {
    for (const BlurbShape& shape : blurb_shapes) {
        std::string_view blurb = text_of(description, shape.label);
        SCOPED_TRACE(to_utf8(blurb));
        EXPECT_EQ(lines_of(blurb).size(), shape.lines);
        for (std::size_t at = 0; (at = blurb.find('\n', at)) != std::string_view::npos; ++at)
            EXPECT_TRUE(at > 0 && blurb[at - 1] == '\r') << "a line ends without CR at " << at;
    }
}

TEST(Blurbs, AreValidGbkThatSurvivesTheRoundTrip) {
    for (const BlurbShape& shape : blurb_shapes) {
        std::string_view blurb = text_of(description, shape.label);
        std::string utf8 = to_utf8(blurb);
        EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << utf8;  // no U+FFFD
        EXPECT_EQ(from_utf8(utf8), blurb);
    }
}

TEST(Blurbs, KeepTheirParticularShapes) {
    for (const std::string& line : lines_of(text_of(description, 透明标签2)))
        EXPECT_EQ(line.substr(0, 4), "　　") << to_utf8(line);  // full-width indent
    auto game = lines_of(text_of(description, 透明标签20));
    ASSERT_EQ(game.size(), 2u);
    EXPECT_TRUE(game[1].empty());
    std::string broken = lines_of(text_of(description, 透明标签11)).back();
    for (std::string_view end : {"。", "！", "？", "…", "”", "."})
        EXPECT_FALSE(broken.ends_with(end)) << "the last line breaks off mid-sentence";
    EXPECT_NE(text_of(description, 透明标签4).find("虚构"), std::string_view::npos);
}

// Pen names as the cover generator draws them onto the covers.
std::map<std::string, std::string> pen_names_on_covers() {
    std::ifstream in(std::filesystem::path(YZ_SOURCE_DIR) / "tools" / "make_pictures.py");
    std::map<std::string, std::string> names;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("PEN_NAMES"))
            inside = true;
        else if (inside && line.starts_with("}"))
            break;
        else if (inside) {
            auto q = [&](std::size_t from) { return line.find('"', from); };
            std::size_t a = q(0), b = q(a + 1), c = q(b + 1), d = q(c + 1);
            if (d == std::string::npos) continue;
            names[from_utf8(line.substr(a + 1, b - a - 1))] = from_utf8(line.substr(c + 1, d - c - 1));
        }
    }
    return names;
}

struct Recommendation {
    forms::ControlId group;
    const char* title;
};
// clang-format off
const Recommendation recommendations[] = {
    {分组框6, "圣王"},        {分组框8, "傲视九重天"},      {分组框9, "绝世唐门"},
    {分组框7, "三生三世倾流年"}, {分组框10, "遮天"},         {分组框11, "求魔"},
    {分组框12, "校花的贴身保镖"}, {分组框14, "校花的贴身高手"}, {分组框13, "我的贴身校花"},
    {分组框15, "最后一颗子弹留给我"}, {分组框18, "红色警戒之民国"}, {分组框19, "辛亥大英雄"},
    {分组框16, "全职高手"},     {分组框21, "召唤圣剑"},       {分组框20, "终极圣灵"},
    {分组框17, "阴墓阳宅"},     {分组框23, "最终进化"},       {分组框22, "租鬼公司"},
};
// clang-format on

TEST(Recommendations, CaptionsNameTheBookAndThePenNameOnItsCover) {
    auto pen_names = pen_names_on_covers();
    ASSERT_EQ(pen_names.size(), 18u);
    for (const Recommendation& book : recommendations) {
        std::string title = book.title;
        SCOPED_TRACE(to_utf8(title));
        ASSERT_TRUE(pen_names.contains(title));
        const std::string& pen = pen_names[title];
        std::string expected =
            title == "辛亥大英雄" ? "《" + title + "》作者： 作者：" + pen + " " : "《" + title + "》作者：" + pen;
        EXPECT_EQ(text_of(description, book.group), expected);
    }
}

TEST(Notices, UpdateNotesAndIntroductionReadTheSameInBothWindows) {
    std::string_view notes = text_of(description, 透明标签6);
    std::string_view intro = text_of(description, 透明标签8);
    EXPECT_EQ(notes, text_of(welcome_window::description, welcome_window::透明标签6));
    EXPECT_EQ(intro, text_of(welcome_window::description, welcome_window::透明标签8));
    auto note_lines = lines_of(notes);
    ASSERT_EQ(note_lines.size(), 9u);
    for (std::size_t i = 0; i < note_lines.size(); ++i)
        EXPECT_EQ(note_lines[i].substr(0, 2), std::to_string(i + 1) + ".");
    EXPECT_EQ(note_lines[0], "1.增加小说推荐版块");
    EXPECT_EQ(lines_of(intro).size(), 4u);
    EXPECT_TRUE(intro.starts_with("  本软件是一款强大的小说搜索器"));
}

TEST(Notices, AntivirusNoteEndsWithALineBreak) {
    std::string_view note = text_of(description, 透明标签7);
    auto lines = lines_of(note);
    ASSERT_EQ(lines.size(), 5u);  // four lines and the empty one after the final break
    EXPECT_EQ(lines[0], "欢迎使用砚舟小说搜索器，下面是软件简介。");
    EXPECT_FALSE(lines[1].empty());
    EXPECT_EQ(lines[2], "本作者用砚舟的信誉保证，本软件绝对无毒。");
    EXPECT_TRUE(lines[4].empty());
}

TEST(Notices, SpeedGradesKeepTheirBlankLineAndDoubleSpaces) {
    auto lines = lines_of(text_of(description, 透明标签1));
    const char* expected[] = {" 等级  打开速度 ", "",
                              "【A】  一秒以内",  "【B】  一致两秒",
                              "【C】  三秒以上",  "本评价只代表个人看法，不是一定的。"};
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
}

TEST(WelcomeTexts, SlogansKeepTheirFrames) {
    struct Slogan {
        forms::ControlId label;
        std::vector<std::string> lines;
    };
    const Slogan slogans[] = {
        {welcome_window::透明标签2, {"╔砚舟软件╗", "║小说伴侣║", "║阅读必备║", "║永久免费║", "╚最高品质╝"}},
        {welcome_window::透明标签9, {"╔软件优点╗", "║没有广告║", "║没有病毒║", "║没有木马║", "╚简单耐用╝", ""}},
        {welcome_window::透明标签1, {"╔═══════════╗", "║本软件界面不是最好看的║", "╚ 但功能一定是最实用的 ╝"}},
    };
    for (const Slogan& slogan : slogans)
        EXPECT_EQ(lines_of(text_of(welcome_window::description, slogan.label)), slogan.lines);
    // The frame's top line is as wide as the lines it closes over.
    auto frame = lines_of(text_of(welcome_window::description, welcome_window::透明标签1));
    EXPECT_EQ(frame[0].size(), frame[1].size());
    EXPECT_EQ(frame[1].size(), frame[2].size());
}

TEST(WelcomeTexts, GroupLabelsShowTheConfiguredNumbers) {
    EXPECT_EQ(text_of(welcome_window::description, welcome_window::透明标签4),
              "软件官方群：" + std::string(hosts::software_group_number) + "\r\n");
    EXPECT_EQ(text_of(welcome_window::description, welcome_window::透明标签10),
              "小说官方群：" + std::string(hosts::novel_group_number));
    EXPECT_NE(hosts::software_group_number, hosts::novel_group_number);
    for (std::string_view number : {hosts::software_group_number, hosts::novel_group_number})
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string_view::npos);
    EXPECT_EQ(text_of(welcome_window::description, welcome_window::透明标签11), "点击群号直接加入");
}

}  // namespace
