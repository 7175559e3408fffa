#include "platform/linux/display_check.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The program places its windows and keeps them on top through X, so Qt is
// told to use X (application.cpp) unless QT_QPA_PLATFORM names another
// platform (a test's offscreen one); a Wayland session changes nothing.
bool qt_uses_x() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform == nullptr || *platform == '\0' || std::string_view(platform).starts_with("xcb");
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
