// The Windows build's yardsticks for start-up: a Win32 program that shows one
// top-level window of the main window's outer size and frame, in the face
// colour. Bare, whatever the real program costs beyond it is ours; with the
// argument "label" it also shows one line of Chinese in 宋体 and one in the
// default GUI face, and pays what any program showing Chinese pays.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK bare_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

void add_label(HWND window, int top, HFONT font) {
    HWND label = CreateWindowExW(0, L"STATIC", L"砚舟小说搜索器：输入书名，按回车搜索", WS_CHILD | WS_VISIBLE, 8, top,
                                 290, 16, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, WPARAM(font), FALSE);
}

}  // namespace

int main(int argc, char** argv) {
    WNDCLASSW c{};
    c.lpfnWndProc = bare_proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    c.lpszClassName = L"bare";
    RegisterClassW(&c);
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"bare", L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 490, 280,
                                  317, 521, nullptr, nullptr, c.hInstance, nullptr);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
        add_label(window, 8, CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
        add_label(window, 32, HFONT(GetStockObject(DEFAULT_GUI_FONT)));
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
