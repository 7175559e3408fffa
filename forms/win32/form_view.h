#pragma once
// The Win32 view of one loaded window: the real controls made from the
// model's state, every later change of the state shown on them, and what the
// reader does with them reported through forms/dispatch.h.
//
// Anything that reports to the model may end the window, and this view with
// it: a message handler returns at once after such a call.
#include <windows.h>

#include <map>
#include <set>
#include <vector>

#include "forms/parts_made.h"
#include "forms/presentation.h"
#include "forms/view.h"

namespace forms::win32 {

class Win32WindowView final : public WindowView {
public:
    explicit Win32WindowView(LoadedWindow& window);
    ~Win32WindowView() override;

    void create() override;
    void refresh(ControlId control, int property) override;
    void refresh_pages(ControlId tab, bool by_user) override;
    void focus_next() override;
    void focus(ControlId control) override;
    void show_menu(ControlId control, bool at_pointer) override;
    void show_and_activate() override;
    void dismantle() override;

    HWND handle_of(ControlId control) const;
    // The same, making the window and every page first if it is not made
    // yet (for tests).
    HWND made_handle_of(ControlId control);
    // The control (or the window itself) a window handle belongs to;
    // nullptr for a handle that is not ours.
    const ControlState* control_of(HWND handle) const;

    // Messages of the top-level window (form_window.cpp).
    LRESULT on_message(HWND w, UINT message, WPARAM wp, LPARAM lp);
    // The answer to WM_CTLCOLOR* for `control`: the colours its description
    // states, over `below`, the answer of the system (or of a skin) that
    // gives the rest.
    LRESULT colors(UINT message, HDC dc, HWND control, LRESULT below) const;
    bool retired() const { return window_ == nullptr; }
    HWND window() const { return window_; }

    // A key or a press on its way to one of our windows: true when it must
    // not be dispatched (input.cpp).
    bool before_dispatch(MSG& message);

private:
    // Where and how a control's window is made: its parent, its rectangle,
    // and WS_VISIBLE and WS_DISABLED as it starts.
    struct Making {
        HWND parent;
        RECT rect;
        DWORD start;
    };
    using Maker = HWND (Win32WindowView::*)(const ControlState&, const Presentation&, const Making&);

    void make_window();
    void make_controls(const std::vector<const ControlState*>& controls);
    // One maker for each kind; each makes the control as it starts.
    HWND make_control(const ControlState& c, const Presentation& p, HWND parent);
    HWND make_nothing(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_edit(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_button(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_label(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_group(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_combo(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_bar(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_tab(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_picture(const ControlState& c, const Presentation& p, const Making& m);
    HWND make_trans(const ControlState& c, const Presentation& p, const Making& m);
    void register_handle(HWND handle, ControlId control);
    void place(const ControlState& c, HWND handle);
    void place_combo(const ControlState& c, HWND combo);
    void rescale(int dpi, std::optional<POINT> corner);
    void moved_to_scale(int dpi, const RECT& suggested);
    void add_items(const ControlState& c, HWND combo);
    void refresh_window(const ControlState& c, int property);
    void refresh_own(const ControlState& c, HWND handle, int property);
    void show_trans(const ControlState& c, HWND handle);
    void show_bar(const ControlState& c, HWND bar);
    void show_tip(const ControlState& c);
    void set_text(HWND handle, const Text& text);
    void set_enabled(HWND handle, bool enabled);

    std::vector<HWND> tab_order() const;
    void move_focus(bool backwards);
    void focus_control(HWND handle, bool by_keyboard);

    void notified(HWND from, UINT code);
    void tab_notified(const NMHDR& header);
    void edit_changed(HWND edit, const ControlState& c);
    void placed_by_reader();
    void activated(bool active);
    // Whether this view still shows `window` after a report to the model.
    bool still_shows(WindowId window) const;
    bool key_down(MSG& message);
    bool press(const MSG& message);

    LoadedWindow& state_;
    PartsMade parts_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HICON icon_ = nullptr;
    std::map<ControlId, HWND> handles_;
    std::map<HWND, ControlId> owners_;
    std::set<ControlId> commits_posted_;
    HWND focus_kept_ = nullptr;  // the focus while the window was not active
    bool placing_ = false;       // our own moves of the window are no news
    bool setting_text_ = false;  // our own edit box texts are no typing
    bool dismantled_ = false;
    int dpi_ = unscaled_dpi;        // the scale the window is shown at
    int frame_dpi_ = unscaled_dpi;  // the scale of the monitor it is on, at which the system draws its frame
};

// The view whose top-level window `handle` lies in, or nullptr.
Win32WindowView* view_of(HWND handle);

}  // namespace forms::win32
