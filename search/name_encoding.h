#pragma once
// Percent-encoding of what goes into a search address.
#include <string>
#include <string_view>

namespace search {

// A value that must reach the engine as one: every byte but the unreserved
// A-Z a-z 0-9 - . _ ~ as %XX (upper-case hex).
std::string percent_encoded_value(std::string_view bytes);
// A template's own text: its bytes of 0x80 and above as %XX, the rest (the
// address's own syntax) as it is.
std::string non_ascii_encoded(std::string_view bytes);

}  // namespace search
