// The Windows skin engine as the program uses it: SkinH_EL.dll loaded from
// beside the test, skins attached from memory, and the colours the test's
// own Win32 controls then paint, read back from the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skins/catalogue.h"
#include "skins/engine/she_format.h"
#include "tests/skins/unreadable_skins.h"

namespace {

using she::GradientTarget;
using she::Rgb;
using she::Role;
using Bytes = std::vector<std::uint8_t>;
using AttachRes = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);

Bytes skin_copy(int number) {
    const ByteSet bytes = catalogue_skin(number);
    return {bytes.begin(), bytes.end()};
}

// Three colours and nothing else: no texture, no gradient, square corners.
Bytes plain_skin() {
    // clang-format off
    return {'.', 'S', 'H', 'E', 1, 0, 0, 0, 'C', 'O', 'L', 'R', 12, 0, 0, 0,
            std::uint8_t(Role::WindowBack), 30, 60, 90, std::uint8_t(Role::ButtonFace), 200, 180, 40,
            std::uint8_t(Role::EditBack), 250, 240, 230};
    // clang-format on
}

she::Skin read(const Bytes& bytes) { return she::read_skin(bytes.data(), bytes.size()).value(); }

// The engine, loaded for one test and unloaded after it, as the program
// unloads it at its end.
class Engine {
public:
    Engine() {
        wchar_t path[MAX_PATH];
        std::wstring dir(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        dir.resize(dir.rfind(L'\\') + 1);
        module_ = LoadLibraryW((dir + L"SkinH_EL.dll").c_str());
        if (module_ != nullptr)
            attach_ =
                reinterpret_cast<AttachRes>(reinterpret_cast<void (*)()>(GetProcAddress(module_, "SkinH_AttachRes")));
    }
    ~Engine() { unload(); }
    void unload() {
        if (module_ != nullptr) FreeLibrary(module_);
        module_ = nullptr;
    }
    bool loaded() const { return attach_ != nullptr; }
    int attach(const unsigned char* data, int size) const { return attach_(data, size, "", 0, 0, 0); }
    // As the program does it: from a copy that is scribbled over and freed
    // right after the call, so a look that kept a pointer into it shows.
    int attach(Bytes copy) const {
        const int result = attach(copy.data(), int(copy.size()));
        std::fill(copy.begin(), copy.end(), 0xEE);
        return result;
    }

private:
    HMODULE module_ = nullptr;
    AttachRes attach_ = nullptr;
};

HWND control(const wchar_t* kind, const wchar_t* text, DWORD style, RECT r, HWND parent, DWORD extended = 0) {
    return CreateWindowExW(extended, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
}

// A window as the program makes them: the system's face colour behind a
// label, an edit box, a push button, a group box, a progress bar half full
// and two tabs. Never activated: under wine without a window manager, an
// activated window takes seconds to close.
struct TestWindow {
    HWND window, label, edit, button, group, progress, tabs, clear;

    TestWindow() {
        static const bool registered = [] {
            INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
            InitCommonControlsEx(&controls);
            WNDCLASSW c{};
            c.lpfnWndProc = DefWindowProcW;
            c.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
            c.lpszClassName = L"YzSkinTest";
            // A window that paints nothing, over the page, as a transparent label is.
            WNDCLASSW none{};
            none.lpfnWndProc = DefWindowProcW;
            none.hbrBackground = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
            none.lpszClassName = L"YzSkinClear";
            return RegisterClassW(&c) != 0 && RegisterClassW(&none) != 0;
        }();
        EXPECT_TRUE(registered);
        window = CreateWindowExW(0, L"YzSkinTest", L"", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr, nullptr, nullptr);
        label = control(L"Static", L"标签", SS_LEFT, {10, 10, 110, 30}, window);
        edit = control(L"Edit", L"", 0, {10, 40, 110, 62}, window, WS_EX_CLIENTEDGE);
        button = control(L"Button", L"确定", BS_PUSHBUTTON, {10, 70, 110, 96}, window);
        group = control(L"Button", L"分组", BS_GROUPBOX, {130, 10, 300, 110}, window);
        progress = control(PROGRESS_CLASSW, L"", 0, {10, 120, 210, 136}, window);
        SendMessageW(progress, PBM_SETPOS, 50, 0);
        tabs = control(WC_TABCONTROLW, L"", 0, {10, 150, 310, 250}, window);
        for (const wchar_t* name : {L"第一页", L"第二页"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(name);
            SendMessageW(tabs, TCM_INSERTITEMW, SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), LPARAM(&item));
        }
        clear = control(L"YzSkinClear", L"", 0, {100, 60, 160, 80}, tabs, WS_EX_TRANSPARENT);
        ShowWindow(window, SW_SHOWNA);
        refresh();
    }
    ~TestWindow() {
        ShowWindow(window, SW_HIDE);
        DestroyWindow(window);
    }
    void refresh() const {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
};

Rgb pixel(HWND w, POINT at, bool in_frame) {
    HDC dc = in_frame ? GetWindowDC(w) : GetDC(w);
    const COLORREF c = GetPixel(dc, at.x, at.y);
    ReleaseDC(w, dc);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// What a pixel may be: each channel between the two colours' (a gradient's
// two ends, or one colour twice).
struct Expected {
    Rgb a, b;
    bool holds(Rgb c) const {
        const auto between = [](int v, int x, int y) { return std::min(x, y) <= v && v <= std::max(x, y); };
        return between(c.red, a.red, b.red) && between(c.green, a.green, b.green) && between(c.blue, a.blue, b.blue);
    }
};
Expected exactly(Rgb c) { return {c, c}; }
Expected face(const she::Skin& s, GradientTarget target, Role plain) {
    const auto& g = s.gradient(target);
    return g ? Expected{g->top, g->bottom} : exactly(s.color(plain));
}
// The window background at a point of the test window: the texture tile
// repeats from the window's corner.
Expected background(const she::Skin& s, POINT at) {
    const auto& tile = s.texture(she::TextureTarget::WindowBack);
    if (!tile) return exactly(s.color(Role::WindowBack));
    const std::uint8_t* p = &tile->rgb[(std::size_t(at.y % tile->height) * tile->width + at.x % tile->width) * 3];
    return exactly({p[0], p[1], p[2]});
}

struct Sample {
    const char* what;
    HWND control;
    POINT at;
    bool in_frame;
    Expected expected;
};

std::vector<Sample> samples(const TestWindow& t, const she::Skin& s) {
    RECT chosen, other;
    SendMessageW(t.tabs, TCM_GETITEMRECT, 0, LPARAM(&chosen));
    SendMessageW(t.tabs, TCM_GETITEMRECT, 1, LPARAM(&other));
    const LONG tab_middle = (chosen.top + chosen.bottom) / 2;
    return {
        {"window background", t.window, {400, 300}, false, background(s, {400, 300})},
        {"label, beside its text", t.label, {95, 15}, false, background(s, {10 + 95, 10 + 15})},
        {"edit box", t.edit, {90, 10}, false, exactly(s.color(Role::EditBack))},
        {"edit box frame", t.edit, {0, 0}, true, exactly(s.color(Role::EditBorder))},
        {"push button face",
         t.button,
         {s.frame_width + 3, 13},
         false,
         face(s, GradientTarget::ButtonNormal, Role::ButtonFace)},
        {"group box frame", t.group, {0, 60}, false, exactly(s.color(Role::GroupFrame))},
        {"progress bar, done", t.progress, {20, 8}, false, face(s, GradientTarget::ProgressChunk, Role::ProgressChunk)},
        {"progress bar, to do", t.progress, {180, 8}, false, exactly(s.color(Role::ProgressGroove))},
        {"tab page", t.tabs, {150, 80}, false, exactly(s.color(Role::PageBack))},
        {"tab page under a window that paints nothing", t.tabs, {130, 70}, false, exactly(s.color(Role::PageBack))},
        {"chosen tab",
         t.tabs,
         {chosen.left + 3, tab_middle},
         false,
         face(s, GradientTarget::TabSelected, Role::TabSelectedFace)},
        {"other tab", t.tabs, {other.left + 3, tab_middle}, false, face(s, GradientTarget::Tab, Role::TabFace)},
    };
}

void expect_look(const TestWindow& t, const she::Skin& s, const std::string& which) {
    t.refresh();
    for (const Sample& sample : samples(t, s)) {
        const Rgb got = pixel(sample.control, sample.at, sample.in_frame);
        EXPECT_TRUE(sample.expected.holds(got))
            << which << ", " << sample.what << ": " << int(got.red) << "," << int(got.green) << "," << int(got.blue)
            << " not within " << int(sample.expected.a.red) << "," << int(sample.expected.a.green) << ","
            << int(sample.expected.a.blue) << " and " << int(sample.expected.b.red) << ","
            << int(sample.expected.b.green) << "," << int(sample.expected.b.blue);
    }
}

std::vector<Rgb> picture_of(const TestWindow& t) {
    t.refresh();
    std::vector<Rgb> seen;
    for (const Sample& sample : samples(t, read(plain_skin())))
        seen.push_back(pixel(sample.control, sample.at, sample.in_frame));
    return seen;
}

Rgb system_face() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

TEST(WindowsSkinEngine, EachSkinAttachedColoursEveryKindOfControlInPlaceOfTheOneBefore) {
    Engine engine;
    ASSERT_TRUE(engine.loaded());
    TestWindow window;
    const struct {
        std::string name;
        Bytes bytes;
    } skins[] = {
        {"skin 1", skin_copy(1)}, {"a plain skin", plain_skin()}, {"skin 9", skin_copy(9)}, {"skin 58", skin_copy(58)}};
    for (const auto& skin : skins) {
        ASSERT_EQ(engine.attach(skin.bytes), 1) << skin.name;
        const she::Skin s = read(skin.bytes);
        expect_look(window, s, skin.name);
        // Pressed as a click presses it: the stock button's own painting of
        // the change is held back, and the engine's shows.
        SendMessageW(window.button, BM_SETSTATE, TRUE, 0);
        UpdateWindow(window.button);
        EXPECT_TRUE(face(s, GradientTarget::ButtonPressed, Role::ButtonPressedFace)
                        .holds(pixel(window.button, {s.frame_width + 3, 13}, false)))
            << skin.name << ", pressed";
        SendMessageW(window.button, BM_SETSTATE, FALSE, 0);
    }
}

TEST(WindowsSkinEngine, WindowsCreatedLaterTakeTheSkin) {
    Engine engine;
    ASSERT_TRUE(engine.loaded());
    ASSERT_EQ(engine.attach(skin_copy(3)), 1);
    TestWindow later;  // filled while hidden, then shown
    expect_look(later, read(skin_copy(3)), "skin 3");
    // A control added to the window once it is shown takes the skin at once.
    HWND added = control(L"Button", L"确定", BS_PUSHBUTTON, {310, 270, 410, 296}, later.window);
    later.refresh();
    EXPECT_EQ(pixel(added, {12, 13}, false), pixel(later.button, {12, 13}, false));
    EXPECT_NE(pixel(added, {12, 13}, false), system_face());
}

TEST(WindowsSkinEngine, WhatItCannotReadChangesNothing) {
    Engine engine;
    ASSERT_TRUE(engine.loaded());
    TestWindow window;
    const Bytes good = skin_copy(15);
    const UnreadableSkins unreadable(good);
    // Before any skin, and with one in force.
    for (bool skinned : {false, true}) {
        if (skinned) { ASSERT_EQ(engine.attach(good), 1); }
        const std::vector<Rgb> before = picture_of(window);
        for (const auto& c : unreadable.cases()) {
            EXPECT_EQ(engine.attach(c.data, c.size), 0) << c.what;
            EXPECT_EQ(picture_of(window), before) << c.what << (skinned ? ", over skin 15" : ", before any skin");
        }
    }
}

// The program unloads the engine at its end, with its windows still open:
// they go back to the system's look, and nothing calls into the unloaded
// code (which would crash here), neither windows skinned when they were
// made nor the hook that skinned them.
TEST(WindowsSkinEngine, UnloadingGivesTheWindowsBack) {
    Engine engine;
    ASSERT_TRUE(engine.loaded());
    TestWindow before;
    ASSERT_EQ(engine.attach(skin_copy(1)), 1);
    TestWindow after;
    HWND message_only = CreateWindowExW(0, L"YzSkinTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    engine.unload();
    for (const TestWindow* t : {&before, &after}) {
        t->refresh();
        EXPECT_EQ(pixel(t->window, {400, 300}, false), system_face());
        EXPECT_EQ(pixel(t->label, {95, 15}, false), system_face());
        SendMessageW(t->button, BM_SETSTATE, TRUE, 0);
    }
    SendMessageW(message_only, WM_SETTEXT, 0, LPARAM(L"x"));
    DestroyWindow(message_only);
    TestWindow later;
    EXPECT_EQ(pixel(later.window, {400, 300}, false), system_face());
}

}  // namespace
