#include "platform/linux/browser_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/detached_thread.h"

extern char** environ;

namespace {

bool starts_with_ignoring_case(const std::string& text, const char* prefix) {
    for (size_t i = 0; prefix[i] != '\0'; ++i) {
        if (i >= text.size()) return false;
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

// A scheme is letters, digits, "+", "-", "." after a letter, then ":".
// One letter before the colon is a drive ("C:\..."), not a scheme.
bool has_scheme(const std::string& address) {
    size_t colon = address.find(':');
    if (colon == std::string::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(address[0]))) return false;
    for (size_t i = 1; i < colon; ++i) {
        unsigned char c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

bool is_program(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string find_launcher(const char* path_variable) {
    std::string_view rest = path_variable != nullptr ? path_variable : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view element = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        // An empty or relative element means the current directory, which is
        // the program's own: whatever lies there must never be run.
        if (element.empty() || element[0] != '/') continue;
        std::string candidate = std::string(element) + "/xdg-open";
        if (is_program(candidate)) return candidate;
    }
    for (const char* fallback : {"/usr/local/bin/xdg-open", "/usr/bin/xdg-open", "/bin/xdg-open"})
        if (is_program(fallback)) return fallback;
    return {};
}

std::string shell_address(const std::string& address) {
    if (has_scheme(address)) return address;
    if (starts_with_ignoring_case(address, "www.")) return "http://" + address;
    if (starts_with_ignoring_case(address, "ftp.")) return "ftp://" + address;
    if (!address.empty() && address[0] == '-') return "./" + address;
    return address;
}

namespace {

// The reader sees no box for it, as from the shell; the reason is kept here.
void report_not_opened(std::size_t length, const char* reason) {
    std::fprintf(stderr, "yanzhou-search: an address of %zu bytes was not opened: %s\n", length, reason);
    std::fflush(stderr);
}

// Launchers whose waiting thread could not be started (the system gave no
// thread): each launch reaps those that have ended since. Never destroyed: a
// launch may still run while static destruction does.
std::mutex& unreaped_lock() {
    static auto* lock = new std::mutex;
    return *lock;
}
std::vector<pid_t>& unreaped() {
    static auto* children = new std::vector<pid_t>;
    return *children;
}

void reap_ended_launchers() {
    std::lock_guard held(unreaped_lock());
    std::erase_if(unreaped(), [](pid_t child) {
        pid_t reaped;
        while ((reaped = waitpid(child, nullptr, WNOHANG)) < 0 && errno == EINTR) {}
        return reaped != 0;  // reaped now, or no longer a child to reap
    });
}

// Waiting for exactly this child leaves every other child of the process
// (and any SIGCHLD handler) alone.
void reap_when_ended(pid_t child) {
    const bool waiting = start_detached_thread([child] {
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {}
    });
    if (waiting) return;
    std::lock_guard held(unreaped_lock());
    unreaped().push_back(child);
}

}  // namespace

void launch_browser(const std::string& gbk_address) {
    reap_ended_launchers();
    std::string target = shell_address(browser_address(gbk_address));
    const std::string launcher = find_launcher(std::getenv("PATH"));
    if (launcher.empty()) return report_not_opened(target.size(), "no xdg-open found");
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);

    // The browser must outlive us and must not inherit a blocked or ignored
    // signal from the GUI thread.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGCHLD);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    char program[] = "xdg-open";
    char* argv[] = {program, target.data(), nullptr};
    pid_t child = 0;
    int failed = posix_spawn(&child, launcher.c_str(), &files, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    // An address longer than the system passes as one argument fails with E2BIG.
    if (failed != 0) return report_not_opened(target.size(), std::strerror(failed));
    reap_when_ended(child);
}
