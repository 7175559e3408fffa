#pragma once
// Hands an address to the desktop's default handler (xdg-open), the way the
// Windows shell's "open" verb does.
#include <string>

// What the shell is given for an address the program passes: an address
// without a scheme gets the one the Windows shell would guess ("www." ->
// "http://", "ftp." -> "ftp://"); an address starting with "-" is a file name
// in the current directory there, so it becomes "./-..." and can never be
// taken for an option of xdg-open. Everything else is passed unchanged.
std::string shell_address(const std::string& utf8_address);

// Starts `xdg-open <shell_address>` detached: argv only, no shell, stdio on
// /dev/null, its own session. Returns at once; the child is reaped by a
// small waiting thread so that no zombie stays behind.
void launch_browser(const std::string& utf8_address);
