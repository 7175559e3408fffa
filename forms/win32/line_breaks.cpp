#include "forms/win32/line_breaks.h"

namespace forms::win32 {

namespace {

bool is_space(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }

// Ideographs, kana, Hangul, and the full-width forms and punctuation
// that sit between them: a line may break on either side of each.
bool is_wide(wchar_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool is_closing(wchar_t c) {
    return std::wstring_view(L"，。、；：？！）》」』】〕〉”’…—·,.;:?!)]}%").find(c) != std::wstring_view::npos;
}

bool is_opening(wchar_t c) { return std::wstring_view(L"（《「『【〔〈“‘([{").find(c) != std::wstring_view::npos; }

// Whether a line may end between text[i - 1] and text[i].
bool may_break_before(std::wstring_view text, std::size_t i) {
    const wchar_t before = text[i - 1], after = text[i];
    if (is_space(after) || is_closing(after) || is_opening(before)) return false;
    return is_space(before) || is_wide(before) || is_wide(after);
}

void break_paragraph(std::wstring_view text, std::size_t begin, std::size_t end, const std::vector<int>& edges,
                     int width, std::vector<LineSpan>& lines) {
    if (begin == end) {
        lines.push_back({begin, end});
        return;
    }
    std::size_t start = begin;
    while (start < end) {
        std::size_t fit = start + 1;  // a line holds at least one character
        while (fit < end && edges[fit + 1] - edges[start] <= width) ++fit;
        std::size_t cut = fit;
        if (fit < end && !is_space(text[fit])) {
            std::size_t at = fit;
            while (at > start && !may_break_before(text, at)) --at;
            if (at > start) cut = at;
        }
        std::size_t last = cut;
        while (last > start && is_space(text[last - 1])) --last;
        lines.push_back({start, last});
        start = cut;
        while (start < end && is_space(text[start])) ++start;
    }
}

}  // namespace

std::vector<LineSpan> break_lines(std::wstring_view text, const std::vector<int>& edges, int width) {
    std::vector<LineSpan> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != L'\r' && text[i] != L'\n') continue;
        break_paragraph(text, begin, i, edges, width, lines);
        if (i + 1 < text.size() && text[i] == L'\r' && text[i + 1] == L'\n') ++i;
        begin = i + 1;
    }
    return lines;
}

}  // namespace forms::win32
