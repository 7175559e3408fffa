#pragma once
// The shell's "open" verb, for addresses and for the reader's own files.
#include <string>

// Opens `target` as the shell's "open" verb does (SW_SHOWNORMAL); a failure
// goes to standard error, naming `what`, as the reader sees no box for it.
void shell_open(const std::wstring& target, const std::string& what);
