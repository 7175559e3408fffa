// FileExists, WriteBytesToFile and ChangeFileAttributes: the Windows rules
// on the program's paths, the files themselves through the platform.
#include "host/host.h"
#include "host/run_directory.h"
#include "host/wildcard.h"
#include "platform/platform.h"

namespace {

std::string path_of(const Text& text) { return os_path(Text(text.c_str())); }

}  // namespace

bool FileExists(const Text& path_text) {
    const std::string path = path_of(path_text);
    if (path.empty()) return false;
    const size_t slash = path.rfind('/');
    const std::string last = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!has_wildcard(last)) return platform().path_exists(path);
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return platform().any_entry(directory, [&last](std::string_view name) { return wildcard_match(last, name); });
}

bool WriteBytesToFile(const Text& path_text, std::initializer_list<ByteSet> parts) {
    const std::string path = path_of(path_text);
    if (path.empty()) return false;
    // Windows refuses to overwrite a read-only file; root would not be stopped here.
    if (platform().is_read_only(path)) return false;
    return platform().write_file(path, std::span<const ByteSet>(parts.begin(), parts.size()));
}

bool ChangeFileAttributes(const Text& path_text, std::int32_t attributes) {
    const std::string path = path_of(path_text);
    if (path.empty()) return false;
    // Read-only, hidden, system and archive; nothing else is kept.
    return platform().set_attributes(path, attributes & 0x27);
}
