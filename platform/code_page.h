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

// The character sets a search engine may take its query in, by their Windows
// code page numbers.
enum class CodePage { gbk = 936, gb18030 = 54936, big5 = 950, utf8 = 65001 };
// The program's text in another character set (GBK itself as it is). A
// character the set cannot hold becomes "?", and so do bytes that are not
// valid GBK.
std::string gbk_to(CodePage page, std::string_view gbk);
