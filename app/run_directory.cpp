#include "app/run_directory.h"

#include <unistd.h>

#include <climits>

#include "app/host.h"

namespace {

struct RunDirectoryState {
    std::string utf8;  // as on disk
    Text text;         // as the program sees it
    bool known = false;
};

RunDirectoryState& state() {
    static RunDirectoryState s;
    return s;
}

std::string program_directory() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    // The root directory keeps its slash; anything else loses it.
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

void set_directory(const std::string& utf8) {
    RunDirectoryState& s = state();
    s.utf8 = utf8;
    s.text = from_utf8(utf8);
    // Callers append "\name"; a directory ending in a separator would double it.
    while (s.text.size() > 1 && (s.text.back() == '/' || s.text.back() == '\\')) s.text.pop_back();
    while (s.utf8.size() > 1 && s.utf8.back() == '/') s.utf8.pop_back();
    s.known = true;
}

const RunDirectoryState& known_state() {
    if (!state().known) set_directory(program_directory());
    return state();
}

}  // namespace

void fix_run_directory() {
    set_directory(program_directory());
    if (chdir(state().utf8.c_str()) != 0) {
        // Nothing depends on the current directory for correctness: every
        // path the program forms starts with the run directory.
    }
}

void SetRunDirectoryForTesting(const std::string& utf8_directory) {
    if (utf8_directory.empty())
        set_directory(program_directory());
    else
        set_directory(utf8_directory);
}

Text RunDirectory() { return known_state().text; }

std::string os_path(const Text& path) {
    const RunDirectoryState& s = known_state();
    // Convert first: a GBK trail byte may be 0x5C, which is not a separator.
    std::string utf8;
    Text rest = path.substr(0, path.find('\0'));
    if (rest.compare(0, s.text.size(), s.text) == 0 &&
        (rest.size() == s.text.size() || rest[s.text.size()] == '\\' || rest[s.text.size()] == '/')) {
        utf8 = s.utf8;
        rest.erase(0, s.text.size());
        if (utf8 == "/" && !rest.empty()) utf8.clear();
    }
    utf8 += to_utf8(rest);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    return utf8;
}
