#include "platform/linux/display_check.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Qt picks xcb unless QT_QPA_PLATFORM names another platform, or the session
// is Wayland's, whose own display Qt may use.
bool qt_uses_x() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') return std::string_view(platform).starts_with("xcb");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland == nullptr || *wayland == '\0';
}

}  // namespace

DisplayProbe::DisplayProbe() {
    if (!qt_uses_x()) return;
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) == 0) return;
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        std::fputs("yanzhou-search: cannot open a display: DISPLAY is not set\n", stderr);
    else
        std::fprintf(stderr, "yanzhou-search: cannot open display \"%s\"\n", display);
    std::fflush(stderr);
    _exit(1);
}

DisplayProbe::~DisplayProbe() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
}
