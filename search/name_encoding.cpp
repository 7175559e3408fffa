#include "search/name_encoding.h"

namespace search {
namespace {

constexpr char hex_digits[] = "0123456789ABCDEF";

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

template <class Keep>
std::string encoded(std::string_view bytes, Keep keep) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const unsigned char c : bytes) {
        if (keep(c)) {
            out += char(c);
        } else {
            out += '%';
            out += hex_digits[c >> 4];
            out += hex_digits[c & 15];
        }
    }
    return out;
}

}  // namespace

std::string percent_encoded_value(std::string_view bytes) { return encoded(bytes, unreserved); }

std::string non_ascii_encoded(std::string_view bytes) {
    return encoded(bytes, [](unsigned char c) { return c < 0x80; });
}

}  // namespace search
