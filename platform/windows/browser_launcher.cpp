// The Windows shell opens the address with the reader's default browser. It
// is given exactly the address the program built: the shell itself opens a
// bare host ("www.example.com") the way the program expects.
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include "platform/browser_address.h"
#include "platform/launch_worker.h"

namespace {

// The shell and COM are loaded at the first search, not by the loader at
// every start: the shell with its own dependencies is the largest library
// the program uses, and setting COM up costs a start under wine tens of
// milliseconds.
template <typename Function>
Function system_entry(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void launch_browser(const std::string& gbk_address) {
    static const auto shell_execute = system_entry<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    static const auto com_initialize = system_entry<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    // The shell's handlers may use COM; the launcher thread joins it once.
    static thread_local const bool com =
        com_initialize != nullptr &&
        SUCCEEDED(com_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    (void)com;
    // Percent-encoded, the address is plain ASCII.
    const std::string ascii = browser_address(gbk_address);
    const std::wstring address(ascii.begin(), ascii.end());
    // The reader sees no box for it, as from the shell; the reason goes to stderr.
    const auto result =
        shell_execute == nullptr
            ? 0
            : INT_PTR(shell_execute(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        std::fprintf(stderr, "yanzhou-search: an address of %zu bytes was not opened: error %ld\n", ascii.size(),
                     long(result == 0 ? GetLastError() : DWORD(result)));
        std::fflush(stderr);
    }
}
