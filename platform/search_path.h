#pragma once
// The program's own search path for programs (PATH), kept to absolute
// directories: an empty or relative entry names the current directory, the
// program's own, and nothing there may ever be run by name.
#include <string>
#include <string_view>

// The entries of `value` that name a directory absolutely, in their order:
// "/..." where `separator` is ':', a drive's "X:\..." or "X:/..." or a share's
// "\\..." where it is ';'.
std::string absolute_path_entries(std::string_view value, char separator);
