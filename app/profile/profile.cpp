#include "app/profile/profile.h"

#include <vector>

namespace profile {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

bool is_lead_byte(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x81 && u <= 0xFE;
}

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A name as it may stand in a line: up to a zero byte or a line break.
std::string_view line_safe(std::string_view s) {
    size_t end = s.find_first_of(std::string_view("\0\r\n", 3));
    return end == std::string_view::npos ? s : s.substr(0, end);
}

struct Line {
    size_t begin = 0;  // first byte of the line
    size_t end = 0;    // one past its last byte, line break excluded
    size_t next = 0;   // first byte of the following line
};

std::vector<Line> split_lines(std::string_view file) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < file.size()) {
        size_t end = file.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) {
            lines.push_back({begin, file.size(), file.size()});
            break;
        }
        size_t next = end + 1;
        if (file[end] == '\r' && next < file.size() && file[next] == '\n') ++next;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

enum class Kind { ignored, section, item };

struct Parsed {
    Kind kind = Kind::ignored;
    std::string_view name;
    std::string_view value;
};

// The last "]" of the text, walking by characters so that the trail byte of
// a GBK character is never taken for one.
size_t closing_bracket(std::string_view s) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        if (is_lead_byte(s[i]) && i + 1 < s.size())
            ++i;
        else if (s[i] == ']')
            found = i;
    }
    return found;
}

Parsed parse(std::string_view text) {
    std::string_view s = trim(text);
    if (s.empty() || s.front() == ';') return {};
    if (s.front() == '[') {
        std::string_view inner = s.substr(1);
        size_t close = closing_bracket(inner);
        if (close == std::string_view::npos) return {};
        return {Kind::section, trim(inner.substr(0, close)), {}};
    }
    size_t equals = s.find('=');
    if (equals == std::string_view::npos) return {Kind::item, s, {}};
    return {Kind::item, trim(s.substr(0, equals)), trim(s.substr(equals + 1))};
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Where a section and one of its items stand in the file.
struct Place {
    std::vector<Line> lines;
    std::optional<size_t> section;  // index of the header line
    std::optional<size_t> item;     // index of the item's line
    size_t last_of_section = 0;     // last line of the section that is not blank
};

Place locate(std::string_view file, std::string_view section, std::string_view key) {
    Place place;
    place.lines = split_lines(file);
    for (size_t i = 0; i < place.lines.size(); ++i) {
        const Line& line = place.lines[i];
        Parsed parsed = parse(file.substr(line.begin, line.end - line.begin));
        if (!place.section) {
            if (parsed.kind == Kind::section && same_name(parsed.name, section)) {
                place.section = i;
                place.last_of_section = i;
            }
            continue;
        }
        if (parsed.kind == Kind::section) break;
        if (!trim(file.substr(line.begin, line.end - line.begin)).empty()) place.last_of_section = i;
        if (!place.item && parsed.kind == Kind::item && same_name(parsed.name, key)) place.item = i;
    }
    return place;
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (is_lead_byte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

std::string read_value(std::string_view file, std::string_view section, std::string_view key) {
    section = trim(line_safe(section));
    key = trim(line_safe(key));
    if (section.empty() || key.empty()) return {};
    Place place = locate(file, section, key);
    if (!place.item) return {};
    const Line& line = place.lines[*place.item];
    std::string_view value = unquote(parse(file.substr(line.begin, line.end - line.begin)).value);
    return std::string(value.substr(0, max_value_length));
}

std::optional<std::string> write_value(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view value) {
    section = trim(line_safe(section));
    key = trim(line_safe(key));
    value = line_safe(value);
    if (section.empty() || key.empty()) return std::nullopt;

    std::string item(key);
    item += '=';
    item += value;
    std::string out(file);
    Place place = locate(file, section, key);

    if (place.item) {
        const Line& line = place.lines[*place.item];
        out.replace(line.begin, line.end - line.begin, item);
        return out;
    }
    if (place.section) {
        const Line& last = place.lines[place.last_of_section];
        if (last.next > last.end)
            out.insert(last.next, item + "\r\n");
        else
            out.insert(last.end, "\r\n" + item + "\r\n");
        return out;
    }
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    out += '[';
    out += section;
    out += "]\r\n";
    out += item;
    out += "\r\n";
    return out;
}

}  // namespace profile
