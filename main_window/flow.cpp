#include "main_window/flow.h"

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

}  // namespace

void on_main_created() {
    search::start_with_reader_catalogue(search_strip);
    search::refresh_search_caption(search_strip);
    if (settings_stored()) {
        apply_skin(stored_skin());
    } else {
        apply_skin(first_start_skin);
        store_skin(std::to_string(first_start_skin));
    }
    place_main_window();
}

// At (screen width - 1430, screen height - 800), moved wholly onto the work
// area, frame included, where the screen is smaller than that asks for.
void place_main_window() {
    forms::PlaceWindow(id, forms::ScreenPoint{static_cast<std::int32_t>(ScreenWidth() - horizontal_offset),
                                              static_cast<std::int32_t>(ScreenHeight() - vertical_offset)});
}

void update_clock() { forms::WriteProperty(id, clock_label, prop::TransCaption, ToText(CurrentDateTime())); }

void end_program_on_main_destroyed() { EndProgram(0); }

}  // namespace main_window
