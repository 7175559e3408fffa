#include "forms/win32/window_class.h"

namespace forms::win32 {

void register_class_once(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSW c{};
    if (GetClassInfoW(module, name, &c)) return;
    c.lpfnWndProc = procedure;
    c.hInstance = module;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = background;
    c.lpszClassName = name;
    RegisterClassW(&c);
}

}  // namespace forms::win32
