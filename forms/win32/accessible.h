#pragma once
// Screen readers in the Win32 view (forms/accessibility.h decides what they
// are told). A control whose name, role or action the system cannot know
// (our own pictures and labels, lists and boxes named by the layout) answers
// WM_GETOBJECT with an accessible object of ours over the system's standard
// one. oleacc.dll is loaded at the first such question, never at start.
#include <windows.h>

#include "forms/window_state.h"

namespace forms::win32 {

// Lets the control answer screen readers, when the table has anything to
// add to what the system says of it.
void serve_screen_readers(HWND control, const ControlState& c, WindowId window);

}  // namespace forms::win32
