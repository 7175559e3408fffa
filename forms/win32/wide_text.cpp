#include "forms/win32/wide_text.h"

#include "platform/code_page.h"

namespace forms::win32 {

// The seam's own conversions, with code page 936 named there; wchar_t is
// UTF-16 on Windows.
std::wstring wide(std::string_view gbk) {
    const std::u16string utf16 = utf16_from_gbk(gbk);
    return std::wstring(utf16.begin(), utf16.end());
}

Text gbk(std::wstring_view text) {
    return gbk_from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace forms::win32
