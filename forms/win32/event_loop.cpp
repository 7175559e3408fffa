// The program's message loops, nested on one stack: each looks at every key
// and press before dispatching it, and checks what it waits for after every
// message. A window's end posts a message, so the innermost loop wakes; the
// outer ones look again as the inner ones return.
#include <windows.h>

#include "forms/view.h"
#include "forms/win32/form_view.h"

namespace forms {

void run_loop_until(const std::function<bool()>& done) {
    while (!done()) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // The program was told to quit: every loop of ours ends.
            PostQuitMessage(int(message.wParam));
            break;
        }
        if (win32::Win32WindowView* view = win32::view_of(message.hwnd);
            view != nullptr && view->before_dispatch(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void wake_loops() { PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); }

}  // namespace forms
