#pragma once
// What the form model knows about each loaded window and its controls. The
// views (forms/qt, forms/win32) show this state; they never decide it. Values are kept
// as the program wrote them (a progress position above the maximum stays
// what it was written as), so that reading a property gives back exactly
// what was stored.
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "forms/description.h"
#include "forms/placement.h"
#include "forms/wiring.h"
#include "platform/text.h"

namespace forms {

class WindowView;

// A control's current properties; for the window itself, geometry is the
// outer rectangle on the screen and visible its own flag.
struct ControlState : ControlProperties {
    const ControlDesc* desc = nullptr;  // nullptr for the window itself
    Text tag;
    Text tool_tip;
    Text text;  // caption or content
    // A list's entries once a write replaced the layout's (prop::ComboItems).
    std::optional<std::vector<Text>> written_items;
    int item_count() const;
    Text item(int index) const;                                // empty outside the list
    std::optional<std::chrono::steady_clock::time_point> due;  // a running timer's next tick
};

struct LoadedWindow {
    const WindowDesc* desc = nullptr;
    std::span<const Wire> wiring;
    WindowId id = 0;
    std::vector<ControlState> controls;  // [0] is the window itself
    bool creating = true;
    bool destroying = false;
    bool visibility_written = false;  // a handler chose the visibility while loading
    bool catching_up = false;         // running the ticks its hidden timers owe
    std::optional<WindowId> parent;
    // Windows a modal load disabled, with the enabled state each had.
    std::vector<std::pair<WindowId, bool>> disabled_by_modal;
    std::unique_ptr<WindowView> view;
    int dpi = 96;  // the scale it is shown at (forms/placement.h)

    ControlState& self() { return controls.front(); }
    ControlState* find(ControlId control);
    const ControlState* find(ControlId control) const;

    // Whether the control's own widget should be shown: its own flag, and
    // for a control on a tab page, that page being current.
    bool shown_on_parent(const ControlState& c) const;
    // Whether the control can be seen now: shown on its parent, every parent
    // shown, and the window itself shown.
    bool visible_now(const ControlState& c) const;
    // The first enabled control that takes the focus on a page of a tab
    // control, searching group boxes on the page too, in description order.
    std::optional<ControlId> first_focusable_on_page(ControlId tab, int page) const;
    // Whether the control lies somewhere inside the given parent.
    bool is_inside(const ControlState& c, ControlId ancestor) const;

    ~LoadedWindow();
};

// Builds the state of a window from its description, centred on the screen.
std::unique_ptr<LoadedWindow> make_window_state(const WindowDesc& desc, int screen_width, int screen_height);

// Where a window goes and at what scale: `corner`, or centred when there is
// none (forms/placement.h).
Placement placement_for(const LoadedWindow& w, std::optional<ScreenPoint> corner);

// The table of loaded windows.
LoadedWindow* find_loaded(WindowId window);
void add_loaded(std::unique_ptr<LoadedWindow> window);
std::unique_ptr<LoadedWindow> take_loaded(WindowId window);
std::vector<WindowId> loaded_ids();

// Clamps of the common and kind-specific properties.
int clamp_position(int value);  // left, top
int clamp_extent(int value);    // width, height
int clamp_bar(int value);       // progress minimum, maximum, position

}  // namespace forms
