#pragma once
// Hands an address to the desktop's default handler (xdg-open), the way the
// Windows shell's "open" verb does.
#include <string>

#include "platform/browser_address.h"
#include "platform/launch_worker.h"

// The xdg-open to run: the first in an absolute element of path_variable
// (PATH), else one in /usr/local/bin, /usr/bin or /bin; empty when there is
// none. Empty and relative elements are skipped.
std::string find_launcher(const char* path_variable);

// What the shell is given for an address the program passes: an address
// without a scheme gets the one the Windows shell would guess ("www." ->
// "http://", "ftp." -> "ftp://"); an address starting with "-" is a file name
// in the current directory there, so it becomes "./-..." and can never be
// taken for an option of xdg-open. Everything else is passed unchanged.
std::string shell_address(const std::string& address);

// launch_browser (launch_worker.h) starts `xdg-open <shell_address(browser_address)>`
// detached: argv only, no shell, stdio on /dev/null, its own session. It
// returns at once; the child is reaped by a small waiting thread so that no
// zombie stays behind, or, when the system gives no thread, by the next launch.
