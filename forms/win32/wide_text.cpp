#include "forms/win32/wide_text.h"

#include <windows.h>

namespace forms::win32 {

namespace {
constexpr UINT gbk_code_page = 936;
}

std::wstring wide(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int n = MultiByteToWideChar(gbk_code_page, 0, gbk.data(), int(gbk.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(gbk_code_page, 0, gbk.data(), int(gbk.size()), out.data(), n);
    return out;
}

Text gbk(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(gbk_code_page, 0, text.data(), int(text.size()), nullptr, 0, "?", nullptr);
    Text out(std::size_t(n), '\0');
    WideCharToMultiByte(gbk_code_page, 0, text.data(), int(text.size()), out.data(), n, "?", nullptr);
    return out;
}

}  // namespace forms::win32
