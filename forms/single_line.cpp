#include "forms/single_line.h"

#include <algorithm>

namespace forms {

namespace {

bool is_control(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

EditedText single_line_edit(std::u16string_view before, std::u16string_view after, std::size_t cursor) {
    cursor = std::min(cursor, after.size());
    // What was put in starts where the texts first differ (a character equal
    // to the one it replaced may be counted as kept: the result is the same).
    std::size_t start = 0;
    while (start < cursor && start < before.size() && before[start] == after[start]) ++start;
    std::u16string kept(after.substr(0, start));
    for (const char16_t c : after.substr(start, cursor - start)) {
        if (c == u'\r' || c == u'\n') break;
        if (!is_control(c)) kept += c;
    }
    const std::size_t new_cursor = kept.size();
    kept += after.substr(cursor);
    return {kept, new_cursor};
}

}  // namespace forms
