#include "host/run_directory.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "host/host.h"
#include "platform/platform.h"

namespace {

// A directory the platform names, in both forms.
struct NamedDirectory {
    std::optional<std::string> given;  // as the platform named it
    std::string utf8;                  // as on disk
    Text text;                         // as the program sees it

    // Formed again only when the platform names another directory (a test's).
    const NamedDirectory& update(std::string now) {
        if (now == given) return *this;
        given = now;
        utf8 = now;
        text = from_utf8(now);
        // Callers append "\name"; a directory ending in a separator would double it.
        while (text.size() > 1 && (text.back() == '/' || text.back() == '\\')) text.pop_back();
        while (utf8.size() > 1 && utf8.back() == '/') utf8.pop_back();
        return *this;
    }
};

const NamedDirectory& run_directory() {
    static NamedDirectory directory;
    return directory.update(platform().program_directory());
}

const NamedDirectory& user_directory() {
    static NamedDirectory directory;
    return directory.update(platform().user_settings_directory());
}

// A path text under the directory: the directory's own name on disk in
// `utf8`, and the rest of the text left in `rest`.
bool take_directory(const NamedDirectory& d, Text& rest, std::string& utf8) {
    if (d.text.empty() || rest.compare(0, d.text.size(), d.text) != 0) return false;
    if (rest.size() != d.text.size() && rest[d.text.size()] != '\\' && rest[d.text.size()] != '/') return false;
    utf8 = d.utf8;
    rest.erase(0, d.text.size());
    if (utf8 == "/" && !rest.empty()) utf8.clear();
    return true;
}

}  // namespace

// Nothing depends on the current directory for correctness: every path the
// program forms starts with the run directory, so a failure changes nothing.
bool fix_run_directory() {
    if (run_directory().utf8.empty()) return false;
    platform().change_directory(run_directory().utf8);
    return true;
}

Text RunDirectory() { return run_directory().text; }

// Another user's folder, or one open to others, could hand the reader's
// settings to them or lead a write anywhere: it is refused, once said.
Text user_settings_directory() {
    const NamedDirectory& folder = user_directory();
    if (folder.utf8.empty() || !platform().path_exists(folder.utf8) || platform().is_private_directory(folder.utf8))
        return folder.text;
    static std::string told;
    if (told != folder.utf8) {
        told = folder.utf8;
        std::fprintf(stderr,
                     "yanzhou-search: %s is not the reader's alone (another owner, or open to others); "
                     "no settings are kept there\n",
                     folder.utf8.c_str());
    }
    return {};
}

namespace {

// Which of the two directories a path text lies in (the longer name first:
// one of the two may lie inside the other); the rest of the text is left in
// `rest` and the directory's name on disk in `utf8`.
const NamedDirectory* directory_of(Text& rest, std::string& utf8) {
    const NamedDirectory* run = &run_directory();
    const NamedDirectory* user = &user_directory();
    if (user->text.size() > run->text.size()) std::swap(run, user);
    if (take_directory(*run, rest, utf8)) return run;
    if (take_directory(*user, rest, utf8)) return user;
    return nullptr;
}

}  // namespace

Links links_for(const Text& path) {
    Text rest = path.substr(0, path.find('\0'));
    std::string utf8;
    return directory_of(rest, utf8) == &user_directory() ? Links::refuse : Links::follow;
}

std::string os_path(const Text& path) {
    // Convert first: a GBK trail byte may be 0x5C, which is not a separator.
    std::string utf8;
    Text rest = path.substr(0, path.find('\0'));
    directory_of(rest, utf8);
    utf8 += to_utf8(rest);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    return utf8;
}
