// A file the reader keeps opens in the editor the shell names for its type
// (Notepad for an .ini), on a thread of its own: the shell may take its time
// to start it, and the window must not wait.
#include <windows.h>

#include "platform/detached_thread.h"
#include "platform/windows/document_opener.h"
#include "platform/windows/shell_open.h"
#include "platform/windows/wide_path.h"

void open_document_in_shell(const std::string& path) {
    std::wstring wide = windows_files::wide_path(path);
    const auto open = [wide] { shell_open(wide, "a file"); };
    if (!start_detached_thread(open)) open();
}

void show_information_box(const std::wstring& caption, const std::wstring& message) {
    // Owned by the active window, so that it stands above the main window
    // (which stays on top of others) and keeps it waiting until closed.
    MessageBoxW(GetActiveWindow(), message.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}
