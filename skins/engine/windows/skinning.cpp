#include "skins/engine/windows/skinning.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "skins/engine/own_colours.h"
#include "skins/engine/windows/drawing.h"

namespace she::win {
namespace {

constexpr UINT_PTR subclass_id = 0x5348;
// Set on a push button while the pointer is over it; on a tab control, the
// tab under the pointer plus one.
constexpr wchar_t hot_property[] = L"SkinH_EL.hot";

enum class Kind : DWORD_PTR { other, background, button, edit, progress, tabs };

struct Engine {
    std::unique_ptr<Look> look;
    std::vector<std::pair<DWORD, HHOOK>> hooks;  // one per thread that attached
    // Every window subclassed and not yet destroyed: they all let go of the
    // engine before it is unloaded, whether enumeration finds them or not.
    std::vector<HWND> skinned;
};

Engine& engine() {
    static Engine e;
    return e;
}

bool class_is(HWND w, const wchar_t* name) {
    wchar_t buffer[64];
    return GetClassNameW(w, buffer, 64) > 0 && lstrcmpiW(buffer, name) == 0;
}

Kind kind_of(HWND w) {
    if (class_is(w, L"Button")) return Kind::button;
    if (class_is(w, L"Edit")) return Kind::edit;
    if (class_is(w, PROGRESS_CLASSW)) return Kind::progress;
    if (class_is(w, WC_TABCONTROLW)) return Kind::tabs;
    if (class_is(w, L"#32770")) return Kind::background;
    // Windows of the program's own classes take the skin's background where
    // they would show the system's face colour; others paint what they paint.
    const ULONG_PTR brush = GetClassLongPtrW(w, GCLP_HBRBACKGROUND);
    if (brush == COLOR_BTNFACE + 1 || brush == ULONG_PTR(GetSysColorBrush(COLOR_BTNFACE))) return Kind::background;
    return Kind::other;
}

// The system's own answers to WM_CTLCOLOR*; any other brush is a colour the
// window chose for that control itself, and it stays.
bool is_default_brush(LRESULT brush) {
    if (brush == 0) return true;
    for (int color : {COLOR_BTNFACE, COLOR_WINDOW, COLOR_SCROLLBAR})
        if (brush == LRESULT(GetSysColorBrush(color)) || brush == color + 1) return true;
    return false;
}

struct Colors {
    Role text, back;
    bool on_surface;  // the window's own background shows behind the text
};

bool is_group_box(HWND control) {
    return class_is(control, L"Button") && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The colours of a control that its parent is asked for.
Colors colors_of(HWND control) {
    if (class_is(control, L"ComboBox") || (class_is(control, L"Edit") && class_is(GetParent(control), L"ComboBox")))
        return {Role::ComboText, Role::ComboBack, false};
    if (class_is(control, L"Edit")) return {Role::EditText, Role::EditBack, false};
    if (class_is(control, L"ComboLBox") || class_is(control, L"ListBox"))
        return {Role::ListText, Role::ListBack, false};
    if (class_is(control, L"Static")) return {Role::LabelText, Role::WindowBack, true};
    if (is_group_box(control)) return {Role::GroupCaption, Role::WindowBack, true};
    return {Role::WindowText, Role::WindowBack, true};  // check boxes, radio buttons, dialogs
}

// A window's answer to WM_CTLCOLOR*, in the skin's colours for what the
// window leaves to the system (skins/engine/own_colours.h).
LRESULT color_child(const Look& look, HWND parent, UINT message, WPARAM wp, LPARAM lp) {
    const HDC dc = HDC(wp);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const LRESULT own = DefSubclassProc(parent, message, wp, lp);
    if (message == WM_CTLCOLORSCROLLBAR || !is_default_brush(own)) return own;
    const bool own_text = skin_contract::states_own_text(dc);
    const HWND control = HWND(lp);
    const Colors colors = colors_of(control);
    if (!own_text) SetTextColor(dc, look.color(IsWindowEnabled(control) ? colors.text : Role::DisabledText));
    if (colors.on_surface) {
        SetBkMode(dc, TRANSPARENT);
        return LRESULT(surface_brush(look, parent, control, dc));
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, look.color(colors.back));
    return LRESULT(look.brush(colors.back));
}

// Stock buttons paint some changes at once, outside WM_PAINT. With redrawing
// off they cannot; the button is then painted again, our way.
LRESULT quietly(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (!IsWindowVisible(w)) return DefSubclassProc(w, message, wp, lp);
    DefWindowProcW(w, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = DefSubclassProc(w, message, wp, lp);
    DefWindowProcW(w, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(w, nullptr, FALSE);
    return result;
}

void track_leave(HWND w) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, w, 0};
    TrackMouseEvent(&track);
}

// WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND for a control painted whole by
// `paint`; nothing for other messages.
template <class Paint>
std::optional<LRESULT> painting(HWND w, UINT message, WPARAM wp, Paint paint) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PRINTCLIENT: paint(HDC(wp)); return 0;
        case WM_PAINT: {
            if (wp != 0) {
                paint(HDC(wp));
                return 0;
            }
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(w, &ps)) paint(dc);
            EndPaint(w, &ps);
            return 0;
        }
        default: return std::nullopt;
    }
}

std::optional<LRESULT> button_message(const Look& look, HWND w, UINT message, WPARAM wp, LPARAM lp) {
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    // Check boxes, radio buttons and buttons showing pictures keep the system's
    // drawing, in the colours their window answers with.
    if ((!push && type != BS_GROUPBOX) || (style & (BS_BITMAP | BS_ICON))) return std::nullopt;
    switch (message) {
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE: return quietly(w, message, wp, lp);
        case WM_MOUSEMOVE:
            if (push && GetPropW(w, hot_property) == nullptr) {
                SetPropW(w, hot_property, HANDLE(1));
                track_leave(w);
                InvalidateRect(w, nullptr, FALSE);
            }
            return std::nullopt;
        case WM_MOUSELEAVE:
            RemovePropW(w, hot_property);
            InvalidateRect(w, nullptr, FALSE);
            return std::nullopt;
        default:
            return painting(w, message, wp, [&](HDC dc) {
                if (push)
                    paint_push_button(look, w, dc, GetPropW(w, hot_property) != nullptr);
                else
                    paint_group_box(look, w, dc);
            });
    }
}

std::optional<LRESULT> tabs_message(const Look& look, HWND w, UINT message, WPARAM wp, LPARAM lp) {
    const auto set_hot = [w](int item) {
        if (int(INT_PTR(GetPropW(w, hot_property))) - 1 == item) return;
        if (item < 0)
            RemovePropW(w, hot_property);
        else
            SetPropW(w, hot_property, HANDLE(INT_PTR(item + 1)));
        InvalidateRect(w, nullptr, FALSE);
    };
    switch (message) {
        case WM_MOUSEMOVE: {
            TCHITTESTINFO hit{{short(LOWORD(lp)), short(HIWORD(lp))}, 0};
            set_hot(int(SendMessageW(w, TCM_HITTEST, 0, LPARAM(&hit))));
            track_leave(w);
            return std::nullopt;
        }
        case WM_MOUSELEAVE: set_hot(-1); return std::nullopt;
        default:
            return painting(w, message, wp,
                            [&](HDC dc) { paint_tabs(look, w, dc, int(INT_PTR(GetPropW(w, hot_property))) - 1); });
    }
}

std::optional<LRESULT> edit_message(const Look& look, HWND w, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(w, message, wp, lp);
            paint_edit_frame(look, w);
            return result;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {  // the frame line shows the focus
            const LRESULT result = DefSubclassProc(w, message, wp, lp);
            RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return result;
        }
        default: return std::nullopt;
    }
}

LRESULT CALLBACK skinned(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
BOOL CALLBACK skin_child(HWND w, LPARAM);

bool is_skinned(HWND w) {
    const auto& list = engine().skinned;
    return std::find(list.begin(), list.end(), w) != list.end();
}

void subclass(HWND w, Kind kind) {
    if (SetWindowSubclass(w, skinned, subclass_id, DWORD_PTR(kind)) && !is_skinned(w)) engine().skinned.push_back(w);
}

// A window the engine draws nothing of is subclassed only for what goes
// through it: its children's colours, and the children made while it was
// hidden. A control of that kind with no children of its own (a static, a
// drop-down list and its list, a tooltip) is left alone: every message
// through a subclass costs a lookup, a round trip to the server under wine.
bool nothing_to_skin(HWND w, Kind kind) {
    if (kind != Kind::other || GetWindow(w, GW_CHILD) != nullptr) return false;
    const bool top_level = (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0 && GetWindow(w, GW_OWNER) == nullptr;
    return !top_level;
}

void skin(HWND w) {
    const Kind kind = kind_of(w);
    if (!nothing_to_skin(w, kind)) subclass(w, kind);
}

void unskin(HWND w) {
    RemoveWindowSubclass(w, skinned, subclass_id);
    RemovePropW(w, hot_property);
}

LRESULT CALLBACK skinned(HWND w, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR kind) {
    if (message == WM_NCDESTROY) {
        unskin(w);
        std::erase(engine().skinned, w);
        return DefSubclassProc(w, message, wp, lp);
    }
    const Look* look = engine().look.get();
    if (look == nullptr) return DefSubclassProc(w, message, wp, lp);
    // About to be shown: what was made inside it while it was hidden takes
    // the skin now, before anything of it is painted.
    if (message == WM_WINDOWPOSCHANGING && (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW) &&
        !IsWindowVisible(w))
        EnumChildWindows(w, skin_child, 0);
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return color_child(*look, w, message, wp, lp);
    std::optional<LRESULT> answer;
    switch (Kind(kind)) {
        case Kind::background:
            if (message == WM_ERASEBKGND) {
                RECT r;
                GetClientRect(w, &r);
                FillRect(HDC(wp), &r, surface_brush(*look, w, w, HDC(wp)));
                answer = 1;
            }
            break;
        case Kind::button: answer = button_message(*look, w, message, wp, lp); break;
        case Kind::edit: answer = edit_message(*look, w, message, wp, lp); break;
        case Kind::progress: answer = painting(w, message, wp, [&](HDC dc) { paint_progress(*look, w, dc); }); break;
        case Kind::tabs: answer = tabs_message(*look, w, message, wp, lp); break;
        case Kind::other: break;
    }
    return answer ? *answer : DefSubclassProc(w, message, wp, lp);
}

// A child made inside a hidden top-level window is skinned when that window
// is shown (above), not at once: until then nothing of it is seen, and every
// message through a subclass looks the subclass up by window property, which
// under wine is a round trip to its server. A window filled with controls
// before it is first shown, as the program's are, is made that much faster.
bool hidden_child(const CREATESTRUCTW& made) {
    return (made.style & WS_CHILD) != 0 && made.hwndParent != nullptr &&
           !IsWindowVisible(GetAncestor(made.hwndParent, GA_ROOT));
}

// Message-only windows show nothing and are never enumerated: left alone.
LRESULT CALLBACK on_cbt(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && engine().look) {
        const CREATESTRUCTW& made = *reinterpret_cast<const CBT_CREATEWNDW*>(lp)->lpcs;
        if (made.hwndParent != HWND_MESSAGE && !hidden_child(made)) {
            skin(HWND(wp));
            // A window left alone for having no children now has one.
            if ((made.style & WS_CHILD) != 0 && made.hwndParent != nullptr && !is_skinned(made.hwndParent))
                subclass(made.hwndParent, kind_of(made.hwndParent));
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

BOOL CALLBACK skin_child(HWND w, LPARAM) {
    skin(w);
    return TRUE;
}

// A top-level window of the thread and everything in it, repainted whole.
BOOL CALLBACK skin_top_level(HWND top, LPARAM) {
    skin(top);
    EnumChildWindows(top, skin_child, 0);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

}  // namespace

void put_in_force(std::unique_ptr<Look> look) {
    Engine& e = engine();
    // The look before goes at the end of this call: controls ask for brushes
    // when they paint, and from now on they get the new ones.
    e.look.swap(look);
    const DWORD thread = GetCurrentThreadId();
    bool hooked = false;
    for (const auto& hook : e.hooks) hooked = hooked || hook.first == thread;
    if (!hooked) {
        if (HHOOK hook = SetWindowsHookExW(WH_CBT, on_cbt, nullptr, thread)) e.hooks.emplace_back(thread, hook);
    }
    EnumThreadWindows(thread, skin_top_level, 0);
}

void withdraw() {
    Engine& e = engine();
    for (const auto& hook : e.hooks) UnhookWindowsHookEx(hook.second);
    e.hooks.clear();
    for (HWND w : e.skinned) {
        unskin(w);
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    e.skinned.clear();
    e.look.reset();
}

}  // namespace she::win
