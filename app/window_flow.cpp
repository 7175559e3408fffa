#include "app/window_flow.h"

#include <algorithm>
#include <string>

#include "app/host.h"
#include "app/settings.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "forms/welcome_window/welcome_window.h"
#include "search/search.h"
#include "skins/skins.h"

namespace prop = forms::prop;

namespace {

constexpr int welcome_skin = 1;
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

void on_welcome_created() {
    apply_skin(welcome_skin);
    if (FileExists(settings_file_path())) enter_main_window();
}

// One step per tick. The bar stores whatever is written, so the position keeps
// growing past the maximum and the two meet on the hundredth tick alone.
void advance_welcome_progress() {
    using namespace welcome_window;
    forms::WriteProperty(id, loading_bar, prop::BarPosition, forms::ReadInteger(id, loading_bar, prop::BarPosition) + 1);
    if (forms::ReadInteger(id, loading_bar, prop::BarPosition) == forms::ReadInteger(id, loading_bar, prop::BarMaximum)) {
        forms::WriteProperty(id, enter_button, prop::Visible, true);
        forms::WriteProperty(id, loading_bar, prop::Visible, false);
    }
}

void enter_main_window() {
    forms::WriteProperty(welcome_window::id, welcome_window::窗口, prop::Visible, false);
    LoadWindow(main_window::id, std::nullopt, true);
}

void on_main_created() {
    refresh_search_caption();
    if (FileExists(settings_file_path())) {
        apply_skin(ToInteger(ReadSetting(settings_file_path(), settings_section, skin_key)));
    } else {
        apply_skin(first_start_skin);
        WriteSetting(settings_file_for_writing(), settings_section, skin_key, std::to_string(first_start_skin));
    }
    place_main_window();
}

// Not clamped while any of it is seen: on a small screen the window starts
// partly off it.
void place_main_window() {
    using namespace main_window;
    const ScreenArea placed = in_sight({static_cast<std::int32_t>(ScreenWidth() - horizontal_offset),
                                        static_cast<std::int32_t>(ScreenHeight() - vertical_offset),
                                        forms::ReadInteger(id, 窗口, prop::Width),
                                        forms::ReadInteger(id, 窗口, prop::Height)});
    forms::WriteProperty(id, 窗口, prop::Left, placed.left);
    forms::WriteProperty(id, 窗口, prop::Top, placed.top);
}

void update_clock() {
    forms::WriteProperty(main_window::id, main_window::clock_label, prop::TransCaption, ToText(CurrentDateTime()));
}

void end_program_on_main_destroyed() { EndProgram(0); }
