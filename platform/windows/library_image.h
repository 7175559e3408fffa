#pragma once
// Whether a file can be handed to the loader as a library of this machine.
#include <string>

// True when the file at path (UTF-8) is a regular file holding a DLL for the
// machine this program was built for, whose headers and every section lie
// inside the file: a truncated or foreign DLL is refused before the loader
// (and its error dialog) sees it.
bool is_whole_library(const std::string& path);
