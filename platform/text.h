#pragma once
// The program's own value types. Text is GBK (code page 936) bytes, as on a
// Chinese Windows; Unicode exists only where the program meets Qt and the
// file system.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/code_page.h"  // the conversions that come with the text

using Text = std::string;

// The length of the GBK character at `at`: a lead byte (0x81 to 0xFE) and the
// trail byte after it are one character, so that a trail byte that happens to
// be a backslash, "]" or a letter is never taken for one; any other byte is one.
constexpr std::size_t gbk_character_length(std::string_view text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    return lead >= 0x81 && lead <= 0xFE && at + 1 < text.size() ? 2 : 1;
}
using ByteSet = std::span<const std::uint8_t>;

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// A rectangle of the screen, in the pixels windows are placed in.
struct ScreenArea {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

struct ScreenSize {
    std::int32_t width = 0, height = 0;
    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

// The frame the layouts were drawn with: a 3-pixel border on each side and a
// 19-pixel caption. A layout's outer size less these is its client area.
inline constexpr int classic_border = 3;
inline constexpr int classic_caption = 19;
