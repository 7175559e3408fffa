#pragma once
// The program's own value types. Text is GBK (code page 936) bytes, as on a
// Chinese Windows; Unicode exists only where the program meets Qt and the
// file system.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using Text = std::string;
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

// Conversions at the platform edge (glibc iconv). A character that GBK cannot
// hold becomes "?"; bytes that are not valid GBK become U+FFFD.
std::string to_utf8(std::string_view gbk);
Text from_utf8(std::string_view utf8);
// The same for the UTF-16 text of a Unicode settings file: a character GBK
// cannot hold, or a lone surrogate, becomes "?"; bytes that are not valid GBK
// become U+FFFD.
std::u16string utf16_from_gbk(std::string_view gbk);
Text gbk_from_utf16(std::u16string_view utf16);
