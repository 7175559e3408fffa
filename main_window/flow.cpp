#include "main_window/flow.h"

#include <algorithm>
#include <string>

#include "forms/model.h"
#include "host/host.h"
#include "host/settings.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "search/search.h"
#include "skins/skins.h"

namespace main_window {
namespace {

namespace prop = forms::prop;

constexpr int first_start_skin = 6;
constexpr double horizontal_offset = 1430;
constexpr double vertical_offset = 800;

// A window with no pixel on the screen would run unseen: it is moved the
// least distance that puts all of it on the area left to windows.
ScreenArea in_sight(ScreenArea window) {
    const bool some_on_screen = window.left < ScreenWidth() && window.left + window.width > 0 &&
                                window.top < ScreenHeight() && window.top + window.height > 0;
    if (some_on_screen) return window;
    const ScreenArea work = ScreenWorkArea();
    window.left = std::max(work.left, std::min(window.left, work.left + work.width - window.width));
    window.top = std::max(work.top, std::min(window.top, work.top + work.height - window.height));
    return window;
}

}  // namespace

void on_main_created() {
    search::refresh_search_caption(search_strip);
    if (settings_stored()) {
        apply_skin(stored_skin());
    } else {
        apply_skin(first_start_skin);
        store_skin(std::to_string(first_start_skin));
    }
    place_main_window();
}

// Not clamped while any of it is seen: on a small screen the window starts
// partly off it.
void place_main_window() {
    const ScreenArea placed = in_sight({static_cast<std::int32_t>(ScreenWidth() - horizontal_offset),
                                        static_cast<std::int32_t>(ScreenHeight() - vertical_offset),
                                        forms::ReadInteger(id, 窗口, prop::Width),
                                        forms::ReadInteger(id, 窗口, prop::Height)});
    forms::WriteProperty(id, 窗口, prop::Left, placed.left);
    forms::WriteProperty(id, 窗口, prop::Top, placed.top);
}

void update_clock() { forms::WriteProperty(id, clock_label, prop::TransCaption, ToText(CurrentDateTime())); }

void end_program_on_main_destroyed() { EndProgram(0); }

}  // namespace main_window
