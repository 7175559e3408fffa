// The Windows shell opens the address with the reader's default browser. It
// is given exactly the address the program built: the shell itself opens a
// bare host ("www.example.com") the way the program expects.
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include "app/platform/browser_address.h"
#include "app/platform/launch_worker.h"

namespace {

// The shell is loaded at the first search, not by the loader at every start:
// with its own dependencies it is the largest library the program uses.
decltype(&ShellExecuteW) shell_execute() {
    static const auto entry = reinterpret_cast<decltype(&ShellExecuteW)>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "ShellExecuteW")));
    return entry;
}

}  // namespace

void launch_browser(const std::string& gbk_address) {
    // The shell's handlers may use COM; the launcher thread joins it once.
    static thread_local const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    (void)com;
    // Percent-encoded, the address is plain ASCII.
    const std::string ascii = browser_address(gbk_address);
    const std::wstring address(ascii.begin(), ascii.end());
    // Like the shell called from the program: nothing is reported.
    if (const auto open = shell_execute()) open(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
