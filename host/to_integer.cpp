#include "host/to_integer.h"

#include "host/host.h"

std::string fold_full_width(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (size_t i = 0; i < gbk.size(); ++i) {
        unsigned char lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80 || i + 1 >= gbk.size()) {
            out += gbk[i];
            continue;
        }
        unsigned char trail = static_cast<unsigned char>(gbk[i + 1]);
        ++i;
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            out += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            out += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            out += '*';
        else {
            out += static_cast<char>(lead);
            out += static_cast<char>(trail);
        }
    }
    return out;
}

std::int32_t to_integer(std::string_view gbk) {
    const std::string text = fold_full_width(gbk);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Unsigned arithmetic wraps without undefined behaviour; the conversion
    // to int32_t at the end is modular since C++20.
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t ToInteger(const Text& text) { return to_integer(text); }
