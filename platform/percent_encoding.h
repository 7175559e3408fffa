#pragma once
// Percent-encoding, the one way every address the program hands on is escaped.
#include <string>
#include <string_view>

// The bytes with each one `keep` refuses as %XX (upper-case hex).
template <class Keep>
std::string percent_encoded(std::string_view bytes, Keep keep) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const unsigned char c : bytes) {
        if (keep(c)) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// The characters an address may always hold as they are.
constexpr bool unreserved_in_address(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}
