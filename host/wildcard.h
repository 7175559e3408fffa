#pragma once
// File name patterns as Windows' FindFirstFile reads them: "*" any run of
// characters, "?" exactly one character; nothing else is special (unlike
// glob, "[" is an ordinary character). As on Windows, a pattern ending in
// ".*" also matches the name without any extension ("a.*" finds "a").
#include <string_view>

// Both in UTF-8; "?" takes a whole character, not a byte.
bool wildcard_match(std::string_view pattern, std::string_view name);

bool has_wildcard(std::string_view name);
