// GBK <-> UTF-8 and UTF-16 at the edge where the program meets Qt, the file
// system and Unicode settings files.
// glibc's "CP936" is the Windows code page 936 table (0x80 is the euro sign).
#include <iconv.h>
#include <bit>
#include <cerrno>
#include <cstring>

#include "platform/code_page.h"
#include "platform/text.h"

namespace {

// One descriptor per direction and thread: opening a converter costs far more
// than a short conversion, and iconv_t keeps shift state, so it must not be
// shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != invalid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as the table allows. At a byte sequence it cannot
    // convert, `on_bad` appends the replacement and returns how many input
    // bytes to skip.
    template <class OnBad>
    std::string run(std::string_view in, OnBad on_bad) {
        std::string out;
        if (cd_ == invalid()) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.reserve(in.size() * 3 / 2 + 8);
        char buffer[512];
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        while (src_left > 0) {
            char* dst = buffer;
            size_t dst_left = sizeof buffer;
            size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, dst - buffer);
            if (r != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a sequence cut off at the end)
            size_t skip = on_bad(std::string_view(src, src_left), out);
            src += skip;
            src_left -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with `lead`, 1 for a stray byte,
// so that one character that GBK cannot hold becomes exactly one "?".
size_t utf8_sequence_length(std::string_view rest) {
    unsigned char lead = static_cast<unsigned char>(rest[0]);
    size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? (lead < 0xF0 ? 3 : 1) : lead >= 0xC2 ? 2 : 1;
    if (n > rest.size()) return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    return n;
}

// Only the offending GBK byte goes: a bad trail byte may be plain ASCII.
auto replace_one_byte_with(std::string_view replacement) {
    return [replacement](std::string_view, std::string& out) -> size_t {
        out += replacement;
        return 1;
    };
}

// A unit of host-order UTF-16 at `at`, or 0 where the text ends before it.
char16_t unit_at(std::string_view rest, size_t at) {
    char16_t unit = 0;
    if (rest.size() >= at + 2) std::memcpy(&unit, rest.data() + at, 2);
    return unit;
}

// Bytes of a UTF-16 character that GBK cannot hold: a surrogate pair is one
// character, anything else one unit (or the odd byte left at the end).
size_t utf16_character_length(std::string_view rest) {
    if ((unit_at(rest, 0) & 0xFC00) == 0xD800 && (unit_at(rest, 2) & 0xFC00) == 0xDC00) return 4;
    return rest.size() >= 2 ? 2 : rest.size();
}

// char16_t in the host's own byte order, so the units are handed over as they
// lie in memory.
constexpr const char* utf16_code = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t replacement_character = u'\uFFFD';

}  // namespace

std::string to_utf8(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "CP936");
    return converter.run(gbk, replace_one_byte_with("\xEF\xBF\xBD"));
}

std::string from_utf8(std::string_view utf8) {
    thread_local Converter converter("CP936", "UTF-8");
    return converter.run(utf8, [](std::string_view rest, std::string& out) -> size_t {
        out += '?';
        return utf8_sequence_length(rest);
    });
}

std::u16string utf16_from_gbk(std::string_view gbk) {
    thread_local Converter converter(utf16_code, "CP936");
    std::string bytes = converter.run(
        gbk, replace_one_byte_with(std::string_view(reinterpret_cast<const char*>(&replacement_character), 2)));
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * 2);
    return units;
}

std::string gbk_from_utf16(std::u16string_view utf16) {
    thread_local Converter converter("CP936", utf16_code);
    std::string_view bytes(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);
    return converter.run(bytes, [](std::string_view rest, std::string& out) -> size_t {
        out += '?';
        return utf16_character_length(rest);
    });
}

namespace {

// glibc's names for the tables Windows uses under the same code page.
const char* iconv_name(CodePage page) {
    switch (page) {
        case CodePage::gb18030: return "GB18030";
        case CodePage::big5: return "CP950";
        case CodePage::utf8: return "UTF-8";
        case CodePage::gbk: break;
    }
    return "CP936";
}

}  // namespace

std::string gbk_to(CodePage page, std::string_view gbk) {
    if (page == CodePage::gbk) return std::string(gbk);
    thread_local Converter to_gb18030(iconv_name(CodePage::gb18030), "CP936");
    thread_local Converter to_big5(iconv_name(CodePage::big5), "CP936");
    thread_local Converter to_utf8(iconv_name(CodePage::utf8), "CP936");
    Converter& converter = page == CodePage::gb18030 ? to_gb18030 : page == CodePage::big5 ? to_big5 : to_utf8;
    return converter.run(gbk, [](std::string_view rest, std::string& out) -> size_t {
        out += '?';
        return gbk_character_length(rest, 0);
    });
}
