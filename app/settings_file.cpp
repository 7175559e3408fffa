// ReadSetting and WriteSetting: the profile rules on a real file, written so
// that neither a crash nor a second writer can cost the file or a write.
#include "app/file_replace.h"
#include "app/host.h"
#include "app/profile/profile.h"
#include "app/run_directory.h"

namespace {

// The texts reach the file system zero-terminated, as on Windows.
std::string_view up_to_zero(const Text& text) {
    std::string_view view(text);
    return view.substr(0, view.find('\0'));
}

std::string_view skip_control_and_blank(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) >= 1 &&
           static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    return text;
}

}  // namespace

Text ReadSetting(const Text& file, const Text& section, const Text& key) {
    std::string_view path = skip_control_and_blank(up_to_zero(file));
    std::string_view section_name = skip_control_and_blank(up_to_zero(section));
    std::string_view key_name = skip_control_and_blank(up_to_zero(key));
    if (path.empty() || section_name.empty() || key_name.empty()) return {};
    std::optional<std::string> bytes = read_whole_file(os_path(Text(path)));
    if (!bytes) return {};
    return profile::read_value(*bytes, section_name, key_name);
}

bool WriteSetting(const Text& file, const Text& section, const Text& key, const Text& value) {
    std::string_view path_text = up_to_zero(file);
    if (path_text.empty()) return false;
    const std::string path = resolve_link(os_path(Text(path_text)));
    // Read, change and replace under one lock, so that a second process
    // writing another key at the same moment works on our result.
    DirectoryLock lock(path);
    if (is_read_only(path)) return false;
    bool missing = false;
    std::optional<std::string> old = read_whole_file(path, &missing);
    if (!old && !missing) return false;
    std::optional<std::string> updated =
        profile::write_value(old.value_or(std::string()), up_to_zero(section), up_to_zero(key), up_to_zero(value));
    if (!updated) return false;
    if (old && *old == *updated) return true;
    return replace_file(path, *updated);
}
