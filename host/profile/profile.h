#pragma once
// The private-profile (INI) rules of Windows, on the bytes of a file held in
// memory. No file system. Names and values are GBK bytes, compared
// ASCII-case-insensitively character by character, so that a trail byte that
// happens to be a letter is never folded.
//
// File:     lines ending in CR LF, LF or CR; blanks (space, tab, vertical tab)
//           around names and values do not count. A file that begins with the
//           UTF-16LE mark FF FE is Unicode: its text is UTF-16LE, read out as
//           GBK and written back as UTF-16LE. No other mark is recognised (a
//           UTF-8 mark is three bytes of text), and a new file is always GBK.
// Section:  a line starting with "["; its name runs to the first "]" of the
//           line, or to the end of a line that has none. The rest is ignored.
//           "[]" is a section with an empty name.
// Key:      "key=value" split at the first "=". A line without "=" is no key.
//           Keys before the first section belong to none and are never found.
// Ignored:  blank lines, comments (first character ";"), lines without "=".
// Lookup:   the first section of a name, and in it the first key of a name.
// Caller's names are cut at a zero byte or line break and trimmed of spaces
// only, so a name that ends in a tab matches no name of the file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace profile {

// A value read back holds at most this many bytes (a 10240-byte buffer with
// its terminating zero).
inline constexpr std::size_t max_value_length = 10239;

// The value of the key, blanks trimmed and one pair of matching quotes (' or
// ") removed; empty when the section or key is missing or the key name empty.
std::string read_value(std::string_view file, std::string_view section, std::string_view key);

// The file after writing key=value into section. Only the key's own line
// changes: an existing key keeps its spelling and gets the new value, a new
// key goes right after the last key line of its section (after the header
// when it has none), a new section (with CR LF lines) at the end, a last line
// without a line break getting one first; every other byte stays. The value
// is cut at a zero byte or line break, since the line cannot hold more. Empty
// names give nullopt: there is nothing sensible to write.
std::optional<std::string> write_value(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view value);

}  // namespace profile
