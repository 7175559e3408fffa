// The main window under the Win32 view at the display's scale, which the
// driver (scales.sh) sets before each run: the client area is the layout's
// times the scale, controls lie at their scaled rectangles, and every tab
// title, list item and transparent label fits its box in the font in force.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forms/presentation.h"
#include "forms/win32/dpi.h"
#include "host/host.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "tests/layouts/layout_lookup.h"
#include "tests/support/recording_platform.h"
#include "tests/support/win32_access.h"

using namespace forms;

namespace {

const WindowDesc& layout = main_window::description;

int expected_dpi() {
    const char* asked = std::getenv("YZ_DPI");
    return asked != nullptr ? std::atoi(asked) : unscaled_dpi;
}

class ScaledMainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        outside = new RecordingPlatform;
        InitHost();
        static const auto wiring = layout_lookup::controls_only(main_window::wiring(), layout);
        const DescribedWindow windows[] = {{&layout, wiring}};
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

SIZE extent(HWND w, const std::wstring& text, HFONT font = nullptr) {
    HDC dc = GetDC(w);
    const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : HFONT(SendMessageW(w, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(w, dc);
    return size;
}

TEST_F(ScaledMainWindow, ClientAreaAndControlsAreTheLayoutsAtTheScale) {
    const int dpi = expected_dpi();
    HWND window = handle(layout.self);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(win32::dpi_of(window), dpi) << "the display is not at the scale the driver set";
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
                const SIZE run = extent(h, item);
                EXPECT_LE(run.cx, info.rcItem.right - info.rcItem.left) << i;
                EXPECT_LE(run.cy, info.rcItem.bottom - info.rcItem.top) << i;
            }
        } else if (d.kind == Kind::TransLabel) {
            // The label's window is as large as its ink, effect copies and
            // overhanging glyphs (3 pixels each side) included.
            RECT ink = placed(h);
            InflateRect(&ink, -3, -3);
            const Geometry box = presentation_of(*find_loaded(main_window::id)->find(d.id), win32::dpi_of(h)).rect;
            EXPECT_GE(ink.left, box.left - 1);
            EXPECT_LE(ink.right, box.left + box.width + 1);
            EXPECT_LE(ink.bottom, box.top + box.height + 1);
        }
    }
}

}  // namespace
