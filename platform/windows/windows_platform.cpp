// The platform on Windows: Win32 for everything, paths in UTF-8 at the seam.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>

#include "platform/code_page.h"
#include "platform/launch_worker.h"
#include "platform/platform.h"
#include "platform/search_path.h"
#include "platform/windows/document_opener.h"
#include "platform/windows/files.h"
#include "platform/windows/library_image.h"

namespace {

using windows_files::wide_path;

std::wstring wide_text(const Text& gbk) {
    const std::u16string units = utf16_from_gbk(gbk);
    return std::wstring(units.begin(), units.end());
}

std::string directory_of_program_file() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    // A drive's root keeps its backslash ("C:\"); anything else loses it.
    path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);
    return windows_files::utf8_path(path);
}

// %APPDATA% or %LOCALAPPDATA% from the environment, as the reader's session
// sets it: asking the shell instead would load COM at every start.
std::string application_data(const wchar_t* variable) {
    std::wstring value(MAX_PATH, L'\0');
    DWORD n = GetEnvironmentVariableW(variable, value.data(), DWORD(value.size()));
    if (n >= value.size()) {
        value.resize(n);
        n = GetEnvironmentVariableW(variable, value.data(), DWORD(value.size()));
    }
    if (n == 0 || n >= value.size()) return {};
    value.resize(n);
    while (!value.empty() && (value.back() == L'\\' || value.back() == L'/')) value.pop_back();
    // Only a full path ("C:\...", "\\server\..."): a relative one would follow the current directory.
    const bool full =
        (value.size() >= 3 && value[1] == L':') || (value.size() >= 2 && value[0] == L'\\' && value[1] == L'\\');
    return full ? windows_files::utf8_path(value) : std::string();
}

// The program's own folder in %APPDATA% or %LOCALAPPDATA%; empty without one.
std::string program_folder_in(const wchar_t* variable) {
    const std::string data = application_data(variable);
    return data.empty() ? "" : data + "\\" + windows_files::utf8_path(L"砚舟小说搜索器");
}

bool names_a_path(const std::string& text) { return text.find_first_of("\\/:") != std::string::npos; }

class WindowsPlatform final : public Platform {
public:
    // The search path is cut to absolute entries before anything searches it.
    void start_window_system() override {
        std::wstring path(GetEnvironmentVariableW(L"PATH", nullptr, 0), L'\0');
        if (!path.empty() && GetEnvironmentVariableW(L"PATH", path.data(), DWORD(path.size())) + 1 == path.size()) {
            path.pop_back();
            SetEnvironmentVariableW(L"PATH",
                                    wide_path(absolute_path_entries(windows_files::utf8_path(path), ';')).c_str());
        }
        INITCOMMONCONTROLSEX wanted{sizeof wanted, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&wanted);
    }
    void open_in_browser(const Text& address) override { hand_to_launcher(address); }
    void finish_opening() override { wait_for_launches(std::chrono::seconds(5)); }
    int screen_width() override { return GetSystemMetrics(SM_CXSCREEN); }
    int screen_height() override { return GetSystemMetrics(SM_CYSCREEN); }
    ScreenArea work_area() override {
        RECT area;
        if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return Platform::work_area();
        return {area.left, area.top, area.right - area.left, area.bottom - area.top};
    }
    int screen_dpi() override {
        HDC screen = GetDC(nullptr);
        const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen != nullptr) ReleaseDC(nullptr, screen);
        return dpi > 0 ? dpi : 96;
    }
    // The frame of a captioned window as the system draws it at that scale
    // (before Windows 10 1607, at the system's own).
    std::optional<ScreenSize> caption_frame(int dpi) override {
        using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
        static const auto adjust_for_dpi = reinterpret_cast<AdjustForDpi>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
        RECT r{0, 0, 0, 0};
        const DWORD style = WS_CAPTION | WS_SYSMENU, ex_style = WS_EX_APPWINDOW;
        if ((adjust_for_dpi == nullptr || !adjust_for_dpi(&r, style, FALSE, ex_style, UINT(dpi))) &&
            !AdjustWindowRectEx(&r, style, FALSE, ex_style))
            return std::nullopt;
        return ScreenSize{r.right - r.left, r.bottom - r.top};
    }
    DateTime now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }
    void show_error_box(const Text& caption, const Text& message) override {
        MessageBoxW(nullptr, wide_text(message).c_str(), wide_text(caption).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    void show_report_box(const Text& caption, const Text& message) override {
        show_information_box(wide_text(caption), wide_text(message));
    }
    void open_document(const std::string& path) override { open_document_in_shell(path); }

    // Asked once: the program file's directory stays what it was at the start.
    std::string program_directory() override {
        static const std::string directory = directory_of_program_file();
        return directory;
    }
    std::string user_settings_directory() override { return program_folder_in(L"APPDATA"); }
    void change_directory(const std::string& path) override { SetCurrentDirectoryW(wide_path(path).c_str()); }
    [[noreturn]] void end_process(int exit_code) override {
        std::fflush(nullptr);
        ExitProcess(UINT(exit_code));
    }

    bool path_exists(const std::string& path) override { return windows_files::path_exists(path); }
    bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) override {
        return windows_files::any_entry(directory, matches);
    }
    bool is_read_only(const std::string& path) override { return windows_files::is_read_only(path); }
    bool may_create_in(const std::string& directory) override { return windows_files::may_create_in(directory); }
    bool make_private_directory(const std::string& path) override {
        return windows_files::make_private_directory(path);
    }
    bool is_private_directory(const std::string& path) override { return windows_files::is_private_directory(path); }
    bool write_file(const std::string& path, std::span<const ByteSet> parts) override {
        return windows_files::write_file(path, parts);
    }
    bool write_new_file(const std::string& path, ByteSet bytes) override {
        return windows_files::write_new_file(path, bytes);
    }
    bool set_attributes(const std::string& path, std::int32_t attributes) override {
        return windows_files::set_attributes(path, attributes);
    }
    ReadResult read_file(const std::string& path, std::string& bytes, Links links) override {
        return windows_files::read_file(path, bytes, links);
    }
    std::optional<std::string> write_target(const std::string& path, Links links) override {
        return windows_files::write_target(path, links);
    }
    bool replace_file(const std::string& path, std::string_view bytes) override {
        return windows_files::replace_file(path, bytes);
    }
    std::unique_ptr<Held> lock_directory_of(const std::string& path) override {
        return windows_files::lock_directory_of(path);
    }

    // A file named by path is checked first, and the loader shows no dialog
    // of its own for one it cannot load.
    void* load_library(const std::string& path_or_name) override {
        const bool path = names_a_path(path_or_name);
        if (path && !is_whole_library(path_or_name)) return nullptr;
        DWORD previous = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
        HMODULE library = path ? LoadLibraryExW(wide_path(path_or_name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)
                               : LoadLibraryW(wide_path(path_or_name).c_str());
        SetThreadErrorMode(previous, nullptr);
        return reinterpret_cast<void*>(library);
    }
    // The local folder first: a library has no business roaming with the
    // reader's profile.
    void* load_carried_library(const std::string& name, ByteSet bytes) override {
        for (const std::string& folder : {program_folder_in(L"LOCALAPPDATA"), user_settings_directory()}) {
            const std::string file = windows_files::carried_library_file(folder, name, bytes);
            if (!file.empty()) return load_library(file);
        }
        return nullptr;
    }
    void* find_entry(void* library, const std::string& name) override {
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
    }
    void release_library(void* library) override { FreeLibrary(static_cast<HMODULE>(library)); }
};

WindowsPlatform windows_platform;

}  // namespace

Platform& native_platform() { return windows_platform; }
