#include "platform/browser_address.h"

#include <string_view>

namespace {

// Never valid in an address as such: a browser encodes them before sending.
bool needs_encoding(unsigned char c) {
    static constexpr std::string_view never_raw = " \"<>\\^`{|}";
    return c < 0x20 || c >= 0x7F || never_raw.find(char(c)) != std::string_view::npos;
}

}  // namespace

std::string browser_address(const std::string& address) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : address) {
        if (!needs_encoding(c)) {
            encoded += char(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}
