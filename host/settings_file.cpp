// ReadSetting and WriteSetting: the profile rules on a real file, written so
// that neither a crash nor a second writer can cost the file or a write.
#include "host/host.h"
#include "host/profile/profile.h"
#include "host/run_directory.h"
#include "platform/platform.h"

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

bool is_gbk_lead_byte(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x81 && u <= 0xFE;
}

// A value cut at the read limit ends on a whole GBK character: a lone lead
// byte would swallow the first byte of whatever a caller puts after it.
Text whole_characters(std::string value) {
    if (value.size() < profile::max_value_length) return value;
    size_t i = 0;
    while (i + 1 < value.size()) i += is_gbk_lead_byte(value[i]) ? 2 : 1;
    if (i + 1 == value.size() && is_gbk_lead_byte(value.back())) value.pop_back();
    return value;
}

// The lines of a file read up to the size cap: a line the cap cut in two is
// left out rather than read as shorter than it is.
std::string_view whole_lines(std::string_view bytes, ReadResult result) {
    if (result != ReadResult::cut) return bytes;
    const size_t last_break = bytes.find_last_of("\r\n");
    return bytes.substr(0, last_break == std::string_view::npos ? 0 : last_break + 1);
}

}  // namespace

Text ReadSetting(const Text& file, const Text& section, const Text& key) {
    std::string_view path = skip_control_and_blank(up_to_zero(file));
    std::string_view section_name = skip_control_and_blank(up_to_zero(section));
    std::string_view key_name = skip_control_and_blank(up_to_zero(key));
    if (path.empty() || section_name.empty() || key_name.empty()) return {};
    std::string bytes;
    const ReadResult result = platform().read_file(os_path(Text(path)), bytes, links_for(Text(path)));
    if (result != ReadResult::whole && result != ReadResult::cut) return {};
    return whole_characters(profile::read_value(whole_lines(bytes, result), section_name, key_name));
}

bool WriteSetting(const Text& file, const Text& section, const Text& key, const Text& value) {
    std::string_view path_text = up_to_zero(file);
    if (path_text.empty()) return false;
    // Only a regular file is ever replaced: a link to a device or a FIFO is
    // left alone, and so is a dangling one.
    const Links links = links_for(Text(path_text));
    const std::optional<std::string> path = platform().write_target(os_path(Text(path_text)), links);
    if (!path) return false;
    // Read, change and replace under one lock, so that a second process
    // writing another key at the same moment works on our result. A lock
    // someone keeps fails the write, as a locked file does on Windows.
    const std::unique_ptr<Held> lock = platform().lock_directory_of(*path);
    if (!lock || platform().is_read_only(*path)) return false;
    std::string old;
    const ReadResult result = platform().read_file(*path, old, links);
    // A file over the cap is never written back cut, nor one made to pass it:
    // a value beyond the cap could not be read back.
    if (result != ReadResult::whole && result != ReadResult::missing) return false;
    std::optional<std::string> updated =
        profile::write_value(old, up_to_zero(section), up_to_zero(key), up_to_zero(value));
    if (!updated || updated->size() > max_file_size) return false;
    if (result == ReadResult::whole && old == *updated) return true;
    return platform().replace_file(*path, *updated);
}
