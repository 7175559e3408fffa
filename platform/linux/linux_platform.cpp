// The platform on Linux: Qt for the window system, POSIX for the rest.
#include <dlfcn.h>
#include <pwd.h>
#include <sys/auxv.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>

#include "platform/launch_worker.h"
#include "platform/linux/application.h"
#include "platform/linux/error_box.h"
#include "platform/linux/file_replace.h"
#include "platform/linux/files.h"
#include "platform/linux/library_image.h"
#include "platform/linux/library_snapshot.h"
#include "platform/percent_encoding.h"
#include "platform/platform.h"
#include "platform/search_path.h"

namespace {

// "file://" and the absolute path, every byte but the unreserved ones and
// "/" percent-encoded: plain ASCII that the launcher passes on unchanged.
std::string file_address(const std::string& path) {
    return "file://" + percent_encoded(path, [](unsigned char c) { return c == '/' || unreserved_in_address(c); });
}

// The kernel's name for the running program file; where /proc cannot say
// (not mounted, or a path longer than a page), the name the program was
// started by, made absolute against the directory it was started in (asked
// before anything changes directory). Empty when neither gives an absolute
// path: the current directory never stands in for the program's own.
std::string program_file() {
    std::string path(PATH_MAX, '\0');
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
        if (n <= 0) break;
        if (std::size_t(n) < path.size()) {
            path.resize(std::size_t(n));
            if (path[0] == '/') return path;
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto* started_as = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    if (started_as == nullptr) return {};
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(started_as, nullptr), &std::free);
    return resolved != nullptr && resolved.get()[0] == '/' ? std::string(resolved.get()) : std::string();
}

std::string directory_of_program_file() {
    const std::string path = program_file();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    // The root directory keeps its slash; anything else loses it.
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// An absolute path from the environment, without trailing slashes; empty
// for anything else, which the base directory rules say to ignore.
std::string absolute_from_environment(const char* name) {
    const char* value = std::getenv(name);
    std::string path = value != nullptr && value[0] == '/' ? value : "";
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string home_directory() {
    std::string home = absolute_from_environment("HOME");
    if (!home.empty()) return home;
    const passwd* user = getpwuid(geteuid());
    return user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/' ? user->pw_dir : "";
}

std::string config_directory() {
    const std::string config = absolute_from_environment("XDG_CONFIG_HOME");
    if (!config.empty()) return config;
    const std::string home = home_directory();
    return home.empty() ? "" : (home == "/" ? "" : home) + "/.config";
}

class LinuxPlatform final : public Platform {
public:
    // The search path is cut to absolute entries before Qt, D-Bus or the
    // launcher can search it. An empty one would mean the current directory
    // again; unset, the C library searches only the system's directories.
    void start_window_system() override {
        if (const char* path = std::getenv("PATH")) {
            const std::string kept = absolute_path_entries(path, ':');
            if (kept.empty())
                unsetenv("PATH");
            else
                setenv("PATH", kept.c_str(), 1);
        }
        ensure_application();
    }
    void open_in_browser(const Text& address) override { hand_to_launcher(address); }
    void finish_opening() override { wait_for_launches(std::chrono::seconds(5)); }
    int screen_width() override { return primary_screen_width(); }
    int screen_height() override { return primary_screen_height(); }
    ScreenArea work_area() override { return primary_screen_work_area(); }
    // Qt scales the windows: its pixels are pixels at the screen's scale.
    int screen_dpi() override { return primary_screen_dpi(); }
    int screen_unit_dpi() override { return primary_screen_dpi(); }
    DateTime now() override {
        std::time_t seconds = std::time(nullptr);
        std::tm local{};
        localtime_r(&seconds, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    }
    void show_error_box(const Text& caption, const Text& message) override { show_critical_box(caption, message); }
    void show_report_box(const Text& caption, const Text& message) override { show_information_box(caption, message); }
    // xdg-open takes the file as a file: address, percent-encoded, so that
    // no name can be read as an option or reach it in another encoding.
    void open_document(const std::string& path) override { hand_to_launcher(file_address(path)); }

    // Asked once: the program file's directory stays what it was at the start.
    std::string program_directory() override {
        static const std::string directory = directory_of_program_file();
        return directory;
    }
    void change_directory(const std::string& path) override {
        if (chdir(path.c_str()) != 0) {
            // The caller needs nothing from a failure.
        }
    }
    std::string user_settings_directory() override {
        const std::string config = config_directory();
        return config.empty() ? "" : (config == "/" ? "" : config) + "/yanzhou-search";
    }
    [[noreturn]] void end_process(int exit_code) override {
        std::fflush(nullptr);
        _exit(exit_code);
    }

    bool path_exists(const std::string& path) override { return linux_files::path_exists(path); }
    bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) override {
        return linux_files::any_entry(directory, matches);
    }
    bool is_read_only(const std::string& path) override { return linux_files::is_read_only(path); }
    bool may_create_in(const std::string& directory) override { return linux_files::may_create_in(directory); }
    bool make_private_directory(const std::string& path) override { return linux_files::make_private_directory(path); }
    bool is_private_directory(const std::string& path) override { return linux_files::is_private_directory(path); }
    bool write_file(const std::string& path, std::span<const ByteSet> parts) override {
        return linux_files::write_file(path, parts);
    }
    bool write_new_file(const std::string& path, ByteSet bytes) override {
        return linux_files::write_new_file(path, bytes);
    }
    bool set_attributes(const std::string& path, std::int32_t attributes) override {
        return linux_files::set_attributes(path, attributes);
    }
    ReadResult read_file(const std::string& path, std::string& bytes, Links links) override {
        return linux_files::read_file(path, bytes, links);
    }
    std::optional<std::string> write_target(const std::string& path, Links links) override {
        return linux_files::write_target(path, links);
    }
    bool replace_file(const std::string& path, std::string_view bytes) override {
        return linux_files::replace_file(path, bytes);
    }
    std::unique_ptr<Held> lock_directory_of(const std::string& path) override {
        return linux_files::lock_directory(path);
    }

    // A file named by path is read once and checked, and the loader is given
    // exactly those bytes: it would crash on a truncated library instead of
    // failing, and another process may cut the file short at any moment.
    // A drive letter ("C:/dir/x.dll") names the one file system Linux has.
    void* load_library(const std::string& path_or_name) override {
        const char letter = path_or_name.empty() ? '\0' : char(path_or_name[0] | 0x20);
        const bool drive = path_or_name.size() >= 2 && path_or_name[1] == ':' && letter >= 'a' && letter <= 'z';
        const std::string path = drive ? path_or_name.substr(2) : path_or_name;
        if (path.find('/') == std::string::npos) return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        LibrarySnapshot snapshot(path);
        return load_snapshot(snapshot);
    }
    // Nothing is written anywhere: the sealed copy is all the loader sees.
    void* load_carried_library(const std::string&, ByteSet bytes) override {
        LibrarySnapshot snapshot(bytes);
        return load_snapshot(snapshot);
    }
    void* find_entry(void* library, const std::string& name) override { return dlsym(library, name.c_str()); }
    void release_library(void* library) override {
        dlclose(library);
        if (const auto kept = snapshots_.find(library); kept != snapshots_.end()) {
            if (kept->second >= 0) close(kept->second);
            snapshots_.erase(kept);
        }
    }

private:
    void* load_snapshot(LibrarySnapshot& snapshot) {
        if (snapshot.path().empty() || !is_whole_library(snapshot.path())) return nullptr;
        void* library = dlopen(snapshot.path().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library != nullptr) snapshots_.emplace(library, snapshot.keep());
        return library;
    }

    std::multimap<void*, int> snapshots_;  // the memory files of loaded libraries
};

LinuxPlatform linux_platform;

}  // namespace

Platform& native_platform() { return linux_platform; }
