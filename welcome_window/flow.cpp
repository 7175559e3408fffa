#include "welcome_window/flow.h"

#include "forms/model.h"
#include "host/settings.h"
#include "main_window/controls.h"
#include "skins/skins.h"
#include "welcome_window/controls.h"

namespace welcome_window {
namespace {

namespace prop = forms::prop;

constexpr int welcome_skin = 1;

}  // namespace

void on_welcome_created() {
    apply_skin(welcome_skin);
    if (settings_stored()) enter_main_window();
}

// One step per tick. The bar stores whatever is written, so the position keeps
// growing past the maximum and the two meet on the hundredth tick alone.
void advance_welcome_progress() {
    forms::WriteProperty(id, loading_bar, prop::BarPosition,
                         forms::ReadInteger(id, loading_bar, prop::BarPosition) + 1);
    if (forms::ReadInteger(id, loading_bar, prop::BarPosition) ==
        forms::ReadInteger(id, loading_bar, prop::BarMaximum)) {
        forms::WriteProperty(id, enter_button, prop::Visible, true);
        forms::WriteProperty(id, loading_bar, prop::Visible, false);
    }
}

void enter_main_window() {
    forms::WriteProperty(id, 窗口, prop::Visible, false);
    LoadWindow(main_window::id, std::nullopt, true);
}

}  // namespace welcome_window
