// The Windows platform on real files in a fresh folder: the read rules, the
// whole-or-nothing writes, the directory lock, GBK names on disk, the run
// directory and the library check.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/code_page.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder() {
        path_ = fs::temp_directory_path() / ("yz-platform-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, ignored);
    }
    // The seam's path (UTF-8) of a name in this folder.
    std::string at(const std::string& utf8_name) const {
        const std::u8string path = (path_ / fs::u8path(utf8_name)).u8string();
        return std::string(path.begin(), path.end());
    }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(fs::u8path(at(name)), std::ios::binary) << bytes;
    }
    std::string get(const std::string& name) const {
        std::ifstream in(fs::u8path(at(name)), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t entries() const { return std::size_t(std::distance(fs::directory_iterator(path_), {})); }

private:
    fs::path path_;
};

ByteSet bytes_of(const std::string& text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

TEST(WindowsPlatform, ReadsOnlyRegularFilesUpToTheCap) {
    Folder folder;
    const std::string at_cap(max_file_size, 'a');
    folder.put("small", "[a]\r\nb=1\r\n");
    folder.put("at cap", at_cap);
    folder.put("past cap", at_cap + "b");
    fs::create_directory(fs::u8path(folder.at("directory")));
    struct Case {
        std::string path;
        ReadResult result;
        std::size_t size;
    } cases[] = {
        {folder.at("small"), ReadResult::whole, 10},
        {folder.at("at cap"), ReadResult::whole, max_file_size},
        {folder.at("past cap"), ReadResult::cut, max_file_size},
        {folder.at("none"), ReadResult::missing, 0},
        {folder.at("no folder/none"), ReadResult::missing, 0},
        {folder.at("directory"), ReadResult::unreadable, 0},
        {"NUL", ReadResult::unreadable, 0},
    };
    for (const Case& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(platform().read_file(c.path, bytes, Links::follow), c.result) << c.path;
        EXPECT_EQ(bytes.size(), c.size) << c.path;
    }
    EXPECT_EQ(platform().write_target(folder.at("directory"), Links::follow), std::nullopt);
    EXPECT_EQ(platform().write_target(folder.at("none"), Links::follow), folder.at("none"));
}

TEST(WindowsPlatform, WritesAreWholeAndKeepWhatTheyMustNotChange) {
    Folder folder;
    folder.put("hidden.ini", "old");
    ASSERT_TRUE(platform().set_attributes(folder.at("hidden.ini"), FILE_ATTRIBUTE_HIDDEN));
    folder.put("locked.ini", "old");
    ASSERT_TRUE(platform().set_attributes(folder.at("locked.ini"), FILE_ATTRIBUTE_READONLY));
    folder.put("taken", "old");
    // Temporary files a write killed midway left: only those of hidden.ini
    // whose writer has gone are removed by the next write to it.
    const std::string gone = ".hidden.ini.4000000.1.tmp",
                      alive = ".hidden.ini." + std::to_string(GetCurrentProcessId()) + ".7.tmp",
                      other = ".other.ini.4000000.1.tmp", gone_part = ".fresh.4000000.9.part";
    for (const std::string& name : {gone, alive, other, gone_part}) folder.put(name, "half");
    struct Case {
        const char* what;
        std::function<bool()> write;
        const char* name;
        bool succeeds;
        const char* after;
    } cases[] = {
        {"replace a new file", [&] { return platform().replace_file(folder.at("new.ini"), "new"); }, "new.ini", true,
         "new"},
        {"replace a hidden file", [&] { return platform().replace_file(folder.at("hidden.ini"), "new"); }, "hidden.ini",
         true, "new"},
        {"replace a read-only file", [&] { return platform().replace_file(folder.at("locked.ini"), "new"); },
         "locked.ini", false, "old"},
        {"new file", [&] { return platform().write_new_file(folder.at("fresh"), bytes_of("new")); }, "fresh", true,
         "new"},
        {"new file over one", [&] { return platform().write_new_file(folder.at("taken"), bytes_of("new")); }, "taken",
         false, "old"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.write(), c.succeeds) << c.what;
        EXPECT_EQ(folder.get(c.name), c.after) << c.what;
    }
    EXPECT_NE(GetFileAttributesW(fs::u8path(folder.at("hidden.ini")).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(GetFileAttributesW(fs::u8path(folder.at("new.ini")).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(platform().is_read_only(folder.at("locked.ini")));
    EXPECT_FALSE(platform().is_read_only(folder.at("new.ini")));
    EXPECT_FALSE(platform().path_exists(folder.at(gone)));
    EXPECT_FALSE(platform().path_exists(folder.at(gone_part))) << "a new file's write clears its gone writers' parts";
    EXPECT_TRUE(platform().path_exists(folder.at(alive)) && platform().path_exists(folder.at(other)));
    EXPECT_EQ(folder.entries(), 7u) << "no temporary file of these writes is left behind";
}

TEST(WindowsPlatform, GbkNamesReachTheDiskAsTheirCharacters) {
    Folder folder;
    const Text name = "搜索器设置信息1.4.ini";
    const std::string path = folder.at(to_utf8(name));
    ASSERT_TRUE(platform().replace_file(path, "[设置]\r\n"));
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(fs::u8path(folder.at("*.ini")).c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_STREQ(found.cFileName, L"搜索器设置信息1.4.ini");
    EXPECT_EQ(from_utf8(to_utf8(name)), name);
    std::string seen;
    EXPECT_TRUE(
        platform().any_entry(folder.at(""), [&](std::string_view entry) { return (seen = entry) == to_utf8(name); }));
    EXPECT_TRUE(platform().path_exists(path));
}

// A second writer waits a quarter of a second at most, then goes without
// (its write skipped): a lock someone keeps never freezes the window.
TEST(WindowsPlatform, TheDirectoryLockHoldsOffASecondWriterBriefly) {
    Folder folder;
    std::atomic<bool> second_done = false, second_had_it = false;
    std::thread second;
    {
        const std::unique_ptr<Held> first = platform().lock_directory_of(folder.at("a.ini"));
        ASSERT_NE(first, nullptr);
        second = std::thread([&] {
            second_had_it = platform().lock_directory_of(folder.at("b.ini")) != nullptr;
            second_done = true;
        });
        for (int waited = 0; waited < 1000 && !second_done; waited += 10) Sleep(10);
        EXPECT_TRUE(second_done) << "the second writer waited for the first to let go";
    }
    second.join();
    EXPECT_FALSE(second_had_it);
    EXPECT_NE(platform().lock_directory_of(folder.at("c.ini")), nullptr) << "the lock stays when its holder has gone";
    EXPECT_EQ(folder.entries(), 0u) << "the lock file goes with its last holder";
}

// A folder closed to the program: its engine from the reader's local folder,
// written there, or replaced when it holds other bytes; the settings folder
// where there is no local one.
TEST(WindowsPlatform, ACarriedLibraryLoadsFromTheReadersOwnFolder) {
    Folder folder;
    std::ifstream in(fs::u8path(platform().program_directory() + "\\SkinH_EL.dll"), std::ios::binary);
    const std::string engine(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(engine.empty());
    const std::wstring saved_local = _wgetenv(L"LOCALAPPDATA") ? _wgetenv(L"LOCALAPPDATA") : L"";
    const std::wstring saved_roaming = _wgetenv(L"APPDATA") ? _wgetenv(L"APPDATA") : L"";
    const std::u8string own_utf8 = u8"\\砚舟小说搜索器\\SkinH_EL.dll";  // literals are GBK otherwise
    const std::string own(own_utf8.begin(), own_utf8.end());
    fs::create_directories(fs::u8path(folder.at("local")));
    folder.put("not a folder", "x");
    const struct {
        const char* what;
        const char* local;
        const char* stale;  // what a file there held before, if any
        const char* used;
    } cases[] = {
        {"written into the local folder", "local", nullptr, "local"},
        {"found there at the next start", "local", "", "local"},
        {"another version's replaced", "local", "an older engine", "local"},
        {"no local folder to be had: the settings folder", "not a folder", nullptr, "roaming"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetEnvironmentVariableW(L"LOCALAPPDATA", fs::u8path(folder.at(c.local)).c_str());
        SetEnvironmentVariableW(L"APPDATA", fs::u8path(folder.at("roaming")).c_str());
        if (c.stale && *c.stale) folder.put(c.used + own, c.stale);
        void* library = platform().load_carried_library("SkinH_EL.dll", bytes_of(engine));
        ASSERT_NE(library, nullptr);
        EXPECT_NE(platform().find_entry(library, "SkinH_AttachRes"), nullptr);
        platform().release_library(library);
        EXPECT_EQ(folder.get(c.used + own), engine);
    }
    SetEnvironmentVariableW(L"LOCALAPPDATA", saved_local.empty() ? nullptr : saved_local.c_str());
    SetEnvironmentVariableW(L"APPDATA", saved_roaming.empty() ? nullptr : saved_roaming.c_str());
}

TEST(WindowsPlatform, RunDirectoryAndLibraries) {
    const std::string directory = platform().program_directory();
    EXPECT_TRUE(platform().path_exists(directory + "\\windows_platform_tests.exe")) << directory;
    const std::string engine = directory + "\\SkinH_EL.dll";
    void* library = platform().load_library(engine);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(platform().find_entry(library, "SkinH_AttachRes"), nullptr);
    EXPECT_EQ(platform().find_entry(library, "SkinH_Missing"), nullptr);
    // While the library is mapped, the loader keeps its file from being written.
    const HANDLE writer =
        CreateFileW(fs::u8path(engine).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << "the mapped engine could be opened for writing";
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    platform().release_library(library);

    // A truncated copy is refused before the loader sees it, and so is a program.
    Folder folder;
    std::ifstream in(fs::u8path(engine), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    folder.put("cut.dll", bytes.substr(0, bytes.size() - 100));
    EXPECT_EQ(platform().load_library(folder.at("cut.dll")), nullptr);
    EXPECT_EQ(platform().load_library(directory + "\\windows_platform_tests.exe"), nullptr);
    EXPECT_EQ(platform().load_library(folder.at("missing.dll")), nullptr);
}

// The frame this system draws around a captioned window at its scale, as
// measured on a real captioned window.
TEST(WindowsPlatform, CaptionFrameIsTheSystemsFrame) {
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 400,
                                  600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    DestroyWindow(window);
    EXPECT_EQ(platform().caption_frame(platform().screen_dpi()), (ScreenSize{400 - client.right, 600 - client.bottom}));
}

}  // namespace
