// The Windows program's first start, alone in a fresh folder: it writes its
// skin engine beside itself, shows the welcome window, enters the main window
// (which writes the settings file) and ends on WM_CLOSE.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

// Polls for up to ten seconds.
bool eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

struct Search {
    DWORD process;
    std::wstring caption;
    HWND found = nullptr;
};

// A shown top-level window of the process with exactly that caption.
HWND window_of(DWORD process, const std::wstring& caption) {
    Search search{process, caption};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t text[256] = {};
            InternalGetWindowText(w, text, 256);
            if (owner != s.process || !IsWindowVisible(w) || s.caption != text) return TRUE;
            s.found = w;
            return FALSE;
        },
        LPARAM(&search));
    return search.found;
}

HWND child_with_text(HWND parent, const std::wstring& caption) {
    Search search{0, caption};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(p);
            wchar_t text[256] = {};
            InternalGetWindowText(w, text, 256);
            if (s.caption != text) return TRUE;
            s.found = w;
            return FALSE;
        },
        LPARAM(&search));
    return search.found;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path own_directory() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

TEST(WindowsProgram, FirstStartAloneInAFolder) {
    const fs::path folder = fs::temp_directory_path() / ("yz-start-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path program = folder / "yanzhou-search.exe";
    ASSERT_TRUE(CopyFileW((own_directory() / "yanzhou-search.exe").c_str(), program.c_str(), TRUE));

    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION started{};
    std::wstring command = L"\"" + program.wstring() + L"\"";
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &start, &started));
    const DWORD pid = started.dwProcessId;

    // The welcome window has no caption; its hidden button carries the text.
    HWND welcome = nullptr;
    EXPECT_TRUE(eventually([&] { return (welcome = window_of(pid, {})) != nullptr; }));
    const fs::path engine = folder / "SkinH_EL.dll";
    EXPECT_TRUE(fs::exists(engine));
    EXPECT_NE(GetFileAttributesW(engine.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_FALSE(fs::exists(folder / L"搜索器设置信息1.4.ini")) << "nothing is stored before the main window";

    HWND enter = welcome != nullptr ? child_with_text(welcome, L"★★★进入软件☆☆☆") : nullptr;
    ASSERT_NE(enter, nullptr);
    EXPECT_TRUE(eventually([&] { return IsWindowVisible(enter) != FALSE; })) << "the bar fills in about five seconds";
    PostMessageW(enter, BM_CLICK, 0, 0);

    HWND main = nullptr;
    EXPECT_TRUE(eventually([&] { return (main = window_of(pid, L"砚舟小说搜索器V1.4正式版 ")) != nullptr; }));
    EXPECT_EQ(contents(folder / L"搜索器设置信息1.4.ini"), "[搜索器设置：]\r\n皮肤=6\r\n");

    if (main != nullptr) PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(started.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (code == STILL_ACTIVE) TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace
