#pragma once
// How the engine paints the controls it draws itself, in the skin's colours.
// Each painter draws the whole client area of its control into the given DC,
// so WM_PAINT and WM_PRINTCLIENT share it.
#include <windows.h>

#include "skins/engine/windows/look.h"

namespace she::win {

// What shows behind the controls of a window: the skin's page colour on a
// tab control and anything inside one, else the window background (its
// texture aligned with the top-level window, so that it runs on seamlessly
// behind the control painting with it).
HBRUSH surface_brush(const Look& look, HWND window, HWND control, HDC control_dc);

void paint_push_button(const Look& look, HWND button, HDC dc, bool hot);
void paint_group_box(const Look& look, HWND box, HDC dc);
void paint_tabs(const Look& look, HWND tabs, HDC dc, int hot_item);
void paint_progress(const Look& look, HWND bar, HDC dc);
// The frame of an edit box, over what the system drew in its non-client area.
void paint_edit_frame(const Look& look, HWND edit);

}  // namespace she::win
