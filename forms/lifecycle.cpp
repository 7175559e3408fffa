// Loading and destroying windows, and the message loops that wait on them.
#include <vector>

#include "forms/dispatch.h"
#include "forms/host_hooks.h"
#include "forms/model.h"
#include "forms/timers.h"
#include "forms/view.h"

namespace forms {

namespace {

std::vector<DescribedWindow>& registry() {
    static std::vector<DescribedWindow> windows;
    return windows;
}

const DescribedWindow* find_described(WindowId window) {
    for (const DescribedWindow& d : registry())
        if (d.layout != nullptr && d.layout->id == window) return &d;
    return nullptr;
}

bool message_loop_started = false;
bool quit_posted = false;

// Windows that a modal load disables: every other loaded window.
void disable_others(LoadedWindow& modal) {
    for (WindowId id : loaded_ids()) {
        if (id == modal.id) continue;
        LoadedWindow* other = find_loaded(id);
        modal.disabled_by_modal.emplace_back(id, !other->self().disabled);
        other->self().disabled = true;
        other->view->refresh(other->desc->self, prop::Disabled);
    }
}

void restore_others(LoadedWindow& modal) {
    for (auto [id, enabled] : modal.disabled_by_modal) {
        if (LoadedWindow* other = find_loaded(id)) {
            other->self().disabled = !enabled;
            other->view->refresh(other->desc->self, prop::Disabled);
        }
    }
    modal.disabled_by_modal.clear();
}

}  // namespace

void DescribeWindows(std::span<const DescribedWindow> windows) { registry().assign(windows.begin(), windows.end()); }

bool IsLoaded(WindowId window) { return find_loaded(window) != nullptr; }

void destroy_window(WindowId window) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr || w->destroying) return;
    catch_up(*w);
    w->destroying = true;
    restore_others(*w);
    raise(window, w->desc->self, event::Destroying);
    std::unique_ptr<LoadedWindow> gone = take_loaded(window);
    if (gone == nullptr) return;
    gone->view->dismantle();
    gone.reset();
    schedule_timers();
    if (message_loop_started && loaded_ids().empty()) quit_posted = true;
    wake_loops();
}

}  // namespace forms

using namespace forms;

bool LoadWindow(WindowId window, std::optional<WindowId> parent, bool modal) {
    const DescribedWindow* described = find_described(window);
    if (described == nullptr) return false;
    const WindowDesc* desc = described->layout;
    if (!modal && parent.has_value() && !IsLoaded(*parent)) return false;
    if (LoadedWindow* already = find_loaded(window)) {
        // One window of each description at a time: loading it again brings it up.
        if (already->self().visible) already->view->show_and_activate();
        return true;
    }

    auto state = make_window_state(*desc, host::screen_width(), host::screen_height());
    state->wiring = described->wiring;
    if (!modal) state->parent = parent;
    LoadedWindow& w = *state;
    w.view = make_window_view(w);
    // Asked once the view is made: the display tells the scale only then.
    const Placement placed = placement_for(
        w, desc->centred ? std::nullopt : std::optional(ScreenPoint{desc->geometry.left, desc->geometry.top}));
    w.dpi = placed.dpi;
    w.self().geometry.left = placed.window.left;
    w.self().geometry.top = placed.window.top;
    add_loaded(std::move(state));
    w.view->create();
    start_timers(w);
    w.creating = false;

    const ControlId self = desc->self;
    raise(window, self, event::Created);
    if (IsLoaded(window)) raise(window, self, event::Moved);
    if (IsLoaded(window)) raise(window, self, event::Resized);
    LoadedWindow* loaded = find_loaded(window);
    if (loaded == nullptr) return true;

    // A handler that already showed or hid the window while it loaded has
    // the last word; otherwise the description decides.
    bool shown = false;
    if (!loaded->visibility_written && desc->visible) {
        loaded->self().visible = true;
        loaded->view->show_and_activate();
        shown = true;
    } else {
        shown = loaded->self().visible;
    }
    schedule_timers();

    if (modal) {
        disable_others(*loaded);
        if (shown) run_loop_until([window] { return !IsLoaded(window) || quit_posted; });
    }
    return true;
}

void RunStartupWindow(WindowId window) {
    if (!LoadWindow(window, std::nullopt, false)) host::fatal_error("载入启动窗口失败");
}

void RunMessageLoop() {
    if (loaded_ids().empty()) return;
    message_loop_started = true;
    quit_posted = false;
    run_loop_until([] { return quit_posted; });
    message_loop_started = false;
}
