#include "forms/win32/key_codes.h"

#include <windows.h>

#include "forms/ids.h"

namespace forms::win32 {

int key_code(int virtual_key) {
    if (virtual_key >= VK_NUMPAD0 && virtual_key <= VK_NUMPAD9) return '0' + (virtual_key - VK_NUMPAD0);
    switch (virtual_key) {
        case VK_SUBTRACT: return VK_OEM_MINUS;
        case VK_DECIMAL: return VK_OEM_PERIOD;
        case VK_DIVIDE: return VK_OEM_2;
        default: return virtual_key;
    }
}

int function_keys(int virtual_key) {
    int bits = 0;
    if (GetKeyState(VK_CONTROL) < 0 && virtual_key != VK_CONTROL) bits |= keys::Ctrl;
    if (GetKeyState(VK_SHIFT) < 0 && virtual_key != VK_SHIFT) bits |= keys::Shift;
    if (GetKeyState(VK_MENU) < 0 && virtual_key != VK_MENU) bits |= keys::Alt;
    return bits;
}

}  // namespace forms::win32
