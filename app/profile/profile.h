#pragma once
// The private-profile (INI) rules of Windows, on the bytes of a file held in
// memory. No file system, no code page conversion: names and values are GBK
// bytes, compared ASCII-case-insensitively character by character, so that a
// trail byte that happens to be a letter is never folded.
//
// File:     lines ending in CR LF, LF or CR; blanks (space, tab) around names
//           and values do not count.
// Section:  "[name]" up to the last "]" of the line; the rest of it is ignored.
// Item:     "key=value" split at the first "="; a line without "=" is a key
//           with an empty value. Lines before the first section belong to none.
// Ignored:  blank lines, comments (first character ";"), "[" without "]".
// Lookup:   the first section of a name, and in it the first item of a key.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// A value read back holds at most this many bytes (a 10240-byte buffer with
// its terminating zero).
inline constexpr std::size_t max_value_length = 10239;

// The value of the key, blanks trimmed and one pair of matching quotes (' or
// ") removed; empty when the section or key is missing.
std::string read_value(std::string_view file, std::string_view section, std::string_view key);

// The file after writing key=value into section. Only the key's own line
// changes: an existing item is rewritten in place, a new item goes after the
// last line of its section, a new section (with CR LF lines) at the end; every
// other byte stays. Names are cut at a zero byte or line break and trimmed;
// the value is cut at a zero byte or line break, since the line cannot hold
// more. Empty names give nullopt: there is nothing sensible to write.
std::optional<std::string> write_value(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view value);

// True when two names are the same for the profile rules.
bool same_name(std::string_view a, std::string_view b);

}  // namespace profile
