#pragma once
// Where a top-level window goes on the desktop, and at what scale. Toolkit-free:
// the screen, its work area, its scale and the system's frame come from the platform.
#include <optional>

#include "forms/description.h"
#include "platform/text.h"

namespace forms {

// The window, whose extent includes its frame, at its own position when all of
// it lies on the work area; otherwise moved the least distance that puts it
// wholly there. A window wider or taller than the area keeps its left edge and
// its title bar on it, where the reader can grab it.
ScreenArea wholly_on(ScreenArea window, ScreenArea work);

// The screen a window opens on, as the system tells it.
struct ScreenFacts {
    ScreenSize size;
    ScreenArea work;
    int dpi = 96;  // its scale: 96 at 100 %
    // The scale at which one unit of the screen's coordinates is one pixel of
    // a layout: 96 where they are the device's own pixels and the program
    // scales its windows itself; the screen's scale where the toolkit does.
    int unit_dpi = 96;
    // What the system's frame adds to a captioned window's client area, in
    // screen units. It is drawn at the screen's scale whatever the scale of
    // the window's contents. Where the system cannot tell before the window
    // shows, the layouts' classic frame stands in, as it does around a
    // window the toolkit scales.
    std::optional<ScreenSize> caption_frame;
};

// The outer extent, in screen units, of a window of that layout (its outer
// size in the classic frame) shown at `dpi`.
ScreenSize outer_extent(ScreenSize layout, Frame frame, int dpi, const ScreenFacts& screen);

// The scale a window is shown at: the screen's, where the whole window fits
// the work area at it; otherwise the largest of the usual steps (100, 125,
// 150 % ...) below it at which it does, and 100 % where none does. A screen
// below 100 % keeps its own.
int fitting_dpi(ScreenSize layout, Frame frame, const ScreenFacts& screen);

struct ScreenPoint {
    std::int32_t left = 0, top = 0;
};
struct Placement {
    int dpi = 96;
    ScreenArea window;  // outer, in screen units
};
// A window at its fitting scale, its corner at `origin`, or centred on the
// screen in the size it has at that scale when there is none (at 100 % that
// is the layout's centre), then moved wholly onto the work area.
Placement place_window(ScreenSize layout, Frame frame, std::optional<ScreenPoint> origin, const ScreenFacts& screen);

}  // namespace forms
