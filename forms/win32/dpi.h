#pragma once
// The scale windows are shown at, as the system tells it. The calls that
// tell a window's own scale are newer than Windows 7, whose desktop has one
// scale for every monitor: they are looked up when first needed, and where
// they are missing the system's scale (the screen's LOGPIXELSY) stands for
// every window.
#include <windows.h>

namespace forms::win32 {

// Asks to be told each monitor's scale and to scale our windows ourselves
// (a manifest may have asked already; then this changes nothing).
void become_scale_aware();

// The system's dots per inch (96 at 100 %), and a window's: the scale of the
// monitor it is on, where the system tells that.
int system_dpi();
int dpi_of(HWND window);

// The outer rectangle of a window with these styles whose client area is
// `client`, at the scale: the frame as the system draws it then.
RECT outer_around(RECT client, DWORD style, DWORD ex_style, int dpi);

}  // namespace forms::win32
