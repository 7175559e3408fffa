#include "forms/placement.h"

#include <algorithm>

#include "forms/presentation.h"

namespace forms {
namespace {

// The start of a span of `length` moved the least onto [low, low + room);
// its start when it cannot fit.
std::int32_t onto(std::int32_t start, std::int32_t length, std::int32_t low, std::int32_t room) {
    return std::max(low, std::min(start, low + room - length));
}

// The usual scale steps lie a quarter of 100 % apart.
constexpr int scale_step = unscaled_dpi / 4;

bool fits(ScreenSize extent, ScreenArea work) { return extent.width <= work.width && extent.height <= work.height; }

}  // namespace

ScreenArea wholly_on(ScreenArea window, ScreenArea work) {
    window.left = onto(window.left, window.width, work.left, work.width);
    window.top = onto(window.top, window.height, work.top, work.height);
    return window;
}

ScreenSize outer_extent(ScreenSize layout, Frame frame, int dpi, const ScreenFacts& screen) {
    const FrameMargins classic = classic_frame(frame);
    const ScreenSize extra =
        frame == Frame::None
            ? ScreenSize{}
            : screen.caption_frame.value_or(ScreenSize{classic.left + classic.right, classic.top + classic.bottom});
    const Geometry client = client_of({0, 0, layout.width, layout.height}, frame);
    return {scaled(client.width, dpi, screen.unit_dpi) + extra.width,
            scaled(client.height, dpi, screen.unit_dpi) + extra.height};
}

int fitting_dpi(ScreenSize layout, Frame frame, const ScreenFacts& screen) {
    if (screen.dpi <= unscaled_dpi || fits(outer_extent(layout, frame, screen.dpi, screen), screen.work))
        return screen.dpi;
    // The steps below the screen's own scale, largest first.
    for (int dpi = (screen.dpi - 1) / scale_step * scale_step; dpi > unscaled_dpi; dpi -= scale_step)
        if (fits(outer_extent(layout, frame, dpi, screen), screen.work)) return dpi;
    return unscaled_dpi;
}

Placement place_window(ScreenSize layout, Frame frame, std::optional<ScreenPoint> origin, const ScreenFacts& screen) {
    const int dpi = fitting_dpi(layout, frame, screen);
    const ScreenSize extent = outer_extent(layout, frame, dpi, screen);
    // Integer division truncates toward zero, as the layouts ask.
    const ScreenPoint corner =
        origin.value_or(ScreenPoint{(screen.size.width - extent.width) / 2, (screen.size.height - extent.height) / 2});
    return {dpi, wholly_on({corner.left, corner.top, extent.width, extent.height}, screen.work)};
}

}  // namespace forms
