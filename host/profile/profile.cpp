#include "host/profile/profile.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"

namespace profile {
namespace {

// The rules run on GBK bytes (char) or on the units of a Unicode file
// (char16_t); every character they look for is ASCII.
template <class Char>
using View = std::basic_string_view<Char>;
template <class Char>
using String = std::basic_string<Char>;

template <class Char>
String<Char> ascii(std::string_view s) {
    return String<Char>(s.begin(), s.end());
}

// The white space Windows trims around a line's names and value (CR and LF
// too, though here they always end the line).
template <class Char>
bool is_blank(Char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\r' || c == '\n';
}

template <class Char>
View<Char> trim(View<Char> s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

// A name as it may stand in a line: up to a zero byte or a line break.
std::string_view line_safe(std::string_view s) { return s.substr(0, s.find_first_of(std::string_view("\0\r\n", 3))); }

// The caller's names lose only their spaces, as Windows trims them.
std::string_view callers_name(std::string_view s) {
    s = line_safe(s);
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

// A GBK lead byte and its trail byte are one character, so that a trail byte
// that happens to be "]" or a letter is never taken for one. A UTF-16 unit is
// one character for these rules: no surrogate is ASCII.
size_t character_length(std::string_view s, size_t i) { return gbk_character_length(s, i); }
size_t character_length(std::u16string_view, size_t) { return 1; }

template <class Char>
Char fold(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <class Char>
bool same_name(View<Char> a, View<Char> b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size();) {
        size_t n = character_length(a, i);
        if (n == 1 ? fold(a[i]) != fold(b[i]) : a.substr(i, n) != b.substr(i, n)) return false;
        i += n;
    }
    return true;
}

struct Line {
    size_t begin = 0;  // first unit of the line
    size_t end = 0;    // one past its last unit, line break excluded
    size_t next = 0;   // first unit of the following line
};

template <class Char>
std::vector<Line> split_lines(View<Char> file) {
    const Char breaks[] = {'\r', '\n'};
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < file.size()) {
        size_t end = std::min(file.find_first_of(View<Char>(breaks, 2), begin), file.size());
        size_t next = end + 1;
        if (end < file.size() && file[end] == '\r' && next < file.size() && file[next] == '\n') ++next;
        lines.push_back({begin, end, std::min(next, file.size())});
        begin = next;
    }
    return lines;
}

enum class Kind { other, section, key };

template <class Char>
struct Parsed {
    Kind kind = Kind::other;
    View<Char> name;
    View<Char> value;
};

template <class Char>
size_t first_closing_bracket(View<Char> s) {
    for (size_t i = 0; i < s.size(); i += character_length(s, i))
        if (s[i] == ']') return i;
    return View<Char>::npos;
}

template <class Char>
Parsed<Char> parse(View<Char> text) {
    View<Char> s = trim(text);
    if (s.empty() || s.front() == ';') return {};
    if (s.front() == '[') {
        View<Char> inner = s.substr(1);
        return {Kind::section, trim(inner.substr(0, first_closing_bracket(inner))), {}};
    }
    // "=" is below every GBK trail byte, so the first one is never half a character.
    size_t equals = s.find(Char('='));
    if (equals == View<Char>::npos) return {};
    return {Kind::key, trim(s.substr(0, equals)), trim(s.substr(equals + 1))};
}

template <class Char>
View<Char> unquote(View<Char> v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Where a section and one of its keys stand in the file.
struct Place {
    std::vector<Line> lines;
    std::optional<size_t> section;  // index of the header line
    std::optional<size_t> key;      // index of the key's line
    size_t last_key = 0;            // last key line of the section, else its header
};

template <class Char>
View<Char> text_of(View<Char> file, const Line& line) {
    return file.substr(line.begin, line.end - line.begin);
}

template <class Char>
Place locate(View<Char> file, View<Char> section, View<Char> key) {
    Place place;
    place.lines = split_lines(file);
    for (size_t i = 0; i < place.lines.size(); ++i) {
        Parsed<Char> parsed = parse(text_of(file, place.lines[i]));
        if (!place.section) {
            if (parsed.kind == Kind::section && same_name(parsed.name, section)) place.section = place.last_key = i;
            continue;
        }
        if (parsed.kind == Kind::section) break;
        if (parsed.kind != Kind::key) continue;
        place.last_key = i;
        if (!place.key && same_name(parsed.name, key)) place.key = i;
    }
    return place;
}

template <class Char>
View<Char> find_value(View<Char> file, View<Char> section, View<Char> key) {
    Place place = locate(file, section, key);
    if (!place.key) return {};
    return unquote(parse(text_of(file, place.lines[*place.key])).value);
}

template <class Char>
String<Char> write_line(View<Char> file, View<Char> section, View<Char> key, View<Char> value) {
    const String<Char> line_break = ascii<Char>("\r\n");
    Place place = locate(file, section, key);
    // A key that stands in the file keeps its spelling there.
    if (place.key) key = parse(text_of(file, place.lines[*place.key])).name;
    String<Char> item = String<Char>(key) + Char('=') + String<Char>(value);
    String<Char> out(file);

    if (place.key) {
        const Line& line = place.lines[*place.key];
        out.replace(line.begin, line.end - line.begin, item);
    } else if (place.section) {
        const Line& last = place.lines[place.last_key];
        if (last.next > last.end)
            out.insert(last.next, item + line_break);
        else
            out.insert(last.end, line_break + item + line_break);
    } else {
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += line_break;
        out += Char('[') + String<Char>(section) + Char(']') + line_break + item + line_break;
    }
    return out;
}

constexpr std::string_view unicode_mark = "\xFF\xFE";

// The UTF-16LE units after the mark; an odd last byte is no unit.
std::u16string units_of(std::string_view file) {
    std::u16string units((file.size() - unicode_mark.size()) / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto* unit = reinterpret_cast<const unsigned char*>(file.data() + unicode_mark.size() + 2 * i);
        units[i] = static_cast<char16_t>(unit[0] | unit[1] << 8);
    }
    return units;
}

void append_units(std::string& out, std::u16string_view units) {
    for (char16_t unit : units) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
}

}  // namespace

std::string read_value(std::string_view file, std::string_view section, std::string_view key) {
    section = callers_name(section);
    key = callers_name(key);
    if (key.empty()) return {};
    std::string value;
    if (file.starts_with(unicode_mark)) {
        std::u16string units = units_of(file);
        value = gbk_from_utf16(find_value<char16_t>(units, utf16_from_gbk(section), utf16_from_gbk(key)));
    } else {
        value = find_value(file, section, key);
    }
    if (value.size() > max_value_length) value.resize(max_value_length);
    return value;
}

std::optional<std::string> write_value(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view value) {
    section = callers_name(section);
    key = callers_name(key);
    value = line_safe(value);
    if (section.empty() || key.empty()) return std::nullopt;
    if (!file.starts_with(unicode_mark)) return write_line(file, section, key, value);

    std::u16string units = units_of(file);
    std::string out(unicode_mark);
    append_units(out, write_line<char16_t>(units, utf16_from_gbk(section), utf16_from_gbk(key), utf16_from_gbk(value)));
    // A stray byte after the last whole unit stays the file's last byte.
    out += file.substr(unicode_mark.size() + 2 * units.size());
    return out;
}

}  // namespace profile
