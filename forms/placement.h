#pragma once
// Where a top-level window goes on the desktop. Toolkit-free: the screen, its
// work area and the window's outer extent come from the platform.
#include "platform/text.h"

namespace forms {

// The window, whose extent includes its frame, at its own position when all of
// it lies on the work area; otherwise moved the least distance that puts it
// wholly there. A window wider or taller than the area keeps its left edge and
// its title bar on it, where the reader can grab it.
ScreenArea wholly_on(ScreenArea window, ScreenArea work);

}  // namespace forms
