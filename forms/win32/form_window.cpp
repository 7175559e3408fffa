// The top-level window's messages: notifications of the controls, colours,
// closing, moves, the pointer and the focus.
#include "forms/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>

#include "forms/dispatch.h"
#include "forms/placement.h"
#include "forms/presentation.h"
#include "forms/single_line.h"
#include "forms/win32/dpi.h"
#include "forms/win32/fonts.h"
#include "forms/win32/form_view.h"
#include "forms/win32/vertical_titles.h"
#include "forms/win32/wide_text.h"
#include "forms/win32/window_class.h"
#include "skins/engine/own_colours.h"

namespace forms::win32 {

namespace {

constexpr wchar_t form_class[] = L"YanzhouForm";
constexpr UINT_PTR container_subclass = 1;

Win32WindowView* view_in(HWND w) { return reinterpret_cast<Win32WindowView*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

LRESULT CALLBACK form_proc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(w, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    if (Win32WindowView* view = view_in(w)) return view->on_message(w, message, wp, lp);
    // A retired window only waits to be destroyed; the model alone closes windows.
    if (message == WM_CLOSE) return 0;
    return DefWindowProcW(w, message, wp, lp);
}

LRESULT CALLBACK container_proc(HWND w, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* view = reinterpret_cast<Win32WindowView*>(data);
    switch (message) {
        case WM_NCDESTROY: RemoveWindowSubclass(w, container_proc, container_subclass); break;
        case WM_COMMAND:
            if (!view->retired() && lp != 0 && view->control_of(HWND(lp)) != nullptr)
                return SendMessageW(view->window(), message, wp, lp);
            break;
        case WM_DRAWITEM:
            if (!view->retired() && view->control_of(reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem) != nullptr)
                return SendMessageW(view->window(), message, wp, lp);
            break;
        case WM_NOTIFY:
            if (!view->retired() && view->control_of(reinterpret_cast<NMHDR*>(lp)->hwndFrom) != nullptr)
                return SendMessageW(view->window(), message, wp, lp);
            break;
        case WM_CONTEXTMENU:
            if (!view->retired() && view->control_of(HWND(wp)) != nullptr)
                return SendMessageW(view->window(), message, wp, lp);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (view->retired()) break;
            return view->colors(message, HDC(wp), HWND(lp), DefSubclassProc(w, message, wp, lp));
    }
    return DefSubclassProc(w, message, wp, lp);
}

void register_classes() {
    static const bool controls = [] {
        become_scale_aware();  // before the first window
        INITCOMMONCONTROLSEX wanted{sizeof wanted, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&wanted) != FALSE;
    }();
    (void)controls;
    // The face colour: a skin paints its own background there.
    register_class_once(form_class, form_proc, HBRUSH(COLOR_BTNFACE + 1));
}

// No window of ours clips its children: a transparent label, and the group
// boxes and tab pages around it, need what lies beneath them painted first,
// and a parent repainted without its children would cover them.
DWORD style_of(const WindowDesc& d) {
    if (d.frame == Frame::None) return WS_POPUP | WS_CLIPSIBLINGS;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    if (d.minimize_box) style |= WS_MINIMIZEBOX;
    if (d.maximize_box) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD ex_style_of(const WindowDesc& d) { return WS_EX_APPWINDOW | (d.always_on_top ? WS_EX_TOPMOST : 0); }

HBRUSH brush_of(COLORREF color) {
    static std::map<COLORREF, HBRUSH> made;
    auto [it, fresh] = made.emplace(color, nullptr);
    if (fresh) it->second = CreateSolidBrush(color);
    return it->second;
}

std::wstring text_of(HWND w) {
    std::wstring text(std::size_t(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(w, text.data(), int(text.size()))));
    return text;
}

// The edit's text kept to one line (forms/single_line.h), put back in the box
// when that changed it.
void keep_single_line(HWND edit, const std::wstring& before, std::wstring& now) {
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, 0, LPARAM(&caret));
    const auto u16 = [](std::wstring_view w) { return std::u16string(w.begin(), w.end()); };
    const forms::EditedText kept = forms::single_line_edit(u16(before), u16(now), caret);
    if (kept.text == u16(now)) return;
    now.assign(kept.text.begin(), kept.text.end());
    SetWindowTextW(edit, now.c_str());
    SendMessageW(edit, EM_SETSEL, WPARAM(kept.cursor), LPARAM(kept.cursor));
}

int combo_selection(HWND combo) { return int(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

}  // namespace

RECT window_rect_of(const WindowDesc& desc, const Geometry& outer, int dpi, int frame_dpi) {
    const Geometry layout = client_of(outer, desc.frame);
    const Geometry client = scaled(Geometry{0, 0, layout.width, layout.height}, dpi);
    RECT r = outer_around({0, 0, client.width, client.height}, style_of(desc), ex_style_of(desc), frame_dpi);
    OffsetRect(&r, outer.left - r.left, outer.top - r.top);
    return r;
}

int fitting_dpi_on(HMONITOR monitor, const WindowDesc& desc, const Geometry& outer, int dpi) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return dpi;
    const RECT &whole = info.rcMonitor, &work = info.rcWork;
    const RECT frame = outer_around({0, 0, 0, 0}, style_of(desc), ex_style_of(desc), dpi);
    const ScreenFacts screen{{whole.right - whole.left, whole.bottom - whole.top},
                             {work.left, work.top, work.right - work.left, work.bottom - work.top},
                             dpi,
                             unscaled_dpi,
                             ScreenSize{frame.right - frame.left, frame.bottom - frame.top}};
    return fitting_dpi({outer.width, outer.height}, desc.frame, screen);
}

HWND make_form_window(const WindowDesc& desc, const std::wstring& title, const RECT& placed, Win32WindowView* view) {
    register_classes();
    return CreateWindowExW(ex_style_of(desc), form_class, title.c_str(), style_of(desc), placed.left, placed.top,
                           placed.right - placed.left, placed.bottom - placed.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), view);
}

void retire_form_window(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

void adopt_children(HWND container, Win32WindowView* view) {
    SetWindowSubclass(container, container_proc, container_subclass, DWORD_PTR(view));
}

LRESULT Win32WindowView::colors(UINT message, HDC dc, HWND control, LRESULT below) const {
    const ControlState* c = control_of(control);
    if (c == nullptr || c->desc == nullptr) return below;
    const OwnColours own = presentation_of(*c).colours;
    if (own.text) SetTextColor(dc, colorref(*own.text, 0));
    if (own.back) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, colorref(*own.back, 0));
        return LRESULT(brush_of(colorref(*own.back, 0)));
    }
    // A colour for the text alone: the background stays what the system (or
    // a skin) gives, and the text is drawn over it, which tells a skin that
    // the colour is the window's own (skins/engine/own_colours.h).
    if (own.text && (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)) skin_contract::state_own_text(dc);
    return below;
}

LRESULT Win32WindowView::on_message(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    const WindowId window = state_.id;
    switch (message) {
        case WM_COMMAND:
            if (lp != 0) notified(HWND(lp), HIWORD(wp));
            return 0;
        case WM_NOTIFY: tab_notified(*reinterpret_cast<NMHDR*>(lp)); return 0;
        case WM_DRAWITEM:
            if (const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lp); item.CtlType == ODT_TAB) {
                draw_vertical_title(item);
                return TRUE;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: return colors(message, HDC(wp), HWND(lp), DefWindowProcW(w, message, wp, lp));
        case choice_committed: {
            const ControlId combo = ControlId(wp);
            commits_posted_.erase(combo);
            if (HWND h = handle_of(combo)) selection_committed(window, combo, combo_selection(h));
            return 0;
        }
        case WM_CLOSE:
            // A window a modal load disabled takes no close request.
            if (IsWindowEnabled(w)) close_requested(window);
            return 0;
        case WM_QUERYENDSESSION: {
            const auto answer = raise(window, state_.desc->self, event::MayClose);
            return !answer.has_value() || *answer;
        }
        case WM_ENDSESSION:
            if (wp) destroy_window(window);
            return 0;
        case WM_MOVE:
        case WM_SIZE:
            if (!placing_ && !IsIconic(w)) placed_by_reader();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                const ControlState* c = control_of(HWND(wp));
                if (c != nullptr && c->cursor == Cursor::Hand) {
                    SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        case WM_ACTIVATE: activated(LOWORD(wp) != WA_INACTIVE); return 0;
        case WM_CONTEXTMENU:
            // A request from the keyboard (no position) was the model's already.
            if (const ControlState* c = control_of(HWND(wp)); c != nullptr && c->desc != nullptr)
                if (menu_requested(window, c->id, lp != LPARAM(-1))) return 0;
            break;
        case WM_DPICHANGED: moved_to_scale(int(HIWORD(wp)), *reinterpret_cast<const RECT*>(lp)); return 0;
    }
    return DefWindowProcW(w, message, wp, lp);
}

void Win32WindowView::notified(HWND from, UINT code) {
    const ControlState* c = control_of(from);
    if (c == nullptr) return;
    const WindowId window = state_.id;
    const ControlId id = c->id;
    switch (c->kind) {
        case Kind::Button:
            if (code == BN_CLICKED) button_clicked(window, id);
            return;
        case Kind::EditBox:
            if (code == EN_CHANGE && !setting_text_) edit_changed(from, *c);
            return;
        case Kind::ComboBox: {
            // A change on the closed list (its arrow keys) is a choice made;
            // on the dropped list only the one that closes it is. The event
            // comes by the queue, once the list has its new selection.
            const bool committed =
                code == CBN_SELENDOK || (code == CBN_SELCHANGE && !SendMessageW(from, CB_GETDROPPEDSTATE, 0, 0));
            if (committed && commits_posted_.insert(id).second) PostMessageW(window_, choice_committed, WPARAM(id), 0);
            if (code == CBN_SELCHANGE || code == CBN_CLOSEUP) selection_changed(window, id, combo_selection(from));
            return;
        }
        default: return;
    }
}

// Text that does not fit the limit in GBK bytes is cut as the box cuts text
// past its length in characters: of what was typed or pasted (it ends at the
// caret), the longest beginning that fits stays.
void Win32WindowView::edit_changed(HWND edit, const ControlState& c) {
    std::wstring now = text_of(edit);
    setting_text_ = true;
    keep_single_line(edit, wide(c.text), now);
    setting_text_ = false;
    const int limit = c.desc->max_length;
    int excess = limit > 0 ? int(gbk(now).size()) - limit : 0;
    if (excess > 0) {
        DWORD caret = 0;
        SendMessageW(edit, EM_GETSEL, 0, LPARAM(&caret));
        std::size_t end = std::min<std::size_t>(caret, now.size()), start = end;
        while (excess > 0 && start > 0) {
            const std::size_t length = start >= 2 && IS_SURROGATE_PAIR(now[start - 2], now[start - 1]) ? 2 : 1;
            start -= length;
            excess -= int(gbk(std::wstring_view(now).substr(start, length)).size());
        }
        // Nothing of the change fits (or the box held too much already): it keeps its text.
        const std::wstring before = wide(c.text);
        std::wstring cut = now;
        cut.erase(start, end - start);
        if (excess > 0 || cut == before) {
            start = std::min(start, before.size());
            cut = before;
        }
        setting_text_ = true;
        SetWindowTextW(edit, cut.c_str());
        setting_text_ = false;
        SendMessageW(edit, EM_SETSEL, WPARAM(start), LPARAM(start));
        if (cut == before) return;
        now = cut;
    }
    text_edited(state_.id, c.id, gbk(now));
}

void Win32WindowView::tab_notified(const NMHDR& header) {
    const ControlState* c = control_of(header.hwndFrom);
    if (c == nullptr || c->kind != Kind::Tab) return;
    const WindowId window = state_.id;
    const ControlId id = c->id;
    if (header.code == TCN_SELCHANGE) {
        page_chosen(window, id, int(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    } else if (header.code == NM_CLICK) {
        // A click on the strip, not on the page below it.
        const DWORD at = GetMessagePos();
        TCHITTESTINFO hit{{GET_X_LPARAM(at), GET_Y_LPARAM(at)}, 0};
        ScreenToClient(header.hwndFrom, &hit.pt);
        if (SendMessageW(header.hwndFrom, TCM_HITTEST, 0, LPARAM(&hit)) >= 0) tab_strip_clicked(window, id);
    }
}

// The window's size stays the layout's: only its place is the reader's.
void Win32WindowView::placed_by_reader() {
    RECT r;
    GetWindowRect(window_, &r);
    const Geometry& g = state_.self().geometry;
    window_placed(state_.id, {r.left, r.top, g.width, g.height});
}

// The focus leaves with the window and comes back with it; a window shown
// for the first time gives it to its first control in tab order.
void Win32WindowView::activated(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        focus_kept_ = focus != nullptr && IsChild(window_, focus) ? focus : nullptr;
        return;
    }
    if (focus_kept_ != nullptr && IsWindow(focus_kept_) && IsWindowVisible(focus_kept_) &&
        IsWindowEnabled(focus_kept_)) {
        SetFocus(focus_kept_);
        return;
    }
    for (HWND h : tab_order())
        if (IsWindowVisible(h) && IsWindowEnabled(h)) return focus_control(h, false);
    SetFocus(window_);
}

}  // namespace forms::win32
