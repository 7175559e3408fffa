// Fuzzes the private-profile engine with arbitrary file bytes: reads never
// fail, and a write changes nothing but its own line (or adds its item and
// section), after which a read returns the written value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/profile/profile.h"

namespace {

// A name that the profile format can always hold: ASCII letters and digits,
// inner blanks, and whole GBK characters (whose trail bytes may be "[", "]",
// "\" or letters).
std::string make_name(FuzzedDataProvider& in) {
    std::string name;
    size_t length = in.ConsumeIntegralInRange<size_t>(1, 6);
    for (size_t i = 0; i < length; ++i) {
        switch (in.ConsumeIntegralInRange<int>(0, 3)) {
            case 0: name += static_cast<char>('a' + in.ConsumeIntegralInRange<int>(0, 25)); break;
            case 1: name += static_cast<char>('A' + in.ConsumeIntegralInRange<int>(0, 25)); break;
            case 2: name += i > 0 ? ' ' : 'x'; break;
            default:
                name += static_cast<char>(in.ConsumeIntegralInRange<int>(0x81, 0xFE));
                name += static_cast<char>(in.ConsumeIntegralInRange<int>(0x40, 0xFE));
        }
    }
    if (name.back() == ' ') name.back() = 'z';
    return name;
}

struct Line {
    std::string text;
    std::string brk;
    bool operator==(const Line&) const = default;
};

std::vector<Line> lines_of(const std::string& file) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < file.size()) {
        size_t end = file.find_first_of("\r\n", begin);
        if (end == std::string::npos) {
            lines.push_back({file.substr(begin), ""});
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
    size_t first = value.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value.substr(0, profile::max_value_length);
}

// True when `after` is `before` with only these changes: one line's text
// became the item, or the item (and its section header) was added as CR LF
// lines, the old last line gaining a line break if it had none.
bool only_own_line_changed(const std::string& before, const std::string& after, const std::string& item,
                           const std::string& header) {
    std::vector<Line> old_lines = lines_of(before), new_lines = lines_of(after);
    size_t i = 0, j = 0;
    int replaced = 0, added = 0;
    while (i < old_lines.size() && j < new_lines.size()) {
        const Line& o = old_lines[i];
        const Line& n = new_lines[j];
        if (o == n) {
            ++i, ++j;
        } else if (i + 1 == old_lines.size() && o.brk.empty() && n.text == o.text && n.brk == "\r\n") {
            ++i, ++j;
        } else if (n.text == item && n.brk == "\r\n" && added == 0 && j + 1 < new_lines.size() &&
                   new_lines[j + 1] == o) {
            ++j, ++added;  // the item inserted before this old line
        } else if (n.text == item && n.brk == o.brk && replaced == 0 && added == 0) {
            ++i, ++j, ++replaced;
        } else {
            return false;
        }
    }
    if (i != old_lines.size()) return false;
    for (; j < new_lines.size(); ++j) {
        if ((new_lines[j].text != item && new_lines[j].text != header) || new_lines[j].brk != "\r\n") return false;
        if (++added > 2) return false;
    }
    return replaced + added >= 1 || before == after;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = make_name(in);
    const std::string key = make_name(in);
    const std::string value = in.ConsumeRandomLengthString(80);
    const std::string file = in.ConsumeRemainingBytesAsString();

    if (profile::read_value(file, section, key).size() > profile::max_value_length) std::abort();
    // Arbitrary bytes as names must be safe too.
    (void)profile::read_value(file, value, file.substr(0, 8));
    (void)profile::write_value(file, value, file.substr(0, 8), section);

    std::optional<std::string> written = profile::write_value(file, section, key, value);
    if (!written) std::abort();  // the names are never empty
    if (profile::read_value(*written, section, key) != read_back(value)) std::abort();
    const std::string item = key + "=" + value.substr(0, value.find_first_of(std::string("\0\r\n", 3)));
    if (!only_own_line_changed(file, *written, item, "[" + section + "]")) std::abort();
    return 0;
}
