#include "skins/engine_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include "app/run_directory.h"

bool move_into_place(const Text& from, const Text& to) {
    const std::string source = os_path(from), target = os_path(to);
    if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the no-replace rename: a hard link fails just as
    // well when the target exists.
    if (link(source.c_str(), target.c_str()) != 0) return false;
    unlink(source.c_str());
    return true;
}

void remove_file(const Text& path) { unlink(os_path(path).c_str()); }
