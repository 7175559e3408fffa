// Fuzzes the private-profile engine with arbitrary file bytes, GBK or
// Unicode: reads never fail, and a write changes nothing but its own line (or
// adds its key and section), after which a read returns the written value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "host/profile/profile.h"
#include "platform/text.h"

namespace {

// A name that the profile format can always hold: ASCII letters and digits,
// inner blanks, and whole GBK characters (whose trail bytes may be "[", "]",
// "\" or letters). A Unicode file holds only characters, so there a pair
// that is no GBK character becomes one.
std::string make_name(FuzzedDataProvider& in, bool unicode) {
    std::string name;
    size_t length = in.ConsumeIntegralInRange<size_t>(1, 6);
    for (size_t i = 0; i < length; ++i) {
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
            case 0: name += static_cast<char>('a' + in.ConsumeIntegralInRange<int>(0, 25)); break;
            case 1: name += static_cast<char>('A' + in.ConsumeIntegralInRange<int>(0, 25)); break;
            case 2: name += i > 0 ? ' ' : 'x'; break;
            default:
                std::string pair = {static_cast<char>(in.ConsumeIntegralInRange<int>(0x81, 0xFE)),
                                    static_cast<char>(in.ConsumeIntegralInRange<int>(0x40, 0xFE))};
                if (unicode && gbk_from_utf16(utf16_from_gbk(pair)) != pair) pair = "\xB0\xA1";
                name += pair;
        }
    }
    if (name.back() == ' ') name.back() = 'z';
    return name;
}

// Lines of GBK bytes or of UTF-16 units.
template <class String>
struct Line {
    String text;
    String brk;
    bool operator==(const Line&) const = default;
};

template <class String>
std::vector<Line<String>> lines_of(const String& file) {
    const typename String::value_type breaks[] = {'\r', '\n', 0};
    std::vector<Line<String>> lines;
    size_t begin = 0;
    while (begin < file.size()) {
        size_t end = file.find_first_of(breaks, begin);
        if (end == String::npos) {
            lines.push_back({file.substr(begin), {}});
            break;
        }
        size_t next = end + 1;
        if (file[end] == '\r' && next < file.size() && file[next] == '\n') ++next;
        lines.push_back({file.substr(begin, end - begin), file.substr(end, next - end)});
        begin = next;
    }
    return lines;
}

// What a read gives back for a written value.
std::string read_back(std::string value) {
    value = value.substr(0, value.find_first_of(std::string("\0\r\n", 3)));
    size_t first = value.find_first_not_of(" \t\v");
    if (first == std::string::npos) return "";
    value = value.substr(first, value.find_last_not_of(" \t\v") - first + 1);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value.substr(0, profile::max_value_length);
}

template <class String>
String with_value(String line, const String& value) {
    const typename String::value_type blanks[] = {' ', '\t', '\v', 0};
    line = line.substr(0, line.find('='));
    line = line.substr(0, line.find_last_not_of(blanks) + 1);
    line = line.substr(std::min(line.find_first_not_of(blanks), line.size()));
    return line + typename String::value_type('=') + value;
}

// True when `after` is `before` with only these changes: one key line got the
// value, keeping its name, or the item (and its section header) was added as
// CR LF lines, the old last line gaining a line break if it had none.
template <class String>
bool only_own_line_changed(const String& before, const String& after, const String& item, const String& value,
                           const String& header) {
    const String crlf = {'\r', '\n'};
    std::vector<Line<String>> old_lines = lines_of(before), new_lines = lines_of(after);
    size_t i = 0, j = 0;
    int replaced = 0, added = 0;
    while (i < old_lines.size() && j < new_lines.size()) {
        const Line<String>& o = old_lines[i];
        const Line<String>& n = new_lines[j];
        if (o == n) {
            ++i, ++j;
        } else if (i + 1 == old_lines.size() && o.brk.empty() && n.text == o.text && n.brk == crlf) {
            ++i, ++j;
        } else if (n.text == item && n.brk == crlf && added == 0 && j + 1 < new_lines.size() && new_lines[j + 1] == o) {
            ++j, ++added;  // the item inserted before this old line
        } else if (o.text.find('=') != String::npos && n.text == with_value(o.text, value) && n.brk == o.brk &&
                   replaced == 0 && added == 0) {
            ++i, ++j, ++replaced;
        } else {
            return false;
        }
    }
    if (i != old_lines.size()) return false;
    for (; j < new_lines.size(); ++j) {
        if ((new_lines[j].text != item && new_lines[j].text != header) || new_lines[j].brk != crlf) return false;
        if (++added > 2) return false;
    }
    return replaced + added >= 1 || before == after;
}

constexpr std::string_view unicode_mark = "\xFF\xFE";

std::u16string units_of(std::string_view bytes) {
    std::u16string units;
    for (size_t i = unicode_mark.size(); i + 1 < bytes.size(); i += 2)
        units +=
            static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return units;
}

// Names and value are converted one by one, as the engine converts them: the
// bytes around a bad GBK byte may make another character.
bool only_own_line_of_file_changed(const std::string& before, const std::string& after, const std::string& section,
                                   const std::string& key, const std::string& value) {
    if (!before.starts_with(unicode_mark))
        return only_own_line_changed(before, after, key + "=" + value, value, "[" + section + "]");
    // A Unicode file stays Unicode, and the odd byte after its last unit stays last.
    if (!after.starts_with(unicode_mark) || before.size() % 2 != after.size() % 2) return false;
    if (before.size() % 2 == 1 && before.back() != after.back()) return false;
    const std::u16string unicode_value = utf16_from_gbk(value);
    return only_own_line_changed(units_of(before), units_of(after), utf16_from_gbk(key) + u"=" + unicode_value,
                                 unicode_value, u"[" + utf16_from_gbk(section) + u"]");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool unicode = in.ConsumeBool();
    const std::string section = make_name(in, unicode);
    const std::string key = make_name(in, unicode);
    const std::string value = in.ConsumeRandomLengthString(80);
    std::string rest = in.ConsumeRemainingBytesAsString();
    // A GBK file that begins with the mark by chance is read as Unicode, where
    // the GBK names made above need not survive the conversion.
    if (!unicode && rest.starts_with(unicode_mark)) rest.insert(0, "\n");
    const std::string file = (unicode ? std::string(unicode_mark) : "") + rest;

    if (profile::read_value(file, section, key).size() > profile::max_value_length) std::abort();
    // Arbitrary bytes as names must be safe too.
    (void)profile::read_value(file, value, file.substr(0, 8));
    (void)profile::write_value(file, value, file.substr(0, 8), section);

    std::optional<std::string> written = profile::write_value(file, section, key, value);
    if (!written) std::abort();  // the names are never empty
    const std::string expected = read_back(value);
    if (profile::read_value(*written, section, key) !=
        (file.starts_with(unicode_mark) ? gbk_from_utf16(utf16_from_gbk(expected)) : expected))
        std::abort();
    const std::string line_value = value.substr(0, value.find_first_of(std::string("\0\r\n", 3)));
    if (!only_own_line_of_file_changed(file, *written, section, key, line_value)) std::abort();
    return 0;
}
