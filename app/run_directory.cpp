#include "app/run_directory.h"

#include <optional>

#include "app/host.h"
#include "app/platform/platform.h"

namespace {

struct RunDirectoryState {
    std::optional<std::string> given;  // as the platform named it
    std::string utf8;                  // as on disk
    Text text;                         // as the program sees it
};

// Formed again only when the platform names another directory (a test's).
const RunDirectoryState& state() {
    static RunDirectoryState s;
    std::string given = platform().program_directory();
    if (given == s.given) return s;
    s.given = given;
    s.utf8 = given;
    s.text = from_utf8(given);
    // Callers append "\name"; a directory ending in a separator would double it.
    while (s.text.size() > 1 && (s.text.back() == '/' || s.text.back() == '\\')) s.text.pop_back();
    while (s.utf8.size() > 1 && s.utf8.back() == '/') s.utf8.pop_back();
    return s;
}

}  // namespace

// Nothing depends on the current directory for correctness: every path the
// program forms starts with the run directory, so a failure changes nothing.
bool fix_run_directory() {
    if (state().utf8.empty()) return false;
    platform().change_directory(state().utf8);
    return true;
}

Text RunDirectory() { return state().text; }

std::string os_path(const Text& path) {
    const RunDirectoryState& s = state();
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
