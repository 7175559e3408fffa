#include "forms/win32/form_view.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/changed_part.h"
#include "forms/dispatch.h"
#include "forms/page_change.h"
#include "forms/presentation.h"
#include "forms/win32/accessible.h"
#include "forms/win32/dpi.h"
#include "forms/win32/fonts.h"
#include "forms/win32/form_window.h"
#include "forms/win32/picture_box.h"
#include "forms/win32/trans_label.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

namespace {

// A one-row tab strip is 20 pixels high: the layouts start page controls at 21.
constexpr int tab_strip_height = 20;

std::map<HWND, Win32WindowView*>& views() {
    static std::map<HWND, Win32WindowView*> live;
    return live;
}

RECT rect_of(const Geometry& g) { return {g.left, g.top, g.left + g.width, g.top + g.height}; }

DWORD edit_align(Align a) { return a == Align::Centre ? ES_CENTER : a == Align::Right ? ES_RIGHT : ES_LEFT; }
DWORD static_align(Align a) { return a == Align::Centre ? SS_CENTER : a == Align::Right ? SS_RIGHT : SS_LEFT; }
DWORD group_align(Align a) { return a == Align::Centre ? BS_CENTER : a == Align::Right ? BS_RIGHT : BS_LEFT; }

// A strip on the right is as wide as a character of its titles and a margin
// either side, so that the upright characters are not cut.
int strip_thickness(TabSide side, const Font& font, int dpi) {
    const int least = scaled(tab_strip_height, dpi);
    if (side == TabSide::Top) return least;
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_of(font, dpi));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max(least, int(metrics.tmHeight) + scaled(8, dpi));
}

DWORD tab_style(const ControlDesc& d) {
    // The reader's clicks choose pages; the focus goes to the page's controls.
    DWORD style = TCS_FOCUSNEVER;
    if (d.tab_side == TabSide::Right)
        style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE | TCS_OWNERDRAWFIXED;
    else if (d.multi_row)
        style |= TCS_MULTILINE;
    return style;
}

HWND with_font(HWND h, const Presentation& p, int dpi) {
    if (h != nullptr) SendMessageW(h, WM_SETFONT, WPARAM(font_of(p.font, dpi)), FALSE);
    return h;
}

HWND make(DWORD ex_style, const wchar_t* kind, const std::wstring& text, DWORD style, const RECT& r, HWND parent,
          ControlId id) {
    return CreateWindowExW(ex_style, kind, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

Win32WindowView* view_of(HWND handle) {
    if (handle == nullptr) return nullptr;
    auto it = views().find(GetAncestor(handle, GA_ROOT));
    return it == views().end() ? nullptr : it->second;
}

Win32WindowView::Win32WindowView(LoadedWindow& window) : state_(window), parts_(window) {}

Win32WindowView::~Win32WindowView() { dismantle(); }

HWND Win32WindowView::handle_of(ControlId control) const {
    auto it = handles_.find(control);
    return it == handles_.end() ? nullptr : it->second;
}

const ControlState* Win32WindowView::control_of(HWND handle) const {
    auto it = owners_.find(handle);
    return it == owners_.end() ? nullptr : state_.find(it->second);
}

void Win32WindowView::register_handle(HWND handle, ControlId control) {
    handles_.emplace(control, handle);
    owners_[handle] = control;
}

// A window is made when it is first shown, and a tab page's controls when
// the page first is (forms/parts_made.h).
void Win32WindowView::create() {}

void Win32WindowView::make_window() {
    if (window_ != nullptr || dismantled_) return;
    const WindowDesc& desc = *state_.desc;
    const ControlState& self = state_.self();
    placing_ = true;
    dpi_ = state_.dpi;
    frame_dpi_ = system_dpi();
    window_ = make_form_window(desc, wide(self.text), window_rect_of(desc, self.geometry, dpi_, frame_dpi_), this);
    placing_ = false;
    if (window_ == nullptr) return;
    // Made on a monitor of another scale than the system's: sized for it.
    if (const int dpi = dpi_of(window_); dpi != frame_dpi_) {
        frame_dpi_ = dpi;
        rescale(fitting_dpi_on(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), desc, self.geometry, dpi),
                std::nullopt);
    }
    views()[window_] = this;
    register_handle(window_, desc.self);
    serve_screen_readers(window_, self, state_.id);
    // The caption's small icon is made from this one by the system.
    if ((icon_ = icon_of(desc.icon)) != nullptr) SendMessageW(window_, WM_SETICON, ICON_BIG, LPARAM(icon_));
    EnableWindow(window_, !self.disabled);
    make_controls(parts_.make(window_part));
}

void Win32WindowView::make_controls(const std::vector<const ControlState*>& controls) {
    for (const ControlState* made : controls) {
        const ControlState& c = *made;
        HWND parent = c.parent == 0 ? window_ : handle_of(c.parent);
        if (parent == nullptr) continue;
        const Presentation p = presentation_of(c, dpi_);
        HWND h = make_control(c, p, parent);
        if (h == nullptr) continue;
        register_handle(h, c.id);
        serve_screen_readers(h, c, state_.id);
        // Later controls lie over earlier ones, as the layouts draw them.
        SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (c.kind == Kind::GroupBox || c.kind == Kind::Tab) adopt_children(h, this);
        if (c.kind == Kind::TransLabel) show_trans(c, h);
        if (!c.tool_tip.empty()) show_tip(c);
    }
}

HWND Win32WindowView::made_handle_of(ControlId control) {
    make_window();
    if (handle_of(control) == nullptr && window_ != nullptr) make_controls(parts_.make_all());
    return handle_of(control);
}

HWND Win32WindowView::make_control(const ControlState& c, const Presentation& p, HWND parent) {
    using V = Win32WindowView;
    // By kind, in the order of forms::Kind.
    static constexpr Maker makers[] = {&V::make_nothing, &V::make_edit,    &V::make_picture, &V::make_group,
                                       &V::make_label,   &V::make_button,  &V::make_combo,   &V::make_bar,
                                       &V::make_tab,     &V::make_nothing, &V::make_trans};
    static_assert(std::size(makers) == std::size_t(Kind::TransLabel) + 1);
    // Made as it starts: hidden or shown, disabled or not.
    const DWORD start = (c.disabled ? WS_DISABLED : 0) | (state_.shown_on_parent(c) ? WS_VISIBLE : 0);
    return (this->*makers[std::size_t(c.kind)])(c, p, {parent, rect_of(p.rect), start});
}

HWND Win32WindowView::make_nothing(const ControlState&, const Presentation&, const Making&) { return nullptr; }

HWND Win32WindowView::make_edit(const ControlState& c, const Presentation& p, const Making& m) {
    const ControlDesc& d = *c.desc;
    HWND h = make(d.border != Border::None ? WS_EX_CLIENTEDGE : 0, L"EDIT", wide(c.text),
                  m.start | WS_TABSTOP | ES_AUTOHSCROLL | edit_align(d.align), m.rect, m.parent, c.id);
    if (h == nullptr) return nullptr;
    // A first bound in characters; GBK bytes are counted as the text changes.
    if (d.max_length > 0) SendMessageW(h, EM_SETLIMITTEXT, WPARAM(d.max_length), 0);
    return with_font(h, p, dpi_);
}

HWND Win32WindowView::make_button(const ControlState& c, const Presentation& p, const Making& m) {
    const DWORD style = m.start | WS_TABSTOP | (c.desc->default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    return with_font(make(0, L"BUTTON", wide(c.text), style, m.rect, m.parent, c.id), p, dpi_);
}

HWND Win32WindowView::make_label(const ControlState& c, const Presentation& p, const Making& m) {
    // SS_NOTIFY: a plain static lets the mouse through to its parent.
    const DWORD style = m.start | SS_NOTIFY | SS_NOPREFIX | static_align(c.desc->align);
    return with_font(make(0, L"STATIC", wide(c.text), style, m.rect, m.parent, c.id), p, dpi_);
}

HWND Win32WindowView::make_group(const ControlState& c, const Presentation& p, const Making& m) {
    const ControlDesc& d = *c.desc;
    return with_font(
        make(0, L"BUTTON", wide(d.text), m.start | BS_GROUPBOX | group_align(d.align), m.rect, m.parent, c.id), p,
        dpi_);
}

HWND Win32WindowView::make_combo(const ControlState& c, const Presentation& p, const Making& m) {
    HWND h = make(0, L"COMBOBOX", L"", m.start | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT,
                  m.rect, m.parent, c.id);
    if (h == nullptr) return nullptr;
    add_items(c, h);
    // The dropped list asks for the combo box's colours too.
    if (COMBOBOXINFO info{}; (info.cbSize = sizeof info) && GetComboBoxInfo(h, &info) && info.hwndList != nullptr)
        owners_[info.hwndList] = c.id;
    with_font(h, p, dpi_);
    place_combo(c, h);
    return h;
}

HWND Win32WindowView::make_bar(const ControlState& c, const Presentation& p, const Making& m) {
    HWND h = make(0, PROGRESS_CLASSW, L"", m.start | (c.desc->continuous ? PBS_SMOOTH : 0), m.rect, m.parent, c.id);
    if (h == nullptr) return nullptr;
    if (p.colours.back) SendMessageW(h, PBM_SETBKCOLOR, 0, LPARAM(colorref(*p.colours.back, CLR_DEFAULT)));
    show_bar(c, h);
    return with_font(h, p, dpi_);
}

HWND Win32WindowView::make_tab(const ControlState& c, const Presentation& p, const Making& m) {
    const ControlDesc& d = *c.desc;
    HWND h = make(0, WC_TABCONTROLW, L"", m.start | tab_style(d), m.rect, m.parent, c.id);
    if (h == nullptr) return nullptr;
    SendMessageW(h, WM_SETFONT, WPARAM(font_of(p.font, dpi_)), FALSE);
    SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(0, strip_thickness(d.tab_side, p.font, dpi_)));
    for (std::string_view title : d.items) {
        std::wstring text = wide(title);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(h, TCM_INSERTITEMW, SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), LPARAM(&item));
    }
    SendMessageW(h, TCM_SETCURSEL, WPARAM(c.selection), 0);
    return h;
}

HWND Win32WindowView::make_picture(const ControlState& c, const Presentation&, const Making& m) {
    return make_picture_box(m.parent, m.rect, c.desc->picture, {c.border, c.display_mode, c.animate}, m.start);
}

HWND Win32WindowView::make_trans(const ControlState&, const Presentation&, const Making& m) {
    return make_trans_label(m.parent, m.rect, m.start);
}

void Win32WindowView::add_items(const ControlState& c, HWND combo) {
    for (int i = 0; i < c.item_count(); ++i) SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(wide(c.item(i)).c_str()));
    SendMessageW(combo, CB_SETCURSEL, WPARAM(c.selection), 0);
}

void Win32WindowView::show_menu(ControlId control, bool at_pointer) {
    const ControlState* c = state_.find(control);
    HWND h = handle_of(control);
    if (c == nullptr || c->desc == nullptr || h == nullptr || window_ == nullptr) return;
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    UINT command = 0;
    for (std::string_view entry : c->desc->menu) AppendMenuW(menu, MF_STRING, ++command, wide(entry).c_str());
    POINT at{};
    if (at_pointer) {
        GetCursorPos(&at);
    } else {
        RECT r;
        GetWindowRect(h, &r);
        at = {r.left, r.top + presentation_of(*c, dpi_).rect.height};
    }
    const WindowId window = state_.id;
    const int chosen = int(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                                          at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen > 0) menu_chosen(window, control, chosen - 1);
}

// A combo box's window is as high as it is dropped; its closed height is
// set through the height of its selection field, after any resize (wine
// takes a resize for a reason to grow the field to its font).
void Win32WindowView::place_combo(const ControlState& c, HWND combo) {
    const Geometry g = presentation_of(c, dpi_).rect;
    // Every entry at once, as the layout's lists show them, up to a list the
    // screen can hold.
    const int items = std::min(c.item_count(), 30);
    const int item = std::max(1, int(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0)));
    const int list = std::max(scaled(c.desc->drop_height, dpi_), items * item + 2);
    SetWindowPos(combo, nullptr, g.left, g.top, g.width, g.height + list, SWP_NOZORDER | SWP_NOACTIVATE);
    // The field's height as asked and as it comes out differ by a border
    // that depends on the system: ask again by the difference.
    int asked = int(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT now;
        GetWindowRect(combo, &now);
        const int missing = g.height - int(now.bottom - now.top);
        if (missing == 0) break;
        asked = std::max(1, asked + missing);
        SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), asked);
    }
}

void Win32WindowView::place(const ControlState& c, HWND handle) {
    const Geometry g = presentation_of(c, dpi_).rect;
    if (c.kind == Kind::ComboBox) return place_combo(c, handle);
    if (c.kind == Kind::TransLabel) return show_trans(c, handle);
    SetWindowPos(handle, nullptr, g.left, g.top, g.width, g.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a monitor of another scale: the window where the system suggests,
// at the scale at which it fits that monitor.
void Win32WindowView::moved_to_scale(int dpi, const RECT& suggested) {
    frame_dpi_ = dpi;
    const int fitting = fitting_dpi_on(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), *state_.desc,
                                       state_.self().geometry, dpi);
    rescale(fitting, POINT{suggested.left, suggested.top});
}

// The window at the size its layout has at the scale, its corner kept or
// moved to `corner`, and every control's font, rectangle and picture at the
// new scale.
void Win32WindowView::rescale(int dpi, std::optional<POINT> corner) {
    const bool new_scale = dpi > 0 && dpi != dpi_;
    if (new_scale) dpi_ = state_.dpi = dpi;
    RECT r = window_rect_of(*state_.desc, state_.self().geometry, dpi_, frame_dpi_);
    if (corner) OffsetRect(&r, corner->x - r.left, corner->y - r.top);
    placing_ = true;
    SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
    if (!new_scale) return;
    for (const ControlState& c : state_.controls) {
        HWND h = c.kind == Kind::Window ? nullptr : handle_of(c.id);
        if (h == nullptr || c.desc == nullptr) continue;
        const Presentation p = presentation_of(c, dpi_);
        if (c.kind != Kind::PicBox && c.kind != Kind::TransLabel) with_font(h, p, dpi_);
        if (c.kind == Kind::Tab)
            SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(0, strip_thickness(c.desc->tab_side, p.font, dpi_)));
        place(c, h);
        // A picture box's border is measured again at the new scale.
        if (c.kind == Kind::PicBox)
            SetWindowPos(h, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Win32WindowView::show_bar(const ControlState& c, HWND bar) {
    const BarShown shown = bar_shown(c);
    SendMessageW(bar, PBM_SETRANGE32, WPARAM(shown.low), LPARAM(shown.high));
    SendMessageW(bar, PBM_SETPOS, WPARAM(shown.position), 0);
}

void Win32WindowView::show_trans(const ControlState& c, HWND handle) {
    const Presentation p = presentation_of(c, dpi_);
    TransLook look;
    look.text = wide(c.text);
    look.font = font_of(p.font, dpi_);
    look.ink = label_ink(c);
    show_trans_look(handle, look, rect_of(p.rect));
}

void Win32WindowView::show_tip(const ControlState& c) {
    HWND tool = handle_of(c.id);
    if (tool == nullptr) return;
    if (tooltip_ == nullptr) {
        if (c.tool_tip.empty()) return;
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        if (tooltip_ == nullptr) return;
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);  // lets a tip hold several lines
    }
    std::wstring text = wide(c.tool_tip);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = UINT_PTR(tool);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, LPARAM(&info));
    if (text.empty()) return;
    info.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, LPARAM(&info));
}

void Win32WindowView::set_text(HWND handle, const Text& text) {
    setting_text_ = true;
    SetWindowTextW(handle, wide(text).c_str());
    setting_text_ = false;
}

void Win32WindowView::set_enabled(HWND handle, bool enabled) {
    const bool had_focus = handle == GetFocus();
    EnableWindow(handle, enabled);
    if (had_focus && !enabled) move_focus(false);
}

void Win32WindowView::refresh(ControlId control, int property) {
    const ControlState* c = state_.find(control);
    if (c == nullptr) return;
    // A window not made yet is made by being shown, and shows the rest then.
    if (c->kind == Kind::Window && (window_ != nullptr || (property == prop::Visible && c->visible)))
        return refresh_window(*c, property);
    if (window_ == nullptr) return;
    HWND h = handle_of(control);
    if (h == nullptr) return;
    switch (aspect_of(property)) {
        case Aspect::Rectangle: return place(*c, h);
        case Aspect::Visibility: {
            const bool shown = state_.shown_on_parent(*c);
            if (!shown && h == GetFocus()) move_focus(false);
            ShowWindow(h, shown ? SW_SHOWNA : SW_HIDE);
            return;
        }
        case Aspect::Enabled: return set_enabled(h, !c->disabled);
        case Aspect::Tip: return show_tip(*c);
        case Aspect::Pointer:  // asked for as the pointer moves (WM_SETCURSOR)
        case Aspect::Kept: return;
        case Aspect::Own: return refresh_own(*c, h, property);
    }
}

void Win32WindowView::refresh_window(const ControlState& c, int property) {
    switch (aspect_of(property)) {
        case Aspect::Rectangle: return rescale(state_.dpi, std::nullopt);  // placed anew, perhaps at another scale
        case Aspect::Visibility:
            if (c.visible)
                show_and_activate();
            else
                ShowWindow(window_, SW_HIDE);
            return;
        case Aspect::Enabled: EnableWindow(window_, !c.disabled); return;
        case Aspect::Own: SetWindowTextW(window_, wide(c.text).c_str()); return;
        case Aspect::Tip: show_tip(c); return;
        case Aspect::Pointer:  // asked for as the pointer moves (WM_SETCURSOR)
        case Aspect::Kept: return;
    }
}

void Win32WindowView::refresh_own(const ControlState& c, HWND h, int property) {
    switch (c.kind) {
        case Kind::EditBox:
        case Kind::Button:
        case Kind::Label: return set_text(h, c.text);
        case Kind::TransLabel: return show_trans(c, h);
        case Kind::ComboBox:
            if (property == prop::ComboItems) {
                SendMessageW(h, CB_RESETCONTENT, 0, 0);
                add_items(c, h);
                place_combo(c, h);
            }
            SendMessageW(h, CB_SETCURSEL, WPARAM(c.selection), 0);
            return;
        case Kind::ProgressBar: return show_bar(c, h);
        case Kind::PicBox:
            if (property == prop::PicBorder) set_picture_border(h, c.border);
            if (property == prop::PicDisplayMode) set_picture_mode(h, c.display_mode);
            if (property == prop::PicAnimate) set_picture_animate(h, c.animate);
            return;
        default: return;
    }
}

void Win32WindowView::refresh_pages(ControlId tab, bool by_user) {
    const ControlState* t = state_.find(tab);
    HWND tabs = handle_of(tab);
    if (t == nullptr || tabs == nullptr) return;
    const PageChange change = page_change(state_, *t, by_user);
    if (SendMessageW(tabs, TCM_GETCURSEL, 0, 0) != change.page)
        SendMessageW(tabs, TCM_SETCURSEL, WPARAM(change.page), 0);
    make_controls(parts_.make({tab, change.page}));
    for (ControlId hidden : change.hide)
        if (HWND h = handle_of(hidden)) ShowWindow(h, SW_HIDE);
    for (ControlId shown : change.show)
        if (HWND h = handle_of(shown)) ShowWindow(h, SW_SHOWNA);
    if (change.focus)
        if (HWND h = handle_of(*change.focus)) focus_control(h, true);
}

std::vector<HWND> Win32WindowView::tab_order() const {
    std::vector<HWND> order;
    for (const ControlState& c : state_.controls)
        if (takes_focus(c.kind))
            if (HWND h = handle_of(c.id)) order.push_back(h);
    return order;
}

void Win32WindowView::focus_control(HWND handle, bool by_keyboard) {
    SetFocus(handle);
    // As the dialog manager does: an edit box entered by the keyboard has its text selected.
    if (by_keyboard && control_of(handle) != nullptr && control_of(handle)->kind == Kind::EditBox)
        SendMessageW(handle, EM_SETSEL, 0, -1);
}

void Win32WindowView::move_focus(bool backwards) {
    const std::vector<HWND> order = tab_order();
    const int n = int(order.size());
    if (n == 0) return;
    const auto at = std::find(order.begin(), order.end(), GetFocus());
    const int from = at == order.end() ? (backwards ? 0 : -1) : int(at - order.begin());
    for (int step = 1; step <= n; ++step) {
        HWND h = order[std::size_t(((from + (backwards ? -step : step)) % n + n) % n)];
        if (IsWindowVisible(h) && IsWindowEnabled(h)) return focus_control(h, true);
    }
}

void Win32WindowView::focus_next() { move_focus(false); }

void Win32WindowView::focus(ControlId control) {
    HWND h = handle_of(control);
    if (h == nullptr) return;
    // An inactive window gets it back when it is activated.
    if (GetActiveWindow() == window_)
        focus_control(h, false);
    else
        focus_kept_ = h;
}

void Win32WindowView::show_and_activate() {
    make_window();
    if (window_ == nullptr) return;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Win32WindowView::dismantle() {
    dismantled_ = true;
    if (window_ == nullptr) return;
    HWND w = window_;
    views().erase(w);
    // From here on no message reaches this view: none may raise an event.
    window_ = nullptr;
    retire_form_window(w);
    handles_.clear();
    owners_.clear();
    DestroyWindow(w);
    tooltip_ = nullptr;  // an owned window, gone with its owner
    if (icon_ != nullptr) DestroyIcon(icon_);
    icon_ = nullptr;
}

}  // namespace forms::win32

namespace forms {

std::unique_ptr<WindowView> make_window_view(LoadedWindow& window) {
    win32::become_scale_aware();  // before the model asks the screen's scale
    return std::make_unique<win32::Win32WindowView>(window);
}

}  // namespace forms
