#include "platform/windows/wide_path.h"

namespace windows_files {

std::wstring wide_path(std::string_view utf8) {
    std::wstring out;
    if (!utf8.empty()) {
        const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
        out.resize(std::size_t(n));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    }
    for (wchar_t& c : out)
        if (c == L'/') c = L'\\';
    return out;
}

std::string utf8_path(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace windows_files
