// The two windows loaded headless with their real widgets, pressed as a
// reader would press them: every logo, cover and link opens its address,
// nothing else opens anything, and pages show their controls only when
// chosen. The windows' own Created handlers (skins, placement) are left out;
// they belong to the start-up flow, not to the layouts.
#include <QApplication>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

#include "forms/accessibility.h"
#include "forms/model.h"
#include "forms/qt/looks.h"
#include "forms/qt/trans_label.h"
#include "host/host.h"
#include "main_window/wiring.h"
#include "platform/text.h"
#include "tests/main_window/layout_lookup.h"
#include "tests/search/expected_addresses.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"
#include "welcome_window/wiring.h"

namespace {

using layout_lookup::find;

class LoadedWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        outside = new RecordingPlatform;
        InitHost();
        static const auto main_wiring = layout_lookup::controls_only(main_window::wiring(), main_layout);
        static const auto welcome_wiring = layout_lookup::controls_only(welcome_window::wiring(), welcome_layout);
        const forms::DescribedWindow windows[] = {{&main_layout, main_wiring}, {&welcome_layout, welcome_wiring}};
        forms::DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(main_window::id, std::nullopt, false));
        ASSERT_TRUE(LoadWindow(welcome_window::id, std::nullopt, false));
        QCoreApplication::processEvents();
    }
    static void TearDownTestSuite() {
        delete outside;
        outside = nullptr;
    }
    void SetUp() override { outside->opened.clear(); }

    static const forms::WindowDesc& layout(forms::WindowId window) {
        return window == main_window::id ? main_layout : welcome_layout;
    }

    static void choose_page(forms::WindowId window, forms::ControlId tab, int page) {
        auto* tabs = qobject_cast<QTabWidget*>(WidgetOf(window, tab));
        ASSERT_NE(tabs, nullptr) << tab;
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QCoreApplication::processEvents();
        ASSERT_EQ(tabs->currentIndex(), page);
    }

    // Chooses, outermost first, every page the control sits on.
    static void reveal(forms::WindowId window, forms::ControlId control) {
        std::vector<std::pair<forms::ControlId, int>> pages;
        for (const forms::ControlDesc* c = find(layout(window), control); c && c->parent != 0;
             c = find(layout(window), c->parent))
            if (c->page >= 0) pages.emplace_back(c->parent, c->page);
        for (auto page = pages.rbegin(); page != pages.rend(); ++page) choose_page(window, page->first, page->second);
    }

    static QWidget* shown(forms::WindowId window, forms::ControlId control) {
        reveal(window, control);
        QWidget* widget = WidgetOf(window, control);
        EXPECT_NE(widget, nullptr) << control;
        EXPECT_TRUE(widget && widget->isVisible()) << control;
        return widget;
    }

    // What a screen reader is told the control is.
    static forms::Role role(forms::WindowId window, forms::ControlId control) {
        const forms::LoadedWindow* loaded = forms::find_loaded(window);
        const forms::ControlState* c = loaded != nullptr ? loaded->find(control) : nullptr;
        return c != nullptr ? forms::accessible_of(*loaded, *c).role : forms::Role::Pane;
    }

    static void press(QWidget* widget, QPoint at) {
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    static inline RecordingPlatform* outside = nullptr;
    static constexpr const forms::WindowDesc& main_layout = main_window::description;
    static constexpr const forms::WindowDesc& welcome_layout = welcome_window::description;
};

TEST_F(LoadedWindows, EveryLinkOpensExactlyItsAddress) {
    for (const ExpectedLink& link : expected_links) {
        SCOPED_TRACE(to_utf8(find(layout(link.window), link.control)->name) + " -> " + link.address);
        outside->opened.clear();
        QWidget* widget = shown(link.window, link.control);
        ASSERT_NE(widget, nullptr);
        if (link.event == click) {
            QTest::mouseClick(widget, Qt::LeftButton);
            QCoreApplication::processEvents();
        } else {
            press(widget, widget->rect().center());
        }
        ASSERT_EQ(outside->opened.size(), 1u);
        EXPECT_EQ(outside->opened[0], link.address);
        EXPECT_EQ(role(link.window, link.control), link.event == click ? forms::Role::PushButton : forms::Role::Link);
    }
}

TEST_F(LoadedWindows, ARightButtonPressOnALogoOpensNothing) {
    QWidget* logo = shown(main_window::id, main_window::图片框8);
    ASSERT_NE(logo, nullptr);
    QTest::mouseClick(logo, Qt::RightButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(outside->opened.empty());
}

TEST_F(LoadedWindows, BlurbsFramesAndSlogansOpenNothing) {
    struct Quiet {
        forms::WindowId window;
        forms::ControlId control;
    };
    std::vector<Quiet> quiet = {{welcome_window::id, welcome_window::透明标签1},
                                {welcome_window::id, welcome_window::透明标签11},
                                {welcome_window::id, welcome_window::分组框6},
                                {welcome_window::id, welcome_window::图片框2}};
    for (const forms::ControlDesc& c : main_layout.controls)
        if (c.parent != 0 && find(main_layout, c.parent)->id == main_window::选择夹4) {
            quiet.push_back({main_window::id, c.id});  // the recommendation's frame
            for (const forms::ControlDesc& member : main_layout.controls)
                if (member.parent == c.id && member.kind == forms::Kind::TransLabel)
                    quiet.push_back({main_window::id, member.id});  // its blurb
        }
    ASSERT_EQ(quiet.size(), 4u + 36u);
    for (const Quiet& q : quiet) {
        const forms::ControlDesc* c = find(layout(q.window), q.control);
        SCOPED_TRACE(to_utf8(c->name));
        QWidget* widget = shown(q.window, q.control);
        ASSERT_NE(widget, nullptr);
        // A frame is pressed on its left edge, beside what it holds.
        QPoint at = c->kind == forms::Kind::GroupBox ? QPoint(3, widget->height() / 2) : widget->rect().center();
        press(widget, at);
        EXPECT_TRUE(outside->opened.empty());
        EXPECT_NE(role(q.window, q.control), forms::Role::Link);
        outside->opened.clear();
    }
}

// Every transparent label shown with its own text and font: its lines lie one
// character height apart, as Windows draws them, and the text ends within
// its label and one more line (the room for a closing line break). The blurb
// of 辛亥大英雄 needs nine 12-pixel lines of its 96-pixel label in any face:
// the layout's own overflow.
TEST_F(LoadedWindows, TransparentTextFitsItsLabelAtWindowsLinePitch) {
    const forms::ControlId overflowing = main_window::透明标签19;
    for (const forms::WindowDesc* window : {&main_layout, &welcome_layout})
        for (const forms::ControlDesc& c : window->controls) {
            if (c.kind != forms::Kind::TransLabel) continue;
            SCOPED_TRACE(to_utf8(window->name) + " " + to_utf8(c.name));
            auto* label = static_cast<forms::qt::TransLabel*>(shown(window->id, c.id));
            ASSERT_NE(label, nullptr);
            ASSERT_TRUE(label->ink()->laid_out());
            const int character_height = c.font.height > 0 ? c.font.height : 12;  // the default GUI font: 宋体 12 px
            const int pitch = forms::qt::line_pitch(forms::qt::font_of(c.font));
            EXPECT_EQ(pitch, character_height);
            std::vector<int> tops = label->ink()->line_tops();
            if (tops.empty()) tops = {0};  // a single line
            std::vector<int> pitched(tops.size());
            for (std::size_t i = 0; i < tops.size(); ++i) pitched[i] = int(i) * character_height;
            EXPECT_EQ(tops, pitched);
            const int text_bottom = tops.back() + pitch;
            if (window == &main_layout && c.id == overflowing)
                EXPECT_EQ(tops.size(), 9u) << "a line more than its label holds, as on Windows";
            else
                EXPECT_LE(text_bottom, c.geometry.height + pitch);
        }
}

TEST_F(LoadedWindows, ControlsOfOtherPagesStayHiddenUntilTheirPageIsChosen) {
    using namespace main_window;
    struct Step {
        forms::ControlId tab;
        int page;
        forms::ControlId control;
        bool visible;
    };
    const Step steps[] = {
        {选择夹1, 0, 选择夹3, true},   {选择夹3, 0, 图片框8, true},    {选择夹3, 0, 图片框33, false},
        {选择夹3, 1, 图片框33, true},  {选择夹3, 1, 图片框8, false},   {选择夹3, 1, 图片框36, true},
        {选择夹1, 1, 图片框33, false}, {选择夹4, 0, 分组框6, true},    {选择夹4, 0, 图片框16, true},
        {选择夹4, 3, 图片框16, false}, {选择夹4, 3, 图片框24, true},   {选择夹4, 3, 透明标签15, true},
        {选择夹1, 2, 图片框24, false}, {选择夹1, 2, 编辑框2, true},    {选择夹1, 2, 组合框2, true},
        {选择夹1, 3, 编辑框2, false},  {选择夹2, 0, 透明标签6, true},  {选择夹2, 3, 透明标签6, false},
        {选择夹2, 3, 透明标签1, true}, {选择夹1, 4, 透明标签1, false}, {选择夹1, 4, 按钮7, true},
        {选择夹1, 0, 按钮7, false},    {选择夹1, 0, 图片框33, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(to_utf8(find(main_layout, step.control)->name));
        choose_page(id, step.tab, step.page);
        EXPECT_EQ(WidgetOf(id, step.control)->isVisible(), step.visible);
        EXPECT_EQ(forms::ReadBoolean(id, step.control, forms::prop::Visible), step.visible);
    }
}

// Its ticks touch only its own controls, so while the welcome window is
// hidden they wait; all of them run, in order, before anything looks again.
TEST_F(LoadedWindows, AHiddenWelcomeWindowOwesItsTicksAndPaysThemBeforeItIsSeen) {
    using namespace welcome_window;
    namespace prop = forms::prop;
    forms::WriteProperty(id, 按钮1, prop::Visible, false);
    forms::WriteProperty(id, 进度条1, prop::Visible, true);
    forms::WriteProperty(id, 进度条1, prop::BarPosition, 95);
    forms::WriteProperty(id, 窗口, prop::Visible, false);
    const auto hidden = std::chrono::steady_clock::now();
    QTest::qWait(400);
    auto* bar = qobject_cast<QProgressBar*>(BuiltWidgetOf(id, 进度条1));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 95) << "no tick ran while the window was hidden";
    const int owed = int((std::chrono::steady_clock::now() - hidden) / std::chrono::milliseconds(50));
    forms::WriteProperty(id, 窗口, prop::Visible, true);
    EXPECT_NEAR(forms::ReadInteger(id, 进度条1, prop::BarPosition), 95 + owed, 1);
    EXPECT_TRUE(forms::ReadBoolean(id, 按钮1, prop::Visible)) << "the hundredth tick showed the button";
    EXPECT_FALSE(forms::ReadBoolean(id, 进度条1, prop::Visible));
}

}  // namespace
