// GBK <-> UTF-8 and UTF-16 with the system's own code page 936 tables, named
// explicitly so that the program reads the same on a Windows set to another
// code page. The replacements follow the Linux side exactly: a byte that
// cannot start a GBK character, or a lead byte without a fitting trail byte,
// becomes one U+FFFD and only that byte is lost.
#include <windows.h>

#include "platform/code_page.h"
#include "platform/text.h"
#include "platform/windows/wide_path.h"

namespace {

constexpr UINT gbk = 936;
constexpr wchar_t replacement = L'\uFFFD';

// Appends the UTF-16 of `bytes` when they are all valid in the code page.
bool convert_strictly(UINT code_page, std::string_view bytes, std::wstring& out) {
    if (bytes.empty()) return true;
    const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (n <= 0) return false;
    const std::size_t at = out.size();
    out.resize(at + std::size_t(n));
    MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), out.data() + at, n);
    return true;
}

std::wstring wide_from_gbk(std::string_view text) {
    std::wstring out;
    if (convert_strictly(gbk, text, out)) return out;
    // Character by character only when the whole text is not valid GBK.
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = gbk_character_length(text, i);
        if (convert_strictly(gbk, text.substr(i, length), out)) {
            i += length;
        } else {
            out += replacement;
            ++i;
        }
    }
    return out;
}

// Code pages that hold every character take neither flags nor a default
// character: the system refuses the call if given them.
bool holds_everything(UINT code_page) { return code_page == CP_UTF8 || code_page == 54936; }

// Every character the code page cannot hold (a surrogate pair is one) becomes "?".
std::string multibyte_from_wide(UINT code_page, std::wstring_view text) {
    std::string out;
    if (text.empty()) return out;
    const DWORD flags = holds_everything(code_page) ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossy_out = holds_everything(code_page) ? nullptr : &lossy;
    const int whole =
        WideCharToMultiByte(code_page, flags, text.data(), int(text.size()), nullptr, 0, nullptr, lossy_out);
    if (whole > 0 && !lossy) {
        out.resize(std::size_t(whole));
        WideCharToMultiByte(code_page, flags, text.data(), int(text.size()), out.data(), whole, nullptr, nullptr);
        return out;
    }
    char buffer[8];
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        if ((text[i] & 0xFC00) == 0xD800 && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00) length = 2;
        lossy = FALSE;
        const int n = (text[i] & 0xF800) == 0xD800 && length == 1
                          ? 0
                          : WideCharToMultiByte(code_page, flags, text.data() + i, int(length), buffer,
                                                int(sizeof buffer), nullptr, lossy_out);
        if (n > 0 && !lossy)
            out.append(buffer, std::size_t(n));
        else
            out += '?';
        i += length;
    }
    return out;
}

std::string gbk_from_wide(std::wstring_view text) { return multibyte_from_wide(gbk, text); }

std::wstring wide_from_utf8(std::string_view text) {
    std::wstring out;
    if (convert_strictly(CP_UTF8, text, out)) return out;
    // A broken sequence is one character GBK cannot hold: its lead byte, or
    // all of it when its continuation bytes are there.
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                                                           : 1;
        if (length > text.size() - i) length = 1;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) length = 1;
        if (!convert_strictly(CP_UTF8, text.substr(i, length), out)) out += replacement;
        i += length;
    }
    return out;
}

}  // namespace

// UTF-16 to UTF-8 is the same for text as for a path's name.
std::string to_utf8(std::string_view text) { return windows_files::utf8_path(wide_from_gbk(text)); }

std::string from_utf8(std::string_view utf8) { return gbk_from_wide(wide_from_utf8(utf8)); }

std::u16string utf16_from_gbk(std::string_view text) {
    const std::wstring wide = wide_from_gbk(text);
    return std::u16string(wide.begin(), wide.end());
}

std::string gbk_from_utf16(std::u16string_view utf16) {
    return gbk_from_wide(std::wstring_view(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()));
}

std::string gbk_to(CodePage page, std::string_view text) {
    if (page == CodePage::gbk) return std::string(text);
    // Bytes that are not GBK come out of the conversion as U+FFFD; they stay "?".
    std::wstring wide = wide_from_gbk(text);
    for (wchar_t& c : wide)
        if (c == replacement) c = L'?';
    if (page != CodePage::gb18030) return multibyte_from_wide(UINT(page), wide);
    // Not every system converts code page 54936 (wine does not), and none
    // needs to: GB18030 holds every GBK character as the same two bytes, but
    // for the euro sign, which code page 936 keeps at 0x80.
    std::string out;
    for (const wchar_t c : wide)
        out += c == L'\u20AC' ? std::string("\xA2\xE3") : gbk_from_wide(std::wstring_view(&c, 1));
    return out;
}
