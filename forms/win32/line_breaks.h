#pragma once
// Where wrapped text breaks into lines, as a Chinese Windows breaks it:
// after spaces and between Chinese characters, never before closing or
// after opening punctuation; a word wider than the line is cut where it
// overflows. Line breaks in the text ("\r\n", "\n" or "\r") always break.
#include <string_view>
#include <vector>

namespace forms::win32 {

struct LineSpan {
    std::size_t begin = 0, end = 0;  // characters of the text; spaces that end the line left out
};

// `edges[i]` is the x at which character i of `text` begins, and
// edges[text.size()] where the last one ends, as on one unbroken line.
std::vector<LineSpan> break_lines(std::wstring_view text, const std::vector<int>& edges, int width);

}  // namespace forms::win32
