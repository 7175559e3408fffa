// The Windows build's yardsticks for start-up: a Win32 program that shows one
// top-level window of the main window's outer size and frame, in the face
// colour. Bare, whatever the real program costs beyond it is ours; with the
// argument "label" it also shows one line of Chinese in 宋体 and one in the
// default GUI face, and pays what any program showing Chinese pays.
// Built a second time as controls-window, which imports the common controls
// as the program does: with the argument "controls" it shows the real Win32
// controls of the main window's search strip and first page, made as the
// program makes them, and nothing of the program's own (no logos, no skin):
// the floor that any program with those controls pays.
#include <windows.h>

#ifdef YZ_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <cstring>

namespace {

LRESULT CALLBACK bare_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

HFONT song_12px() { return CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"); }

void add_label(HWND window, int top, HFONT font) {
    HWND label = CreateWindowExW(0, L"STATIC", L"砚舟小说搜索器：输入书名，按回车搜索", WS_CHILD | WS_VISIBLE, 8, top,
                                 290, 16, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, WPARAM(font), FALSE);
}

#ifdef YZ_COMMON_CONTROLS

// The lists' items and the tab titles of main_window/layout.cpp
// and search/engines.cpp.
const wchar_t* const engines[] = {L"宜搜小说网【A】", L"晋江文学网【B】", L"小说阅读网【B】", L"纵横中文网【A】",
                                  L"言情小说吧【B】", L"零点看书网【B】", L"搜狐原创【A】",   L"腾讯读书【A】",
                                  L"新浪读书【A】",   L"原创小说网【B】", L"新小说吧【A】"};
const wchar_t* const history_modes[] = {L"写入记录书名", L"读取记录书名"};
const wchar_t* const main_pages[] = {L"小说名站", L"小说推荐", L"软件设置", L"软件公告", L"下载链接"};
const wchar_t* const directory_pages[] = {L"第一页", L"第二页"};

struct Box {
    int left, top, width, height;
};

HWND add_control(HWND parent, DWORD ex_style, const wchar_t* kind, const wchar_t* text, DWORD style, Box r,
                 HFONT font) {
    HWND control = CreateWindowExW(ex_style, kind, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left, r.top,
                                   r.width, r.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(font), FALSE);
    return control;
}

// As the program places a drop-down list: its window as high as the dropped
// list, at least `least_drop`, and the closed field asked again for 20 pixels.
template <int n>
void add_list(HWND window, Box r, HFONT font, const wchar_t* const (&items)[n], int least_drop) {
    HWND list = add_control(window, 0, L"COMBOBOX", L"",
                            WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT, r, font);
    for (const wchar_t* item : items) SendMessageW(list, CB_ADDSTRING, 0, LPARAM(item));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    const int item = int(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
    const int dropped = n * item + 2 > least_drop ? n * item + 2 : least_drop;
    SetWindowPos(list, nullptr, r.left, r.top, r.width, r.height + dropped, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT now;
    GetWindowRect(list, &now);
    const int field = int(SendMessageW(list, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    SendMessageW(list, CB_SETITEMHEIGHT, WPARAM(-1), field + r.height - (now.bottom - now.top));
}

template <int n>
HWND add_tabs(HWND parent, Box r, HFONT font, const wchar_t* const (&titles)[n]) {
    HWND tabs = add_control(parent, 0, WC_TABCONTROLW, L"", TCS_FOCUSNEVER, r, font);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(0, 20));
    for (int i = 0; i < n; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(titles[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
    }
    SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
    return tabs;
}

// In the layout's order, at its geometry.
void add_controls(HWND window) {
    INITCOMMONCONTROLSEX wanted{sizeof wanted, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&wanted);
    HFONT font = song_12px();
    add_list(window, {3, 8, 109, 20}, font, engines, 160);
    add_control(window, WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, {117, 8, 192, 20}, font);
    add_control(window, 0, L"BUTTON", L"搜索", WS_TABSTOP | BS_PUSHBUTTON, {117, 33, 192, 20}, font);
    add_list(window, {3, 33, 109, 20}, font, history_modes, 0);
    HWND pages = add_tabs(window, {0, 80, 310, 416}, font, main_pages);
    add_tabs(pages, {2, 21, 307, 393}, font, directory_pages);
}

#endif

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
        add_label(window, 8, song_12px());
        add_label(window, 32, HFONT(GetStockObject(DEFAULT_GUI_FONT)));
    }
#ifdef YZ_COMMON_CONTROLS
    if (argc > 1 && std::strcmp(argv[1], "controls") == 0) add_controls(window);
#endif
    ShowWindow(window, SW_SHOWNORMAL);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}
