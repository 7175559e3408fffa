// The screen size and the clock come from the platform, so that tests can fix them.
#include "host/host.h"
#include "platform/platform.h"

std::int32_t ScreenWidth() { return platform().screen_width(); }
std::int32_t ScreenHeight() { return platform().screen_height(); }
ScreenArea ScreenWorkArea() { return platform().work_area(); }
std::int32_t ScreenDpi() { return platform().screen_dpi(); }
std::int32_t ScreenUnitDpi() { return platform().screen_unit_dpi(); }
std::optional<ScreenSize> CaptionFrame(std::int32_t dpi) { return platform().caption_frame(dpi); }
DateTime CurrentDateTime() { return platform().now(); }
