#pragma once
// The keys that turn pages, as in the dialogs with tabs of both desktops:
// Ctrl+Tab and Ctrl+PageDown the next page, Ctrl+Shift+Tab and Ctrl+PageUp
// the one before, going round at the ends. They turn the tab control that
// holds the focus (the innermost one), or the window's first when the focus
// is outside every tab control, so that a reader who never reaches a tab
// strip with Tab still changes pages.
#include "forms/window_state.h"

namespace forms {

// Turns a page when the key is one of these. False when it is not, or when
// the window has no tab control to turn.
bool turn_page_by_key(LoadedWindow& window, ControlId focused, int key, int function_keys);

}  // namespace forms
