#include "app/platform/linux/browser_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cctype>
#include <cerrno>
#include <thread>

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

}  // namespace

std::string shell_address(const std::string& address) {
    if (has_scheme(address)) return address;
    if (starts_with_ignoring_case(address, "www.")) return "http://" + address;
    if (starts_with_ignoring_case(address, "ftp.")) return "ftp://" + address;
    if (!address.empty() && address[0] == '-') return "./" + address;
    return address;
}

void launch_browser(const std::string& utf8_address) {
    std::string target = shell_address(utf8_address);
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
    int failed = posix_spawnp(&child, program, &files, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (failed != 0) return;  // like the shell: nothing is reported

    // Waiting for exactly this child leaves every other child of the process
    // (and any SIGCHLD handler) alone.
    std::thread([child] {
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}
