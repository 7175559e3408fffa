#pragma once
// The code page conversions of the seam: GBK (code page 936), the program's
// text, to and from the Unicode forms where it meets the view, the file
// system and Unicode settings files. Pure functions of bytes, so nothing ever
// replaces them: the platform folder the program is built with defines them
// (glibc iconv in platform/linux/code_page.cpp, the system's code page 936
// conversions in platform/windows/code_page.cpp).
#include <string>
#include <string_view>

// A character that GBK cannot hold becomes "?"; bytes that are not valid GBK
// become U+FFFD.
std::string to_utf8(std::string_view gbk);
std::string from_utf8(std::string_view utf8);
// The same for UTF-16: a character GBK cannot hold, or a lone surrogate,
// becomes "?"; bytes that are not valid GBK become U+FFFD.
std::u16string utf16_from_gbk(std::string_view gbk);
std::string gbk_from_utf16(std::u16string_view utf16);
