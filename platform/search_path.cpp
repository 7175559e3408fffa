#include "platform/search_path.h"

namespace {

bool is_absolute(std::string_view entry, char separator) {
    if (separator == ':') return entry.starts_with('/');
    const bool drive = entry.size() >= 3 && entry[1] == ':' && (entry[2] == '\\' || entry[2] == '/') &&
                       ((entry[0] | 0x20) >= 'a' && (entry[0] | 0x20) <= 'z');
    return drive || entry.starts_with("\\\\");
}

}  // namespace

std::string absolute_path_entries(std::string_view value, char separator) {
    std::string kept;
    while (!value.empty()) {
        const std::size_t end = value.find(separator);
        const std::string_view entry = value.substr(0, end);
        value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
        if (!is_absolute(entry, separator)) continue;
        if (!kept.empty()) kept += separator;
        kept += entry;
    }
    return kept;
}
