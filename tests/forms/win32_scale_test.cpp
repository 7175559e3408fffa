// The main window under the Win32 view at the display's scale, which the
// driver (scales.sh) sets before each run, or at the scale at which it fits
// the display (YZ_SHOWN_DPI): the client area is the layout's times the
// scale, controls lie at their scaled rectangles, and every tab title, list
// item and transparent label fits its box in the font in force. The welcome
// window opens centred in its scaled size.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "forms/presentation.h"
#include "forms/win32/dpi.h"
#include "forms/win32/fonts.h"
#include "forms/win32/line_breaks.h"
#include "forms/win32/wide_text.h"
#include "host/host.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "tests/main_window/layout_lookup.h"
#include "tests/support/recording_platform.h"
#include "tests/support/win32_access.h"
#include "welcome_window/controls.h"
#include "welcome_window/wiring.h"

using namespace forms;

namespace {

const WindowDesc& layout = main_window::description;

int expected_dpi() {
    const char* asked = std::getenv("YZ_DPI");
    return asked != nullptr ? std::atoi(asked) : unscaled_dpi;
}

int shown_dpi() {
    const char* asked = std::getenv("YZ_SHOWN_DPI");
    return asked != nullptr ? std::atoi(asked) : expected_dpi();
}

// The display as the system tells it; the rest of the outside world recorded.
struct RealScreen : RecordingPlatform {
    int screen_width() override { return PlatformStandIn::screen_width(); }
    int screen_height() override { return PlatformStandIn::screen_height(); }
    ScreenArea work_area() override { return PlatformStandIn::work_area(); }
    int screen_dpi() override { return PlatformStandIn::screen_dpi(); }
    int screen_unit_dpi() override { return PlatformStandIn::screen_unit_dpi(); }
    std::optional<ScreenSize> caption_frame(int dpi) override { return PlatformStandIn::caption_frame(dpi); }
};

class ScaledMainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        outside = new RealScreen;
        InitHost();
        static const auto wiring = layout_lookup::controls_only(main_window::wiring(), layout);
        static const auto welcome_wiring =
            layout_lookup::controls_only(welcome_window::wiring(), welcome_window::description);
        const DescribedWindow windows[] = {{&layout, wiring}, {&welcome_window::description, welcome_wiring}};
        DescribeWindows(windows);
        ASSERT_TRUE(LoadWindow(main_window::id, std::nullopt, false));
        // The clock's text as it ticks.
        WriteProperty(main_window::id, main_window::透明标签5, prop::TransCaption, ToText(CurrentDateTime()));
    }
    static void TearDownTestSuite() { delete outside; }

    static HWND handle(ControlId id) { return HandleOf(main_window::id, id); }
    static inline RecordingPlatform* outside = nullptr;
};

// A window's rectangle in its parent's client area.
RECT placed(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The text's extent on one line in the control's font; `inked` leaves out
// the blank after the last character's ink (a closing 】 is inked on its left
// half only).
SIZE extent(HWND w, const std::wstring& text, bool inked = false) {
    HDC dc = GetDC(w);
    const HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(w, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    ABC last{};
    if (inked && !text.empty() && GetCharABCWidthsW(dc, text.back(), text.back(), &last) && last.abcC > 0)
        size.cx -= LONG(last.abcC);
    SelectObject(dc, old);
    ReleaseDC(w, dc);
    return size;
}

// How many lines a wrapped label's text takes in `font` at `width`, as the
// view breaks them.
std::size_t lines_of(const std::wstring& text, HFONT font, int width) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    std::vector<int> extents(text.size()), edges(text.size() + 1, 0);
    SIZE whole{};
    GetTextExtentExPointW(dc, text.c_str(), int(text.size()), 0, nullptr, extents.data(), &whole);
    for (std::size_t i = 0; i < text.size(); ++i) edges[i + 1] = extents[i];
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return win32::break_lines(text, edges, width).size();
}

TEST_F(ScaledMainWindow, ClientAreaAndControlsAreTheLayoutsAtTheScale) {
    HWND window = handle(layout.self);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(win32::dpi_of(window), expected_dpi())
        << "the display is not at the scale the driver set (system: " << win32::system_dpi() << ")";
    const int dpi = shown_dpi();
    // All of it, frame included, on the area left to windows.
    RECT outer, work;
    GetWindowRect(window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(outer.left, work.left);
    EXPECT_GE(outer.top, work.top);
    EXPECT_LE(outer.right, work.right);
    EXPECT_LE(outer.bottom, work.bottom);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_NEAR(client.right, 311 * dpi / 96.0, 1.0);
    EXPECT_NEAR(client.bottom, 496 * dpi / 96.0, 1.0);
    using namespace main_window;
    for (ControlId id : {选择夹1, 组合框1, 编辑框1, 按钮1, 选择夹3, 图片框5, 图片框9, 选择夹4}) {
        const ControlDesc* d = layout_lookup::find(layout, id);
        ASSERT_NE(d, nullptr);
        const RECT r = placed(handle(id));
        SCOPED_TRACE(std::string(d->name));
        const Geometry& g = d->geometry;
        EXPECT_NEAR(r.left, g.left * dpi / 96.0, 1.0);
        EXPECT_NEAR(r.top, g.top * dpi / 96.0, 1.0);
        EXPECT_NEAR(r.right, (g.left + g.width) * dpi / 96.0, 1.0);
        EXPECT_NEAR(r.bottom, (g.top + g.height) * dpi / 96.0, 1.0);
    }
}

TEST_F(ScaledMainWindow, EveryTitleItemAndLabelFitsItsBox) {
    for (const ControlDesc& d : layout.controls) {
        HWND h = handle(d.id);
        if (h == nullptr) continue;
        SCOPED_TRACE(std::string(d.name));
        if (d.kind == Kind::Tab) {
            // The strip holds every title: no scroller, the last tab inside.
            EXPECT_EQ(FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr), nullptr);
            RECT strip;
            GetClientRect(h, &strip);
            const int count = int(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                RECT item;
                SendMessageW(h, TCM_GETITEMRECT, WPARAM(i), LPARAM(&item));
                wchar_t title[64] = {};
                TCITEMW tab{};
                tab.mask = TCIF_TEXT;
                tab.pszText = title;
                tab.cchTextMax = 64;
                SendMessageW(h, TCM_GETITEMW, WPARAM(i), LPARAM(&tab));
                const SIZE run = extent(h, title);
                const bool upright = d.tab_side == TabSide::Right;
                EXPECT_LE(upright ? item.bottom : item.right, upright ? strip.bottom : strip.right) << i;
                EXPECT_LE(run.cx, upright ? item.bottom - item.top : item.right - item.left) << i;
                EXPECT_LE(run.cy, upright ? item.right - item.left : item.bottom - item.top) << i;
            }
        } else if (d.kind == Kind::ComboBox) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(h, &info));
            const int count = int(SendMessageW(h, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t item[64] = {};
                SendMessageW(h, CB_GETLBTEXT, WPARAM(i), LPARAM(item));
                const SIZE run = extent(h, item, true);
                EXPECT_LE(run.cx, info.rcItem.right - info.rcItem.left) << i;
                EXPECT_LE(run.cy, info.rcItem.bottom - info.rcItem.top) << i;
            }
        } else if (d.kind == Kind::TransLabel) {
            // A line fits the label's width, and wrapped text takes no more
            // lines than at 100 %, so it ends where it ends there.
            const ControlState& c = *find_loaded(main_window::id)->find(d.id);
            const Presentation p = presentation_of(c, shown_dpi());
            const std::wstring text = win32::wide(c.text);
            if (!d.word_wrap) {
                HDC dc = GetDC(nullptr);
                const HGDIOBJ old = SelectObject(dc, win32::font_of(p.font, shown_dpi()));
                SIZE run{};
                GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &run);
                SelectObject(dc, old);
                ReleaseDC(nullptr, dc);
                EXPECT_LE(run.cx, p.rect.width);
                EXPECT_LE(run.cy, p.rect.height);
            } else {
                EXPECT_LE(lines_of(text, win32::font_of(p.font, shown_dpi()), p.rect.width),
                          lines_of(text, win32::font_of(d.font, unscaled_dpi), d.geometry.width));
            }
        }
    }
}

}  // namespace

namespace {

// Wine has one monitor and sends no WM_DPICHANGED: the message is sent as
// Windows sends it when the window moves to a monitor of another scale (150 %,
// or 100 % from a scaled display), and back.
TEST_F(ScaledMainWindow, AMoveToAnotherScaleRescalesTheWindow) {
    using namespace main_window;
    HWND window = handle(layout.self);
    const int dpi = shown_dpi();
    const auto font_height = [](HWND h) {
        LOGFONTW font{};
        GetObjectW(HFONT(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::abs(font.lfHeight);
    };
    const LONG before = font_height(handle(按钮1));
    const int other = dpi == unscaled_dpi ? 144 : unscaled_dpi;
    for (const int now : {other, dpi}) {
        SCOPED_TRACE(now);
        RECT suggested{100, 50, 100 + 317 * now / 96, 50 + 521 * now / 96};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(now, now), LPARAM(&suggested));
        // The frame the system draws at the new scale around the layout's client area
        // (here the frame stays at the system's scale, so only the outer size is seen).
        RECT outer;
        GetWindowRect(window, &outer);
        const RECT expected =
            win32::outer_around({0, 0, scaled(311, now), scaled(496, now)}, DWORD(GetWindowLongW(window, GWL_STYLE)),
                                DWORD(GetWindowLongW(window, GWL_EXSTYLE)), now);
        EXPECT_EQ(std::pair(outer.left, outer.top), std::pair(100L, 50L)) << "where the system suggests";
        EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
        EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
        const RECT tabs = placed(handle(选择夹1));
        EXPECT_NEAR(tabs.top, 80 * now / 96.0, 1.0);
        EXPECT_NEAR(tabs.right, 310 * now / 96.0, 1.0);
        if (now == dpi)
            EXPECT_EQ(font_height(handle(按钮1)), before);
        else
            EXPECT_NE(font_height(handle(按钮1)), before);
    }
}

}  // namespace

namespace {

// Centred on the screen in the size it has at the scale (580 x 475 at 100 %).
TEST_F(ScaledMainWindow, TheWelcomeWindowIsCentredInItsScaledSize) {
    const struct {
        int screen_width, dpi;
        RECT expected;
    } rows[] = {
        {1920, 96, {670, 302, 670 + 580, 302 + 475}},  {1920, 120, {597, 243, 597 + 725, 243 + 594}},
        {1920, 144, {525, 184, 525 + 870, 184 + 712}}, {1920, 192, {380, 65, 380 + 1160, 65 + 950}},
        {1366, 144, {248, 28, 248 + 870, 28 + 712}},
    };
    ASSERT_TRUE(LoadWindow(welcome_window::id, std::nullopt, false));
    RECT outer;
    GetWindowRect(HandleOf(welcome_window::id, welcome_window::description.self), &outer);
    bool seen = false;
    for (const auto& row : rows) {
        if (row.screen_width != GetSystemMetrics(SM_CXSCREEN) || row.dpi != expected_dpi()) continue;
        seen = true;
        EXPECT_EQ(std::tuple(outer.left, outer.top, outer.right, outer.bottom),
                  std::tuple(row.expected.left, row.expected.top, row.expected.right, row.expected.bottom));
    }
    EXPECT_TRUE(seen) << "no row for a screen " << GetSystemMetrics(SM_CXSCREEN) << " wide at " << expected_dpi();
}

}  // namespace
