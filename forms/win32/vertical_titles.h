#pragma once
// Titles of a tab strip on the right, in the vertical face the layout names
// ("@宋体"): the characters stand upright, one under the other. The tab
// control draws its tabs, and the titles in them through WM_DRAWITEM, since
// the system's own turned text does not keep such a face inside the tab.
#include <windows.h>

namespace forms::win32 {

void draw_vertical_title(const DRAWITEMSTRUCT& item);

}  // namespace forms::win32
