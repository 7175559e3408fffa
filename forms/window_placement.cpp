// A loaded window's place and scale on the screen, by the placement rule.
#include "forms/host_hooks.h"
#include "forms/model.h"
#include "forms/window_state.h"

namespace forms {

Placement placement_for(const LoadedWindow& w, std::optional<ScreenPoint> corner) {
    const Geometry& g = w.controls.front().geometry;
    return place_window({g.width, g.height}, w.desc->frame, corner, host::screen_facts());
}

void PlaceWindow(WindowId window, std::optional<ScreenPoint> corner) {
    LoadedWindow* w = find_loaded(window);
    if (w == nullptr) return;
    const Placement placed = placement_for(*w, corner);
    w->dpi = placed.dpi;
    WriteProperty(window, w->desc->self, prop::Left, placed.window.left);
    WriteProperty(window, w->desc->self, prop::Top, placed.window.top);
}

}  // namespace forms
