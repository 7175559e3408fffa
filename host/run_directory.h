#pragma once
// The run directory (the directory that holds the program file), the reader's
// own settings folder, and the way a path text of the program reaches the
// file system.
//
// The program forms paths the Windows way, run directory + "\name", in GBK.
// os_path() turns such a text into the path the file system wants.
#include <string>

#include "platform/platform.h"
#include "platform/text.h"

// Makes the run directory the current directory. Called once by InitHost,
// before anything else changes directory. False when the system cannot name
// the program's directory: the program must not go on without it.
bool fix_run_directory();

// The reader's own folder for the settings file (see the platform's
// user_settings_directory) as a path text, whether or not it exists yet;
// empty when there is none, or when the folder there is not the reader's
// alone (another's, or open to group or others: refused with one line on
// standard error). Every file the program keeps for the reader goes here.
Text user_settings_directory();

// Whether a file of the program may be reached through a link: never in the
// reader's own settings folder, where only a planted one could lead; the
// program's own folder follows them, as it always has.
Links links_for(const Text& path);

// The path text as the file system wants it: UTF-8, "/" for "\". A path under
// the run directory or the reader's settings folder reaches the real directory
// even when its name holds characters GBK cannot, since the text then
// carries "?" for them.
std::string os_path(const Text& path);
