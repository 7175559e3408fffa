// Keys and presses, looked at before they are dispatched: KeyDown and
// LeftButtonDown handlers see them first and may swallow them, and the
// window keys (Tab, Esc, Enter) are the model's.
#include <windowsx.h>

#include "forms/dispatch.h"
#include "forms/win32/form_view.h"
#include "forms/win32/key_codes.h"
#include "forms/win32/trans_label.h"

namespace forms::win32 {

bool Win32WindowView::before_dispatch(MSG& message) {
    if (window_ == nullptr) return false;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return key_down(message);
        case WM_LBUTTONDOWN: return press(message);
        default: return false;
    }
}

bool Win32WindowView::still_shows(WindowId window) const {
    const LoadedWindow* w = find_loaded(window);
    return w != nullptr && w->view.get() == this;
}

bool Win32WindowView::key_down(MSG& message) {
    const ControlState* c = control_of(message.hwnd);
    if (c == nullptr || !IsWindowEnabled(message.hwnd)) return false;
    const int virtual_key = int(message.wParam);
    const int bits = function_keys(virtual_key);
    // A dropped list uses Enter and Esc itself, and Tab closes it.
    const bool dropped = c->kind == Kind::ComboBox && SendMessageW(message.hwnd, CB_GETDROPPEDSTATE, 0, 0);
    const WindowId window = state_.id;
    const Kind kind = c->kind;
    if (key_pressed(window, c->id, key_code(virtual_key), bits, dropped)) return true;
    // A handler may have closed the window, and this view is then gone.
    if (!still_shows(window)) return true;
    if (virtual_key == VK_TAB && (bits & (keys::Ctrl | keys::Alt)) == 0 && !dropped) {
        move_focus((bits & keys::Shift) != 0);
        return true;
    }
    // A one-line edit box beeps at Enter and Esc typed as characters: it
    // gets the key, not the character.
    if (kind == Kind::EditBox && (virtual_key == VK_RETURN || virtual_key == VK_ESCAPE)) {
        DispatchMessageW(&message);
        return true;
    }
    return false;
}

bool Win32WindowView::press(const MSG& message) {
    const ControlState* c = control_of(message.hwnd);
    if (c == nullptr || !IsWindowEnabled(message.hwnd)) return false;
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (c->kind == Kind::TransLabel) {
        const POINT origin = trans_label_origin(message.hwnd);
        at.x -= origin.x;
        at.y -= origin.y;
    }
    int bits = 0;
    if (message.wParam & MK_CONTROL) bits |= keys::Ctrl;
    if (message.wParam & MK_SHIFT) bits |= keys::Shift;
    if (GetKeyState(VK_MENU) < 0) bits |= keys::Alt;
    return left_button_down(state_.id, c->id, at.x, at.y, bits);
}

}  // namespace forms::win32
