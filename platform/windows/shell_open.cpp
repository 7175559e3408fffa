#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/windows/shell_open.h"

namespace {

// The shell and COM are loaded at the first use, not by the loader at every
// start: the shell with its own dependencies is the largest library the
// program uses, and setting COM up costs a start under wine tens of
// milliseconds.
template <typename Function>
Function system_entry(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void shell_open(const std::wstring& target, const std::string& what) {
    static const auto shell_execute = system_entry<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    static const auto com_initialize = system_entry<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    // The shell's handlers may use COM; each thread that opens joins it once.
    static thread_local const bool com =
        com_initialize != nullptr &&
        SUCCEEDED(com_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    (void)com;
    const auto result = shell_execute == nullptr
                            ? 0
                            : INT_PTR(shell_execute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        std::fprintf(stderr, "yanzhou-search: %s was not opened: error %ld\n", what.c_str(),
                     long(result == 0 ? GetLastError() : DWORD(result)));
        std::fflush(stderr);
    }
}
