#pragma once
// Whether a file can be handed to the dynamic loader without harm.
#include <string>

// True when the file at path is a regular file holding a shared library for
// this machine whose every segment lies inside the file. The loader maps
// segments without checking the file's length, and touching a page past the
// end of a truncated library kills the process with SIGBUS.
bool is_whole_library(const std::string& os_path);
