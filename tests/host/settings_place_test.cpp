// Where the settings file is read and written: beside the program, or in the
// reader's own folder where the program's folder is closed to it. The same
// cases run on both systems; the platform's own answers follow them.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/settings.h"
#include "tests/support/platform_stand_in.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string utf8_of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32
unsigned long process_id() { return GetCurrentProcessId(); }
#else
unsigned long process_id() { return static_cast<unsigned long>(getpid()); }
#endif

std::optional<std::string> contents(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The program's folder open or closed as the case says; the reader's own
// folder as given (two levels that do not exist yet, one with a name GBK
// cannot hold).
class Place final : public PlatformStandIn {
public:
    bool folder_open = false;
    std::string own;
    bool may_create_in(const std::string& directory) override {
        return fs::path(directory) == fs::path(run_directory) ? folder_open : next_.may_create_in(directory);
    }
    std::string user_settings_directory() override { return own; }
};

struct Case {
    const char* what;
    bool folder_open;
    bool has_own_folder;
    std::optional<std::string> beside;  // the file beside the program before
    bool beside_read_only;
    bool written;
    std::optional<std::string> beside_after, own_after;
};

const std::string defaults = "[搜索器设置：]\r\n皮肤=12\r\n搜索记录=斗破\r\n";
const std::string skin_7 = "[搜索器设置：]\r\n皮肤=7\r\n";

TEST(SettingsPlace, BesideTheProgramUnlessItsFolderIsClosed) {
    const Case cases[] = {
        {"closed folder, nothing yet: the reader's own file is made", false, true, std::nullopt, false, true,
         std::nullopt, skin_7},
        {"closed folder, an administrator's defaults carry over", false, true, defaults, true, true, defaults,
         "[搜索器设置：]\r\n皮肤=7\r\n搜索记录=斗破\r\n"},
        {"closed folder, but the file there may be written", false, true, defaults, false, true,
         "[搜索器设置：]\r\n皮肤=7\r\n搜索记录=斗破\r\n", std::nullopt},
        {"open folder, read-only file: left alone, as ever", true, true, defaults, true, false, defaults, std::nullopt},
        {"closed folder and no folder of the reader's own", false, false, std::nullopt, false, false, std::nullopt,
         std::nullopt},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path top =
            fs::temp_directory_path() / ("yz-place-" + std::to_string(process_id()) + "-" + std::to_string(++n));
        const fs::path program = top / "program", own = top / u8"own 김" / "yanzhou-search";
        const fs::path beside = program / u8"搜索器设置信息1.4.ini", own_file = own / beside.filename();
        fs::create_directories(program);
        if (c.beside) std::ofstream(beside, std::ios::binary) << *c.beside;
        if (c.beside_read_only) fs::permissions(beside, fs::perms::owner_read, fs::perm_options::replace);
        {
            Place place;
            place.run_directory = utf8_of(program);
            place.folder_open = c.folder_open;
            place.own = c.has_own_folder ? utf8_of(own) : "";
            EXPECT_EQ(settings_file_path(), RunDirectory() + "\\搜索器设置信息1.4.ini");
            EXPECT_EQ(WriteSetting(settings_file_for_writing(), settings_section, skin_key, "7"), c.written);
            EXPECT_EQ(contents(beside), c.beside_after);
            EXPECT_EQ(contents(own_file), c.own_after);
            // Once the reader's own file exists, it is the one read.
            const Text read_from = settings_file_path();
            EXPECT_EQ(ReadSetting(read_from, settings_section, skin_key), c.written ? "7" : c.beside ? "12" : "");
            EXPECT_EQ(read_from == RunDirectory() + "\\搜索器设置信息1.4.ini", !c.own_after.has_value());
#ifndef _WIN32
            if (c.own_after) {
                EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
                EXPECT_EQ(fs::status(own.parent_path()).permissions(), fs::perms::owner_all);
            }
#endif
        }
        std::error_code ignored;
        fs::permissions(beside, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(top, ignored);
    }
}

#ifndef _WIN32
// The reader's own folder as someone may have left it in a shared
// XDG_CONFIG_HOME: another user's, open to others, or with the settings file
// a link to one of the reader's files. Only a folder of the reader's alone,
// holding a file of its own, is read and written.
TEST(SettingsPlace, TheReadersFolderIsTheirsAloneAndItsFileNoLink) {
    struct Planted {
        const char* what;
        fs::perms mode;
        bool someone_elses;
        bool file_a_link;
        bool kept;
    } cases[] = {
        {"another user's folder open to all, the file a link to the reader's notes", fs::perms::all, true, true, false},
        {"the reader's folder open to all", fs::perms::all, false, false, false},
        {"the reader's folder open to the group", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec,
         false, false, false},
        {"the reader's private folder, the file a link to the notes", fs::perms::owner_all, false, true, false},
        {"the reader's private folder: kept as ever", fs::perms::owner_all, false, false, true},
    };
    const std::string kept = "[搜索器设置：]\r\n皮肤=12\r\n";
    const std::string notes = "the reader's own notes\n";
    int n = 0;
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path top =
            fs::temp_directory_path() / ("yz-planted-" + std::to_string(process_id()) + "-" + std::to_string(++n));
        const fs::path program = top / "program", own = top / "shared" / "yanzhou-search";
        const fs::path own_file = own / u8"搜索器设置信息1.4.ini", notes_file = top / "notes.txt";
        fs::create_directories(program);
        fs::create_directories(own);
        std::ofstream(notes_file, std::ios::binary) << notes;
        if (c.file_a_link)
            fs::create_symlink(notes_file, own_file);
        else
            std::ofstream(own_file, std::ios::binary) << kept;
        fs::permissions(own, c.mode, fs::perm_options::replace);
        // Root stands in for the reader; "nobody" for the other user.
        if (c.someone_elses && geteuid() == 0) { ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0); }
        {
            Place place;
            place.run_directory = utf8_of(program);
            place.own = utf8_of(own);
            testing::internal::CaptureStderr();
            const bool written = WriteSetting(settings_file_for_writing(), settings_section, history_key, "斗破");
            const Text read = ReadSetting(settings_file_path(), settings_section, skin_key);
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(written, c.kept);
            EXPECT_EQ(read, c.kept ? "12" : "");
            EXPECT_EQ(contents(notes_file), notes);
            const bool folder_refused = c.mode != fs::perms::owner_all || (c.someone_elses && geteuid() == 0);
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), folder_refused ? 1 : 0) << said;
            if (c.kept) { EXPECT_EQ(contents(own_file), kept + "搜索记录=斗破\r\n"); }
            EXPECT_EQ(fs::is_symlink(own_file), c.file_a_link);
        }
        std::error_code ignored;
        fs::remove_all(top, ignored);
    }
}
#endif

#ifdef _WIN32
void set_variable(const char* name, const char* value) {
    SetEnvironmentVariableW(fs::path(name).c_str(),
                            value ? fs::path(reinterpret_cast<const char8_t*>(value)).c_str() : nullptr);
}
#else
void set_variable(const char* name, const char* value) {
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

// The answer of a child process running as the unprivileged user "nobody".
template <class Body>
int as_nobody(Body body) {
    const pid_t child = fork();
    if (child == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 ? body() : 99);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

TEST(SettingsPlace, ThePlatformNamesTheReadersFolderAndAsksTheSystem) {
    struct Variables {
        const char* config;  // XDG_CONFIG_HOME, or %APPDATA%
        const char* home;
        std::u8string_view expected;  // UTF-8, as the system names files
    } cases[] = {
#ifdef _WIN32
        {"C:\\users\\r\\AppData\\Roaming\\", nullptr, u8"C:\\users\\r\\AppData\\Roaming\\砚舟小说搜索器"},
        {"\\\\server\\r", nullptr, u8"\\\\server\\r\\砚舟小说搜索器"},
        {"Roaming", nullptr, u8""},
        {nullptr, nullptr, u8""},
#else
        {"/cfg/", "/home/r", u8"/cfg/yanzhou-search"},
        {"relative", "/home/r/", u8"/home/r/.config/yanzhou-search"},
        {"", "/", u8"/.config/yanzhou-search"},
        {nullptr, "/home/r", u8"/home/r/.config/yanzhou-search"},
#endif
    };
#ifdef _WIN32
    const char* names[] = {"APPDATA", "HOME"};
#else
    const char* names[] = {"XDG_CONFIG_HOME", "HOME"};
#endif
    std::optional<std::string> saved[2];
    for (int i = 0; i < 2; ++i)
        if (const char* value = std::getenv(names[i])) saved[i] = value;
    for (const Variables& c : cases) {
        set_variable(names[0], c.config);
        set_variable(names[1], c.home);
        EXPECT_EQ(platform().user_settings_directory(), std::string(c.expected.begin(), c.expected.end()))
            << (c.config ? c.config : "(unset)");
    }
    for (int i = 0; i < 2; ++i) set_variable(names[i], saved[i] ? saved[i]->c_str() : nullptr);

    const fs::path top = fs::temp_directory_path() / ("yz-asked-" + std::to_string(process_id()));
    fs::create_directories(top);
    std::ofstream(top / "file") << "x";
    EXPECT_TRUE(platform().may_create_in(utf8_of(top)));
    EXPECT_EQ(std::distance(fs::directory_iterator(top), {}), 1) << "the question leaves nothing behind";
    EXPECT_FALSE(platform().may_create_in(utf8_of(top / "missing")));
    EXPECT_FALSE(platform().may_create_in(utf8_of(top / "file")));
#ifndef _WIN32
    // Root may make files in a folder without write permission, as an
    // administrator may on Windows; an ordinary user may not.
    fs::permissions(top,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace);
    EXPECT_EQ(platform().may_create_in(utf8_of(top)), geteuid() == 0);
    if (geteuid() == 0) {
        EXPECT_EQ(as_nobody([&] { return platform().may_create_in(utf8_of(top)) ? 1 : 0; }), 0);
    }
    fs::permissions(top, fs::perms::owner_all, fs::perm_options::add);
#endif
    fs::remove_all(top);
}

}  // namespace
