#pragma once
// The run directory (the directory that holds the program file) and the way a
// path text of the program reaches the file system.
//
// The program forms paths the Windows way, run directory + "\name", in GBK.
// os_path() turns such a text into the UTF-8 path Linux wants.
#include <string>

#include "app/text.h"

// Computes the run directory from /proc/self/exe and makes it the current
// directory. Called once by InitHost.
void fix_run_directory();

// The path text as the file system wants it: UTF-8, "/" for "\". A path under
// the run directory reaches the real directory even when its name holds
// characters GBK cannot, since RunDirectory() then carries "?" for them.
std::string os_path(const Text& path);

// For tests of every area: makes RunDirectory() the given directory (UTF-8,
// no trailing "/") without changing the current directory. An empty string
// brings back the directory of the program file.
void SetRunDirectoryForTesting(const std::string& utf8_directory);
