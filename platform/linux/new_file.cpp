// A new file written whole or not at all, never over an existing one.
#include <fcntl.h>
#include <stdio.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "platform/linux/file_replace.h"
#include "platform/linux/files.h"

namespace linux_files {
namespace {

bool move_into_place(const std::string& source, const std::string& target) {
    if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the no-replace rename: a hard link fails just as
    // well when the target exists.
    if (link(source.c_str(), target.c_str()) != 0) return false;
    unlink(source.c_str());
    return true;
}

// A name nobody can plant a link under in advance: the writer's process
// number (temporary_names.h) and a random number.
std::uint64_t random_number() {
    std::uint64_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) != sizeof value)
        value = (std::uint64_t(getpid()) << 32) ^ std::uint64_t(reinterpret_cast<std::uintptr_t>(&value));
    return value;
}

int create_exclusively(const std::string& target, std::string& temporary) {
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary =
            directory + "." + base + "." + std::to_string(getpid()) + "." + std::to_string(random_number()) + ".part";
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool write_new_file(const std::string& target, ByteSet bytes) {
    // What writers killed before their rename left behind goes first.
    remove_leftover_temporaries(target, ".part");
    if (path_exists(target)) return false;
    std::string temporary;
    int fd = create_exclusively(target, temporary);
    if (fd < 0) return false;
    // Flushed before the rename: after a power cut the name must not point at
    // a file whose data never reached the disk.
    bool ok = write_all(fd, bytes) && fdatasync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && move_into_place(temporary, target)) return true;
    unlink(temporary.c_str());
    return false;
}

}  // namespace linux_files
