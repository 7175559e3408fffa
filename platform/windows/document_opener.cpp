// A file the reader keeps opens in the editor the shell names for its type
// (Notepad for an .ini), on a thread of its own: the shell may take its time
// to start it, and the window must not wait.
#include <windows.h>
// after windows.h
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/detached_thread.h"
#include "platform/windows/document_opener.h"
#include "platform/windows/wide_path.h"

namespace {

// As for addresses: the shell is loaded at first use, not at every start.
template <typename Function>
Function system_entry(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void open_now(const std::wstring& path) {
    static const auto shell_execute = system_entry<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    static const auto com_initialize = system_entry<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    if (com_initialize != nullptr) com_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const auto result = shell_execute == nullptr
                            ? 0
                            : INT_PTR(shell_execute(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        std::fprintf(stderr, "yanzhou-search: a file was not opened: error %ld\n",
                     long(result == 0 ? GetLastError() : DWORD(result)));
        std::fflush(stderr);
    }
}

}  // namespace

void open_document_in_shell(const std::string& path) {
    std::wstring wide = windows_files::wide_path(path);
    if (!start_detached_thread([wide] { open_now(wide); })) open_now(wide);
}

void show_information_box(const std::wstring& caption, const std::wstring& message) {
    // Owned by the active window, so that it stands above the main window
    // (which stays on top of others) and keeps it waiting until closed.
    MessageBoxW(GetActiveWindow(), message.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}
