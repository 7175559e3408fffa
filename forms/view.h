#pragma once
// The seam between the form model and the widgets that show it. The model
// decides every value, and forms/presentation.h how a control looks; a view
// only shows the state of its LoadedWindow and reports what the reader did
// through forms/dispatch.h. Each build has one view: forms/qt (Qt widgets) on
// Linux, forms/win32 (Win32 controls) on Windows; nothing here names a
// toolkit type.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "forms/window_state.h"

namespace forms {

class WindowView {
public:
    virtual ~WindowView() = default;
    // The window is being loaded. Widgets may wait until they are first
    // shown: until then the state is all there is, and a widget made later
    // shows the state as it is then. No event is raised.
    virtual void create() = 0;
    // A property of a control (or of the window) changed in the state.
    virtual void refresh(ControlId control, int property) = 0;
    // The current page of a tab control changed: hide and show its pages'
    // controls; by_user also moves the focus onto the page.
    virtual void refresh_pages(ControlId tab, bool by_user) = 0;
    // Moves the keyboard focus to the next control in tab order.
    virtual void focus_next() = 0;
    // Gives the keyboard focus to a control that can be seen.
    virtual void focus(ControlId control) = 0;
    // Shows the control's menu (ControlDesc::menu) at the pointer, or under
    // the control when opened from the keyboard, and reports the entry the
    // reader chooses through menu_chosen (forms/dispatch.h).
    virtual void show_menu(ControlId control, bool at_pointer) = 0;
    // Shows the window and makes it the active one.
    virtual void show_and_activate() = 0;
    // The window is going away: let go of the widgets. No event may come
    // from the view after this.
    virtual void dismantle() = 0;
};

// Made by the display for a window whose state is complete. The view keeps
// a reference to the state, which outlives it.
std::unique_ptr<WindowView> make_window_view(LoadedWindow& window);

// Message loops of the display.
// Runs the event loop until done() is true after some event; other windows'
// events and timers are served meanwhile.
void run_loop_until(const std::function<bool()>& done);
// Wakes every running loop so that each checks its condition again.
void wake_loops();

// The one wake-up of all form timers (forms/timers.h): timers_due() runs at
// `when`, or at once when it has passed; none when empty. Each call replaces
// the wake-up set before.
void wake_timers_at(std::optional<std::chrono::steady_clock::time_point> when);

}  // namespace forms
