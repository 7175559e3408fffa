#pragma once
// The top-level window of a loaded window, a class of our own, and the
// containers (group boxes, tab controls) whose children's notifications it
// takes in their place.
#include <windows.h>

#include <string>

#include "forms/description.h"

namespace forms::win32 {

class Win32WindowView;

// Where a window whose layout gives it `outer` lies on the screen at the
// scale: its top left corner where the layout puts it, its client area the
// layout's (forms/presentation.h) at the scale, and around that the frame
// the system draws at the scale of the monitor it is on, `frame_dpi`.
RECT window_rect_of(const WindowDesc& desc, const Geometry& outer, int dpi, int frame_dpi);
// The scale at which a window of that layout fits the work area of
// `monitor`, whose own scale is `dpi` (forms/placement.h).
int fitting_dpi_on(HMONITOR monitor, const WindowDesc& desc, const Geometry& outer, int dpi);
// The window at that rectangle, hidden; its messages go to `view`.
HWND make_form_window(const WindowDesc& desc, const std::wstring& title, const RECT& placed, Win32WindowView* view);
// From now on the window's messages reach no view.
void retire_form_window(HWND window);
// Notifications of the container's children go to the top-level window, and
// their colours are asked of `view`.
void adopt_children(HWND container, Win32WindowView* view);

// Posted to the top-level window once a combo box's choice is committed; wParam: the control.
inline constexpr UINT choice_committed = WM_APP + 1;

}  // namespace forms::win32
