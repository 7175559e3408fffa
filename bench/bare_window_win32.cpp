// The Windows build's yardstick for start-up: a Win32 program that does
// nothing but show one empty top-level window of the main window's outer size
// and frame, in the face colour. Whatever the real program costs beyond this
// is ours.
#include <windows.h>

namespace {

LRESULT CALLBACK bare_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int main() {
    WNDCLASSW c{};
    c.lpfnWndProc = bare_proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    c.lpszClassName = L"bare";
    RegisterClassW(&c);
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"bare", L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 490, 280,
                                  317, 521, nullptr, nullptr, c.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
