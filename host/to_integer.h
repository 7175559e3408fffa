#pragma once
// The text-to-number rule of ToInteger on GBK bytes, with no dependencies so
// that it can be compiled and fuzzed on its own.
#include <cstdint>
#include <string>
#include <string_view>

// Full-width forms folded to ASCII, character by character: 0xA3A1..0xA3FE
// -> 0x21..0x7E, ideographic space -> blank, 0xA1AB -> "~", 0xA1EE/0xA1EF -> "*".
std::string fold_full_width(std::string_view gbk);

// Leading white space, an optional sign, decimal digits; no digits give 0 and
// values beyond 32 bits wrap around.
std::int32_t to_integer(std::string_view gbk);
