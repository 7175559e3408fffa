// The Win32 view under the form model: the test windows loaded as real
// Win32 controls, written through the model and read back from the controls,
// driven with the messages and keys a reader's actions make, and looked at
// pixel by pixel.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "forms/dispatch.h"
#include "forms/host_hooks.h"
#include "forms/model.h"
#include "forms/timers.h"
#include "forms/view.h"
#include "forms/win32/dpi.h"
#include "forms/win32/picture_box.h"
#include "forms/win32/trans_label.h"
#include "forms/win32/wide_text.h"
#include "host/host.h"
#include "test_windows.h"
#include "tests/support/win32_access.h"

using namespace forms;
using namespace trial;

// The host as the form model needs it here: a fixed 1920 x 1080 screen at
// the system's scale.
namespace forms::host {
bool program_ending() { return false; }
std::int32_t screen_width() { return 1920; }
std::int32_t screen_height() { return 1080; }
ScreenFacts screen_facts() { return {{1920, 1080}, {0, 0, 1920, 1080}, win32::system_dpi(), unscaled_dpi, {}}; }
void fatal_error(const Text& message) {
    ADD_FAILURE() << "fatal error (GBK): " << message;
    std::exit(255);
}
}  // namespace forms::host

namespace {

// Runs the program's own message loop for `ms`, or until `done`.
void pump(
    int ms, const std::function<bool()>& done = [] { return false; }) {
    const DWORD end = GetTickCount() + DWORD(ms);
    const UINT_PTR wake = SetTimer(nullptr, 0, 5, nullptr);
    run_loop_until([&] { return done() || GetTickCount() >= end; });
    KillTimer(nullptr, wake);
}

// Until the input and the messages it posts are all handled, however busy
// the machine is.
void settle() {
    pump(2000, [] { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; });
    pump(20);
}

std::wstring text_of(HWND w) {
    wchar_t buffer[256] = {};
    GetWindowTextW(w, buffer, 256);
    return buffer;
}

std::wstring class_of(HWND w) {
    wchar_t buffer[64] = {};
    GetClassNameW(w, buffer, 64);
    return buffer;
}

// The control's window rectangle in its parent's client area.
RECT placed(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LRESULT send(HWND w, UINT message, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageW(w, message, wp, lp); }

// The tip the window's tooltip control shows over `tool`.
std::wstring tip_of(HWND tool) {
    struct Search {
        HWND owner, found;
    } search{GetAncestor(tool, GA_ROOT), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t kind[32] = {};
            GetClassNameW(w, kind, 32);
            if (GetWindow(w, GW_OWNER) == s->owner && lstrcmpiW(kind, TOOLTIPS_CLASSW) == 0) s->found = w;
            return TRUE;
        },
        LPARAM(&search));
    if (search.found == nullptr) return L"(no tooltip control)";
    wchar_t text[80] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = search.owner;
    info.uId = UINT_PTR(tool);
    info.lpszText = text;
    SendMessageW(search.found, TTM_GETTEXTW, 80, LPARAM(&info));
    return text;
}

void press_keys(std::initializer_list<WORD> virtual_keys) {
    for (WORD key : virtual_keys) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
    settle();
}

// Keys held down together, as the keyboard sends them.
void chord(const std::vector<WORD>& virtual_keys) {
    std::vector<INPUT> input(virtual_keys.size() * 2);
    for (std::size_t i = 0; i < virtual_keys.size(); ++i) {
        input[i].type = input[input.size() - 1 - i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = input[input.size() - 1 - i].ki.wVk = virtual_keys[i];
        input[input.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
    settle();
}

// A click of the mouse itself at a point of `w`'s client area: the system
// finds the window under the pointer.
void click(HWND w, POINT at) {
    ClientToScreen(w, &at);
    SetCursorPos(at.x, at.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    settle();
}

void post_press(HWND w, POINT at, WPARAM flags = 0) {
    PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON | flags, MAKELPARAM(at.x, at.y));
    PostMessageW(w, WM_LBUTTONUP, flags, MAKELPARAM(at.x, at.y));
    settle();
}

// What the top-level window shows now, as 0xRRGGBB pixels of its client area.
struct Shot {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    // Pixels near the colour: glyph edges are smoothed into the background.
    int count(RECT area, std::uint32_t color) const {
        const auto close_to = [color](std::uint32_t c) {
            int distance = 0;
            for (int shift : {0, 8, 16}) distance += std::abs(int((c >> shift) & 0xFF) - int((color >> shift) & 0xFF));
            return distance < 192;
        };
        int n = 0;
        for (int y = std::max(0L, area.top); y < std::min(LONG(height), area.bottom); ++y)
            for (int x = std::max(0L, area.left); x < std::min(LONG(width), area.right); ++x) n += close_to(at(x, y));
        return n;
    }
    // Pixels darker than the window's face or any blend of it with the text
    // colours of the test windows: a black shadow's.
    int dark(RECT area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const std::uint32_t c = at(x, y);
                n += (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 300;
            }
        return n;
    }
    int differences(const Shot& other, RECT area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += at(x, y) != other.at(x, y);
        return n;
    }
    std::vector<std::uint32_t> crop(RECT area) const {
        std::vector<std::uint32_t> out;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) out.push_back(at(x, y));
        return out;
    }
};

Shot shoot(HWND top) {
    pump(50);
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(top, &client);
    Shot shot{int(client.right), int(client.bottom), {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(top);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    shot.pixels.assign(p, p + std::size_t(shot.width) * shot.height);
    for (auto& px : shot.pixels) px &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(top, screen);
    return shot;
}

std::string key_down(ControlId control, int key, int bits = 0) {
    return "KeyDown " + std::to_string(control) + " " + std::to_string(key) + " " + std::to_string(bits);
}

class Win32View : public ::testing::Test {
protected:
    void SetUp() override {
        DescribeWindows(windows());
        record().reset();
    }
    void TearDown() override {
        for (WindowId id : loaded_ids()) destroy_window(id);
    }
    HWND load(WindowId id = window) {
        EXPECT_TRUE(LoadWindow(id, std::nullopt, false));
        pump(30);
        return HandleOf(id, 窗口);
    }
    static HWND handle(ControlId control, WindowId id = window) { return HandleOf(id, control); }
    static void write(ControlId control, int number, const Value& value) {
        WriteProperty(window, control, number, value);
    }
    static const std::vector<std::string>& calls() { return record().calls; }
};

}  // namespace

TEST_F(Win32View, EveryControlIsTheWin32ControlOfItsKindOnItsParent) {
    HWND top = load();
    ASSERT_NE(top, nullptr);
    RECT outer;
    GetWindowRect(top, &outer);
    EXPECT_EQ(outer.left, (1920 - 317) / 2);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(LONG(317 - 6), LONG(400 - 22 - 3)))
        << "the layout's outer size less the classic frame";
    EXPECT_EQ(text_of(top), L"砚舟小说搜索器V1.4正式版 ");
    EXPECT_TRUE(GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(top));

    struct Row {
        ControlId control;
        const wchar_t* kind;
        const wchar_t* text;
        RECT rect;
        ControlId parent;
    };
    const Row rows[] = {
        {编辑框1, L"Edit", L"", {10, 10, 130, 30}, 窗口},
        {按钮1, L"Button", L"搜索", {140, 10, 220, 34}, 窗口},
        {组合框1, L"ComboBox", L"宜搜", {10, 40, 130, 60}, 窗口},
        {标签1, L"Static", L"输入皮肤编号1~58", {10, 70, 130, 86}, 窗口},
        {图片框1, L"YanzhouPictureBox", L"", {140, 70, 220, 110}, 窗口},
        {进度条1, L"msctls_progress32", L"", {10, 120, 220, 136}, 窗口},
        {分组框1, L"Button", L"★分组☆", {10, 140, 220, 190}, 窗口},
        {按钮2, L"Button", L"确定（Enter）", {10, 18, 100, 42}, 分组框1},
        {选择夹1, L"SysTabControl32", L"", {0, 200, 240, 350}, 窗口},
        {编辑框2, L"Edit", L"", {10, 30, 50, 50}, 选择夹1},
        {编辑框3, L"Edit", L"", {10, 20, 110, 40}, 分组框2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        HWND h = handle(row.control);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(class_of(h), row.kind);
        if (row.control == 组合框1) {
            wchar_t item[16] = {};
            send(h, CB_GETLBTEXT, send(h, CB_GETCURSEL), LPARAM(item));
            EXPECT_STREQ(item, row.text);
        } else {
            EXPECT_EQ(text_of(h), row.text);
        }
        const RECT r = placed(h);
        EXPECT_TRUE(EqualRect(&r, &row.rect)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
        EXPECT_EQ(GetParent(h), handle(row.parent));
    }
    EXPECT_EQ(class_of(handle(透明标签1)), L"YanzhouTransLabel");
    EXPECT_EQ(handle(时钟1), nullptr) << "timers have no window";
    // Controls of the page not shown, and inside a group box there, are hidden.
    EXPECT_TRUE(IsWindowVisible(handle(编辑框2)));
    EXPECT_FALSE(IsWindowVisible(handle(按钮3)));
    EXPECT_FALSE(IsWindowVisible(handle(编辑框3)));
    EXPECT_FALSE(IsWindowVisible(handle(编辑框4))) << "described hidden";
}

TEST_F(Win32View, ListsPagesFontsAndBarsShowTheDescription) {
    load();
    HWND engines = handle(组合框1);
    ASSERT_EQ(send(engines, CB_GETCOUNT), 3);
    wchar_t item[16] = {};
    send(engines, CB_GETLBTEXT, 1, LPARAM(item));
    EXPECT_STREQ(item, L"晋江");
    EXPECT_EQ(send(handle(组合框2), CB_GETCURSEL), CB_ERR) << "nothing selected";
    HWND tabs = handle(选择夹1);
    ASSERT_EQ(send(tabs, TCM_GETITEMCOUNT), 2);
    wchar_t title[16] = {};
    TCITEMW page{};
    page.mask = TCIF_TEXT;
    page.pszText = title;
    page.cchTextMax = 16;
    send(tabs, TCM_GETITEMW, 1, LPARAM(&page));
    EXPECT_STREQ(title, L"第二页");
    EXPECT_EQ(send(tabs, TCM_GETCURSEL), 0);
    EXPECT_EQ(send(handle(进度条1), PBM_GETPOS), 30);
    EXPECT_EQ(HFONT(send(handle(编辑框1), WM_GETFONT)), GetStockObject(DEFAULT_GUI_FONT)) << "no font: the system's";

    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    HWND genres = handle(竖排选择夹, bare);
    const LONG style = GetWindowLongW(genres, GWL_STYLE);
    EXPECT_EQ(style & (TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE), TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE);
    LOGFONTW font{};
    GetObjectW(HFONT(send(genres, WM_GETFONT)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"@宋体");
    EXPECT_EQ(font.lfHeight, -12) << "the character height, in pixels";
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    RECT frameless;
    GetWindowRect(HandleOf(bare, 窗口), &frameless);
    EXPECT_EQ(frameless.right - frameless.left, 580);
    RECT client;
    GetClientRect(HandleOf(bare, 窗口), &client);
    EXPECT_EQ(client.right, 580) << "no frame";
}

TEST_F(Win32View, WritesShowOnTheControls) {
    HWND top = load();
    struct Row {
        ControlId control;
        int number;
        Value value;
        std::function<bool()> shown;
    };
    const Row rows[] = {
        {编辑框1, prop::EditContent, Text("斗破苍穹"), [] { return text_of(handle(编辑框1)) == L"斗破苍穹"; }},
        {按钮1, prop::ButtonCaption, Text("宜搜小说网"), [] { return text_of(handle(按钮1)) == L"宜搜小说网"; }},
        {标签1, prop::LabelCaption, Text("一\r\n二"), [] { return text_of(handle(标签1)) == L"一\r\n二"; }},
        {窗口, prop::WindowCaption, Text("新标题"), [top] { return text_of(top) == L"新标题"; }},
        {组合框2, prop::ComboSelection, 1, [] { return send(handle(组合框2), CB_GETCURSEL) == 1; }},
        {组合框2, prop::ComboSelection, 2, [] { return send(handle(组合框2), CB_GETCURSEL) == CB_ERR; }},
        {进度条1, prop::BarPosition, 150, [] { return send(handle(进度条1), PBM_GETPOS) == 100; }},
        {按钮1, prop::Disabled, true, [] { return !IsWindowEnabled(handle(按钮1)); }},
        {按钮1, prop::Visible, false, [] { return !IsWindowVisible(handle(按钮1)); }},
        {按钮1, prop::Left, 7, [] { return placed(handle(按钮1)).left == 7; }},
        {按钮1, prop::Height, 22, [] { return placed(handle(按钮1)).bottom == 10 + 22; }},
        {组合框1, prop::Top, 44,
         [] { return placed(handle(组合框1)).top == 44 && placed(handle(组合框1)).bottom == 64; }},
        {窗口, prop::Left, 490,
         [top] {
             RECT r;
             GetWindowRect(top, &r);
             return r.left == 490;
         }},
        {按钮2, prop::ToolTip, Text("记录书名"), [] { return tip_of(handle(按钮2)) == L"记录书名"; }},
        {按钮2, prop::ToolTip, Text(""), [] { return tip_of(handle(按钮2)).empty(); }},
        {窗口, prop::Disabled, true, [top] { return !IsWindowEnabled(top); }},
    };
    for (const Row& row : rows) {
        write(row.control, row.number, row.value);
        EXPECT_TRUE(row.shown()) << row.control << " property " << row.number;
    }
    EXPECT_EQ(ReadInteger(window, 进度条1, prop::BarPosition), 150) << "kept as written";
    // The bar's range runs from the smaller end to the larger.
    write(进度条1, prop::BarMinimum, 80);
    write(进度条1, prop::BarMaximum, 20);
    write(进度条1, prop::BarPosition, 5);
    PBRANGE range{};
    send(handle(进度条1), PBM_GETRANGE, FALSE, LPARAM(&range));
    EXPECT_EQ(range.iLow, 20);
    EXPECT_EQ(range.iHigh, 80);
    EXPECT_EQ(send(handle(进度条1), PBM_GETPOS), 20);
    EXPECT_EQ(calls(), (std::vector<std::string>{"Created 1", "Moved 901", "Resized 901", "Moved 901"}))
        << "writes raise no control events";
}

TEST_F(Win32View, KeysReachKeyDownAndTheWindowKeysAreTheModels) {
    load();
    EXPECT_EQ(GetFocus(), handle(编辑框1)) << "a window shown gives the focus to its first control";
    record().calls.clear();
    press_keys({VK_RETURN, VK_NUMPAD7, 'A'});
    EXPECT_EQ(calls(),
              (std::vector<std::string>{key_down(编辑框1, 13), key_down(编辑框1, '7'), key_down(编辑框1, 'A')}));
    // (Wine's keyboard types no character for the keypad's digits.)
    EXPECT_TRUE(ReadText(window, 编辑框1, prop::EditContent).ends_with("a"))
        << "keys a handler lets through reach the box";
    const Text typed = ReadText(window, 编辑框1, prop::EditContent);

    record().key_result = false;
    press_keys({'B', 'C'});
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), typed) << "a handler that returns false swallows the key";
    record().key_result = std::nullopt;

    record().calls.clear();
    press_keys({VK_TAB});
    EXPECT_EQ(GetFocus(), handle(按钮1));
    EXPECT_TRUE(calls().empty()) << "Tab moves the focus; no KeyDown";
    press_keys({VK_SPACE});
    EXPECT_EQ(record().count("Click 3"), 1) << "the button's own key clicks it";
    press_keys({VK_RETURN});
    EXPECT_EQ(record().count("Click 3"), 1) << "no default button: Enter is only a key";

    // Outside every page, Ctrl+Tab and Ctrl+PageUp turn the window's tab control and leave the focus.
    HWND tabs = handle(选择夹1);
    record().calls.clear();
    for (const auto& [keys, page] : {std::pair{std::vector<WORD>{VK_CONTROL, VK_TAB}, 1},
                                     {{VK_CONTROL, VK_SHIFT, VK_TAB}, 0},
                                     {{VK_CONTROL, VK_PRIOR}, 1}}) {
        chord(keys);
        EXPECT_EQ(send(tabs, TCM_GETCURSEL), page);
        EXPECT_EQ(find_loaded(window)->find(选择夹1)->selection, page);
    }
    EXPECT_EQ(GetFocus(), handle(按钮1));
    for (const std::string& call : calls())
        EXPECT_TRUE(call.starts_with("KeyDown 3 16") || call.starts_with("KeyDown 3 17"))
            << call << ": a page key is the window's";
    // From a page to one where nothing takes the focus, the system gives it to the tab control,
    // which the page keys turn.
    chord({VK_CONTROL, VK_NEXT});
    SetFocus(handle(编辑框2));
    write(编辑框3, prop::Disabled, true);
    chord({VK_CONTROL, VK_TAB});
    EXPECT_EQ(send(tabs, TCM_GETCURSEL), 1);
    EXPECT_EQ(GetFocus(), tabs);
    chord({VK_CONTROL, VK_TAB});
    EXPECT_EQ(send(tabs, TCM_GETCURSEL), 0);
    write(编辑框3, prop::Disabled, false);

    record().close_result = false;
    press_keys({VK_ESCAPE});
    EXPECT_TRUE(IsLoaded(window));
    ASSERT_FALSE(calls().empty()) << "Esc asks the window";
    EXPECT_EQ(calls().back(), "MayClose 1") << "no KeyDown for Esc";
    record().close_result = std::nullopt;
    press_keys({VK_ESCAPE});
    EXPECT_FALSE(IsLoaded(window));
    ASSERT_FALSE(calls().empty());
    EXPECT_EQ(calls().back(), "Destroying 901");
}

TEST_F(Win32View, EnterClicksTheDefaultButtonFromItselfOrAnotherControl) {
    ASSERT_TRUE(LoadWindow(modal, std::nullopt, false));
    for (const ControlId from : {对话按钮, 对话编辑框}) {
        SetFocus(handle(from, modal));
        press_keys({VK_RETURN});
    }
    EXPECT_EQ(record().count("Click 3"), 2);
    // Coming into view, the default button takes the focus.
    SetFocus(handle(对话编辑框, modal));
    WriteProperty(modal, 对话按钮, prop::Visible, false);
    WriteProperty(modal, 对话按钮, prop::Visible, true);
    EXPECT_EQ(GetFocus(), handle(对话按钮, modal));
}

TEST_F(Win32View, TypedTextIsStoredAsGbkWithinTheByteLimit) {
    load();
    for (wchar_t c : std::wstring(L"ab凡人")) PostMessageW(handle(编辑框1), WM_CHAR, c, 1);
    settle();
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), "ab凡人");
    send(handle(编辑框1), WM_SETTEXT, 0, LPARAM(L"凡人修仙"));
    EXPECT_EQ(ReadText(window, 编辑框1, prop::EditContent), "凡人修仙") << "a reader's tool sets the text";
    // 编辑框2 holds two GBK bytes: one Chinese character fills them.
    for (wchar_t c : std::wstring(L"123")) PostMessageW(handle(编辑框2), WM_CHAR, c, 1);
    settle();
    EXPECT_EQ(ReadText(window, 编辑框2, prop::EditContent), "12");
    write(编辑框2, prop::EditContent, Text(""));
    for (wchar_t c : std::wstring(L"皮肤")) PostMessageW(handle(编辑框2), WM_CHAR, c, 1);
    settle();
    EXPECT_EQ(text_of(handle(编辑框2)), L"皮");
    EXPECT_EQ(ReadText(window, 编辑框2, prop::EditContent), "皮");

    // A paste keeps the longest beginning of the pasted text that fits.
    HWND box = handle(编辑框2);
    for (const auto& c : paste_cases) {
        write(编辑框2, prop::EditContent, Text(c.before));
        send(box, EM_SETSEL, WPARAM(c.cursor), LPARAM(c.cursor + c.selected));
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        const std::wstring pasted = win32::wide(c.pasted);
        const std::size_t bytes = (pasted.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), pasted.c_str(), bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        send(box, WM_PASTE);
        EXPECT_EQ(ReadText(window, 编辑框2, prop::EditContent), c.after) << c.before << " + " << c.cursor;
        EXPECT_EQ(win32::gbk(text_of(box)), c.after) << c.before << " + " << c.cursor;
    }
}

TEST_F(Win32View, AChoiceOnTheListIsSeenByItsHandler) {
    load();
    SetFocus(handle(组合框1));
    press_keys({VK_DOWN});
    EXPECT_EQ(record().selections_seen, std::vector<int>{1}) << "the handler reads the new selection";
    send(handle(组合框1), CB_SHOWDROPDOWN, TRUE);
    press_keys({VK_DOWN, VK_RETURN});
    EXPECT_EQ(record().selections_seen, (std::vector<int>{1, 2})) << "one event when the dropped list closes";
    EXPECT_EQ(ReadInteger(window, 组合框1, prop::ComboSelection), 2);
    EXPECT_TRUE(IsLoaded(window)) << "the list took Enter and Esc";
    write(组合框1, prop::ComboSelection, 1);
    write(组合框1, prop::ComboSelection, 1);  // no change
    write(组合框1, prop::ComboSelection, 7);  // past the list: nothing selected
    EXPECT_EQ(record().count("SelectionChanged 4"), 4) << "every change, by the reader or by a write";
    EXPECT_EQ(record().selections_seen.size(), 2u) << "writes make no choice";
}

TEST_F(Win32View, PressesGiveClientCoordinatesAndChooseTabPages) {
    load();
    record().calls.clear();
    post_press(handle(图片框1), {10, 5});
    const POINT origin = win32::trans_label_origin(handle(透明标签1));
    post_press(handle(透明标签1), {origin.x + 5, origin.y + 6}, MK_CONTROL);
    post_press(handle(标签1), {3, 4}, MK_SHIFT);
    EXPECT_EQ(calls(), (std::vector<std::string>{"LeftButtonDown 7 10 5 0", "LeftButtonDown 8 5 6 1",
                                                 "LeftButtonDown 6 3 4 2"}));
    POINT corner{0, 0};
    MapWindowPoints(handle(图片框1), handle(窗口), &corner, 1);
    EXPECT_EQ(corner.x, 142) << "the client area lies inside the raised frame";
    // Clicked: the label takes its own rectangle, and lets the picture have
    // what lies beside it.
    record().calls.clear();
    click(handle(窗口), {140 + 5, 80 + 6});
    click(handle(窗口), {140 + 5, 80 + 20});
    EXPECT_EQ(calls(), (std::vector<std::string>{"LeftButtonDown 8 5 6 0", "LeftButtonDown 7 3 28 0"}));

    record().calls.clear();
    HWND tabs = handle(选择夹1);
    // A page's controls are made when it is first shown, showing what was written meanwhile.
    const auto made = [tabs] {
        int n = 0;
        EnumChildWindows(
            tabs, [](HWND, LPARAM count) -> BOOL { return ++*reinterpret_cast<int*>(count) > 0; }, LPARAM(&n));
        return n;
    };
    const int first_page_only = made();
    write(编辑框3, prop::EditContent, Text("后写"));
    RECT second;
    send(tabs, TCM_GETITEMRECT, 1, LPARAM(&second));
    const POINT middle{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    POINT on_screen = middle;
    ClientToScreen(tabs, &on_screen);
    SetCursorPos(on_screen.x, on_screen.y);
    post_press(tabs, middle);
    EXPECT_EQ(send(tabs, TCM_GETCURSEL), 1);
    EXPECT_TRUE(IsWindowVisible(handle(编辑框3)));
    EXPECT_FALSE(IsWindowVisible(handle(编辑框2)));
    EXPECT_EQ(GetFocus(), handle(编辑框3)) << "按钮3 is disabled, 编辑框3 is next";
    EXPECT_GT(made(), first_page_only);
    EXPECT_EQ(text_of(handle(编辑框3)), L"后写");
    EXPECT_EQ(calls(), (std::vector<std::string>{
                           "LeftButtonDown 12 " + std::to_string(middle.x) + " " + std::to_string(middle.y) + " 0",
                           "Click 12"}));
}

// What a screen reader asks through oleacc, which the view loads itself on
// the first question (the program imports no oleacc).
TEST_F(Win32View, ReadersGetNamesRolesAndThePressOfPicturesAndLabels) {
    load();
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    const auto from_window = reinterpret_cast<FromWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
    ASSERT_NE(from_window, nullptr);
    const auto ask = [&](ControlId control) {
        IAccessible* object = nullptr;
        EXPECT_EQ(
            from_window(handle(control), DWORD(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
            S_OK);
        return object;
    };
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto spoken = [&](IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR s = nullptr;
        (object->*get)(self, &s);
        std::wstring w = s != nullptr ? std::wstring(s) : L"";
        SysFreeString(s);
        return w;
    };
    const auto role = [&](IAccessible* object) {
        VARIANT r{};
        object->get_accRole(self, &r);
        return r.vt == VT_I4 ? r.lVal : -1;
    };
    struct Row {
        ControlId control;
        std::wstring name;
        long role;
        std::wstring action;
        std::wstring description = L"";
        std::wstring value = L"";
    };
    const Row rows[] = {
        {图片框1, L"起点中文网", ROLE_SYSTEM_LINK, L"打开"},
        {透明标签1, L"时间", ROLE_SYSTEM_LINK, L"打开"},
        {组合框1, L"搜索引擎", ROLE_SYSTEM_COMBOBOX, L"", L"", L"宜搜"},
        {组合框2, L"书名记录方式", ROLE_SYSTEM_COMBOBOX, L""},
        {编辑框2, L"皮肤编号", ROLE_SYSTEM_TEXT, L""},
        {按钮1, L"搜索", ROLE_SYSTEM_PUSHBUTTON, L"", L"用所选的搜索引擎搜索"},
        {分组框1, L"★分组☆", ROLE_SYSTEM_GROUPING, L""},
        {窗口, L"砚舟小说搜索器V1.4正式版", ROLE_SYSTEM_CLIENT, L""},  // without the title's trailing space
    };
    for (const Row& row : rows) {
        IAccessible* object = ask(row.control);
        ASSERT_NE(object, nullptr) << row.control;
        EXPECT_EQ(spoken(object, &IAccessible::get_accName), row.name) << row.control;
        EXPECT_EQ(role(object), row.role) << row.control;
        if (!row.action.empty()) { EXPECT_EQ(spoken(object, &IAccessible::get_accDefaultAction), row.action); }
        EXPECT_EQ(spoken(object, &IAccessible::get_accDescription), row.description) << row.control;
        if (!row.value.empty()) { EXPECT_EQ(spoken(object, &IAccessible::get_accValue), row.value) << row.control; }
        object->Release();
    }
    record().calls.clear();
    IAccessible* picture = ask(图片框1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->accDoDefaultAction(self), S_OK);
    pump(200, [] { return !record().calls.empty(); });
    EXPECT_EQ(calls(), (std::vector<std::string>{"LeftButtonDown 7 40 20 0"})) << "as a press in its middle";
    // Hidden, it acts on nothing.
    write(图片框1, prop::Visible, false);
    record().calls.clear();
    EXPECT_NE(picture->accDoDefaultAction(self), S_OK);
    EXPECT_EQ(spoken(picture, &IAccessible::get_accDefaultAction), L"");
    pump(100);
    EXPECT_TRUE(calls().empty());
    picture->Release();

    // A window without a title is named for readers, its frame as well as its client area.
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    for (const DWORD part : {DWORD(OBJID_CLIENT), DWORD(OBJID_WINDOW)}) {
        IAccessible* object = nullptr;
        ASSERT_EQ(from_window(handle(窗口, bare), part, __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
                  S_OK);
        EXPECT_EQ(spoken(object, &IAccessible::get_accName), L"砚舟小说搜索器") << part;
        object->Release();
    }
}

TEST_F(Win32View, TimersTickAtTheirIntervalAndStop) {
    // The timers' clock, moved on by the test a millisecond at a time, each
    // step a wake-up of the loop.
    static TimerClock::time_point now = TimerClock::now();
    set_timers_clock([] { return now; });
    const auto pass = [](int ms) {
        for (int i = 0; i < ms; ++i) {
            now += std::chrono::milliseconds(1);
            timers_due();
        }
    };
    load();
    pass(100);
    EXPECT_EQ(record().ticks1, 0) << "interval 0 never ticks";
    write(时钟1, prop::TimerInterval, 1);
    pass(200);
    EXPECT_GE(record().ticks1, 5);
    EXPECT_LE(record().ticks1, 14) << "never more often than Windows' tick of 15.6 ms";
    write(时钟1, prop::TimerInterval, -5);
    const int stopped_at = record().ticks1;
    pass(60);
    EXPECT_EQ(record().ticks1, stopped_at);
    set_timers_clock(nullptr);
}

TEST_F(Win32View, AModalLoadRunsANestedLoopWithTheCallerDisabled) {
    load();
    write(时钟1, prop::TimerInterval, 10);
    record().load_modal_in_click = true;
    record().close_in_tick = true;
    send(handle(按钮1), BM_CLICK);  // returns once the dialog is gone
    ASSERT_TRUE(record().caller_disabled_seen.has_value());
    EXPECT_TRUE(*record().caller_disabled_seen);
    EXPECT_GT(record().caller_ticks_seen, 0) << "the caller's timer ticked in the nested loop";
    EXPECT_FALSE(IsLoaded(modal));
    EXPECT_TRUE(IsWindowEnabled(handle(窗口)));
    EXPECT_EQ(calls().back(), "modal returned");

    // Esc, typed while the dialog's own loop runs, closes it.
    record().close_in_tick = false;
    static bool forced;
    forced = false;
    const UINT_PTR press = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = VK_ESCAPE;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    });
    const UINT_PTR guard = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        forced = IsLoaded(modal);
        destroy_window(modal);
    });
    ASSERT_TRUE(LoadWindow(modal, std::nullopt, true));
    KillTimer(nullptr, press);
    KillTimer(nullptr, guard);
    EXPECT_FALSE(forced);
    EXPECT_FALSE(IsLoaded(modal));
    EXPECT_EQ(calls().back(), "Destroying 902");
}

TEST_F(Win32View, ANewTransparentCaptionLeavesNoTraceOverAPicture) {
    HWND top = load();
    const RECT around{130, 66, 230, 116};  // 透明标签1 over 图片框1, and room around it
    write(透明标签1, prop::TransCaption, Text("很长很长的旧文字"));
    const auto before = shoot(top).crop(around);
    write(透明标签1, prop::TransCaption, Text("新"));
    const auto after = shoot(top).crop(around);
    destroy_window(window);
    HWND fresh = load();
    write(透明标签1, prop::TransCaption, Text("新"));
    const auto expected = shoot(fresh).crop(around);
    EXPECT_NE(before, expected) << "the old caption was on the screen";
    EXPECT_EQ(after, expected);
}

TEST_F(Win32View, TransparentTextRunsPastTheLabelWithItsEffectCopies) {
    HWND top = load();
    write(透明标签1, prop::Left, 230);
    write(透明标签1, prop::Top, 40);
    write(透明标签1, prop::Width, 20);
    write(透明标签1, prop::TransAlign, 0);
    write(透明标签1, prop::TransCaption, Text(""));
    const Shot blank = shoot(top);
    const RECT label{230, 40, 250, 56}, beyond{252, 36, 311, 60};
    write(透明标签1, prop::TransCaption, Text("阴影很长"));
    Shot shot = shoot(top);
    EXPECT_GT(shot.differences(blank, label), 0);
    EXPECT_GT(shot.differences(blank, beyond), 0) << "the line goes on past the label's right edge";
    EXPECT_EQ(shot.dark(beyond), 0);
    write(透明标签1, prop::TransEffect, 3);
    EXPECT_GT(shoot(top).dark(beyond), 0) << "a black shadow";
    write(透明标签1, prop::TransCaption, Text(""));
    EXPECT_EQ(shoot(top).differences(blank, beyond), 0) << "an empty caption draws nothing";
}

TEST_F(Win32View, WrappedLinesArePlacedOneCharacterHeightApart) {
    ASSERT_TRUE(LoadWindow(bare, std::nullopt, false));
    HWND top = HandleOf(bare, 窗口);
    page_chosen(bare, 竖排选择夹, 1);
    // 楷体标签: 楷体_GB2312 bold at 16 pixels, 168 pixels wide.
    WriteProperty(bare, 楷体标签, prop::TransCaption, Text("一\r\n二\r\n三\r\n四\r\n五"));
    const Shot shot = shoot(top);
    POINT at{0, 0};
    MapWindowPoints(handle(竖排选择夹, bare), top, &at, 1);
    std::vector<int> rows;
    for (int y = at.y + 18; y < at.y + 18 + 100; ++y)
        if (shot.count({at.x + 8, y, at.x + 8 + 40, y + 1}, 0x0000FF) > 0) rows.push_back(y - at.y - 18);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.back(), 4 * 16) << "the fifth line is drawn below the label's 48 pixels";
    EXPECT_LT(rows.back(), 5 * 16 + 2);
}

// Under a skin, as the program runs: the skin engine beside the test, with a
// skin whose captions are green on dark blue.
TEST_F(Win32View, AGroupBoxCaptionKeepsItsColourAndSideUnderASkin) {
    wchar_t path[MAX_PATH];
    std::wstring dll(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    dll.replace(dll.rfind(L'\\') + 1, std::wstring::npos, L"SkinH_EL.dll");
    HMODULE engine = LoadLibraryW(dll.c_str());
    ASSERT_NE(engine, nullptr);
    using Attach = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);
    const auto attach =
        reinterpret_cast<Attach>(reinterpret_cast<void (*)()>(GetProcAddress(engine, "SkinH_AttachRes")));
    // clang-format off
    const unsigned char skin[] = {'.', 'S', 'H', 'E', 1, 0, 0, 0, 'C', 'O', 'L', 'R', 8, 0, 0, 0,
                                  0 /* window */, 30, 60, 90, 26 /* group caption */, 0, 200, 0};
    // clang-format on
    ASSERT_EQ(attach(skin, int(sizeof skin), "", 0, 0, 0), 1);
    HWND top = load();
    // 分组框1, 210 pixels wide at (10, 140): "★分组☆" in red, centred.
    const Shot shot = shoot(top);
    destroy_window(window);
    FreeLibrary(engine);
    const auto red = [&](int from, int to) { return shot.count({from, 140, to, 154}, 0xFF0000); };
    EXPECT_GT(red(10 + 80, 10 + 130), 30) << "in the middle";
    EXPECT_EQ(red(10, 10 + 70), 0);
    EXPECT_EQ(red(10 + 140, 10 + 210), 0);
    EXPECT_EQ(shot.count({10, 140, 220, 154}, 0x00C800), 0) << "nowhere in the skin's colour";
}

TEST_F(Win32View, PicturesAreDrawnStretchedAndPlayed) {
    HWND top = load();
    // 4 x 2: red, green, blue, white over black, black, black, yellow; in a
    // box of 80 x 40 less its raised frame, each pixel is 19 x 18.
    const Shot shot = shoot(top);
    EXPECT_EQ(shot.at(142 + 3, 72 + 3), 0xFF0000u);
    EXPECT_EQ(shot.at(142 + 70, 72 + 30), 0xFFFF00u);
    const auto still = win32::picture_shown(handle(图片框1));
    EXPECT_TRUE(still.decoded);
    EXPECT_EQ(still.frames, 1);
    EXPECT_FALSE(win32::picture_shown(handle(图片框3)).decoded) << "its page was never opened";

    const auto moving = win32::picture_shown(handle(图片框2));
    ASSERT_EQ(moving.frames, 2);
    pump(400, [&] { return win32::picture_shown(handle(图片框2)).current != moving.current; });
    EXPECT_NE(win32::picture_shown(handle(图片框2)).current, moving.current) << "the GIF plays";
    write(图片框2, prop::Visible, false);
    const int hidden_at = win32::picture_shown(handle(图片框2)).current;
    pump(300, [&] { return win32::picture_shown(handle(图片框2)).current != hidden_at; });
    EXPECT_EQ(win32::picture_shown(handle(图片框2)).current, hidden_at) << "hidden, it rests";
    write(图片框2, prop::Visible, true);
    pump(400, [&] { return win32::picture_shown(handle(图片框2)).current != hidden_at; });
    EXPECT_NE(win32::picture_shown(handle(图片框2)).current, hidden_at) << "shown again, it plays on";
    write(图片框2, prop::PicAnimate, false);
    const int stopped = win32::picture_shown(handle(图片框2)).current;
    pump(250);
    EXPECT_EQ(win32::picture_shown(handle(图片框2)).current, stopped);
}
