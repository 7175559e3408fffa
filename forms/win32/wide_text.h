#pragma once
// Text crosses the Win32 API as UTF-16, converted from and to the program's
// GBK with code page 936 named explicitly: Chinese shows the same on a
// Windows whose own code page is not 936.
#include <string>
#include <string_view>

#include "platform/text.h"

namespace forms::win32 {

// Bytes that are not GBK become U+FFFD.
std::wstring wide(std::string_view gbk);
// A character GBK cannot hold becomes "?".
Text gbk(std::wstring_view text);

}  // namespace forms::win32
