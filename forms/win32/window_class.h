#pragma once
// Our own window classes, registered on first use.
#include <windows.h>

namespace forms::win32 {

// `background`: the class brush; the face colour (COLOR_BTNFACE + 1) lets a
// skin paint its own background there.
void register_class_once(const wchar_t* name, WNDPROC procedure, HBRUSH background);

}  // namespace forms::win32
