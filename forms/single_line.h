#pragma once
// What a one-line edit box keeps of text put into it, the same in every view:
// as Windows' single-line edit box does, a paste is kept up to its first line
// break, and NUL and the other control characters never enter.
#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

struct EditedText {
    std::u16string text;
    std::size_t cursor;
};

// The box's text after an edit: `after` is its text with what was just put in
// ending at `cursor`, `before` its text until then. Of what was put in, what
// precedes its first CR or LF stays, without control characters (C0, DEL and
// C1); the rest of the box is left as it was.
EditedText single_line_edit(std::u16string_view before, std::u16string_view after, std::size_t cursor);

}  // namespace forms
