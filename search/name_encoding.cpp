#include "search/name_encoding.h"

#include "platform/percent_encoding.h"

namespace search {

std::string percent_encoded_value(std::string_view bytes) { return percent_encoded(bytes, unreserved_in_address); }

std::string non_ascii_encoded(std::string_view bytes) {
    return percent_encoded(bytes, [](unsigned char c) { return c < 0x80; });
}

}  // namespace search
