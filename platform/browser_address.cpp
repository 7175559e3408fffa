#include "platform/browser_address.h"

#include <string_view>

#include "platform/percent_encoding.h"

namespace {

// Never valid in an address as such: a browser encodes them before sending.
bool may_stay(unsigned char c) {
    static constexpr std::string_view never_raw = " \"<>\\^`{|}";
    return c >= 0x20 && c < 0x7F && never_raw.find(char(c)) == std::string_view::npos;
}

}  // namespace

std::string browser_address(const std::string& address) { return percent_encoded(address, may_stay); }
