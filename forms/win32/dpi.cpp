#include "forms/win32/dpi.h"

#include "forms/presentation.h"

namespace forms::win32 {

namespace {

template <typename Function>
Function newer_call(const char* name) {
    static HMODULE const user = GetModuleHandleW(L"user32.dll");
    return user == nullptr ? nullptr : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name)));
}

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, as the headers of Windows 10 1703 define it.
const HANDLE per_monitor_v2 = reinterpret_cast<HANDLE>(LONG_PTR(-4));

}  // namespace

void become_scale_aware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    using SetAware = BOOL(WINAPI*)();
    static const SetContext set_context = newer_call<SetContext>("SetProcessDpiAwarenessContext");
    // Refused when the manifest (or an earlier call) decided already: then
    // that decision stands.
    if (set_context != nullptr && set_context(per_monitor_v2)) return;
    if (set_context == nullptr)
        if (static const SetAware set_aware = newer_call<SetAware>("SetProcessDPIAware"); set_aware != nullptr)
            set_aware();
}

int system_dpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int found = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen != nullptr) ReleaseDC(nullptr, screen);
        return found > 0 ? found : unscaled_dpi;
    }();
    return dpi;
}

int dpi_of(HWND window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    static const ForWindow for_window = newer_call<ForWindow>("GetDpiForWindow");
    if (window != nullptr && for_window != nullptr)
        if (const UINT dpi = for_window(window); dpi > 0) return int(dpi);
    return system_dpi();
}

RECT outer_around(RECT client, DWORD style, DWORD ex_style, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const AdjustForDpi adjust_for_dpi = newer_call<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (adjust_for_dpi == nullptr || !adjust_for_dpi(&client, style, FALSE, ex_style, UINT(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, ex_style);
    return client;
}

}  // namespace forms::win32
