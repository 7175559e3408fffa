// The screen size and the clock come from the platform, so that tests can fix them.
#include "host/host.h"
#include "platform/platform.h"

std::int32_t ScreenWidth() { return platform().screen_width(); }
std::int32_t ScreenHeight() { return platform().screen_height(); }
ScreenArea ScreenWorkArea() { return platform().work_area(); }
ScreenSize FramedWindowExtent(ScreenSize layout) { return platform().framed_extent(layout); }
DateTime CurrentDateTime() { return platform().now(); }
