#pragma once
// What tests of the Win32 view reach into it for, beyond what the program
// itself uses: the window handle that shows a control of a loaded window, for tests that
// drive the real controls as a reader would (messages, keyboard input) and
// read back what they show.
//
//   HWND HandleOf(window, control)
//     window:  a loaded window's identifier.
//     control: a control identifier of that window, or the window's own
//              identifier for the top-level window itself.
//   Returns nullptr when the window is not loaded, the control is unknown,
//   or the control has no window (a timer). The view makes a window when it
//   is first shown and a tab page's controls when the page first is; this
//   makes the window and every page at once if the control is not made yet.
//
// The classes: the window YanzhouForm, EditBox EDIT, Button and GroupBox
// BUTTON, Label STATIC, ComboBox COMBOBOX (a drop-down list), ProgressBar
// msctls_progress32, Tab SysTabControl32 (its page controls are its own
// children), PicBox YanzhouPictureBox, TransLabel YanzhouTransLabel (its
// window is as large as its text; the label's own rectangle takes the mouse).
#include <windows.h>

#include "forms/model.h"
#include "forms/timers.h"
#include "forms/win32/form_view.h"
#include "forms/window_state.h"

inline HWND HandleOf(forms::WindowId window, forms::ControlId control) {
    forms::LoadedWindow* w = forms::find_loaded(window);
    if (w == nullptr) return nullptr;
    forms::catch_up(*w);  // the controls show the state as it is by now
    auto* view = dynamic_cast<forms::win32::Win32WindowView*>(w->view.get());
    return view != nullptr ? view->made_handle_of(control) : nullptr;
}
