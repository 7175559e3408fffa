#include "platform/linux/library_snapshot.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace {

std::optional<std::string> read_all(int from) {
    std::string bytes;
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = pread(from, buffer, sizeof buffer, at);
        if (n == 0) return bytes;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        bytes.append(buffer, std::size_t(n));
        at += n;
    }
}

// The file's bytes as they stand still: a read that races with a writer can
// return a mix of old bytes and zeroes (a truncation zeroes the rest of its
// last page while a read copies it), so the file is read until two reads in a
// row agree, each within an unchanged size. A file that never holds still is
// no library to load.
std::optional<std::string> read_settled(int from) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        struct stat before, after;
        if (fstat(from, &before) != 0) return std::nullopt;
        const auto first = read_all(from);
        const auto second = read_all(from);
        if (!first || !second || fstat(from, &after) != 0) return std::nullopt;
        if (*first == *second && off_t(first->size()) == before.st_size && before.st_size == after.st_size)
            return first;
    }
    return std::nullopt;
}

bool write_all(int to, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t w = write(to, bytes.data() + done, bytes.size() - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        done += std::size_t(w);
    }
    return true;
}

// A memory file that may be mapped executable (kernels that can forbid that
// know MFD_EXEC; older ones refuse the flag).
int new_memory_file() {
#ifdef MFD_EXEC
    const int fd = memfd_create("library", MFD_CLOEXEC | MFD_ALLOW_SEALING | MFD_EXEC);
    if (fd >= 0 || errno != EINVAL) return fd;
#endif
    return memfd_create("library", MFD_CLOEXEC | MFD_ALLOW_SEALING);
}

}  // namespace

LibrarySnapshot::LibrarySnapshot(const std::string& os_path) {
    const int source = open(os_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (source < 0) return;
    struct stat st;
    if (fstat(source, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(source);
        return;
    }
    const std::optional<std::string> bytes = read_settled(source);
    close(source);
    if (bytes) seal(*bytes);
}

LibrarySnapshot::LibrarySnapshot(ByteSet bytes) {
    seal(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void LibrarySnapshot::seal(std::string_view bytes) {
    fd_ = new_memory_file();
    const int seals = F_SEAL_SEAL | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE;
    if (fd_ >= 0 && write_all(fd_, bytes) && fcntl(fd_, F_ADD_SEALS, seals) == 0) {
        path_ = "/proc/self/fd/" + std::to_string(fd_);
        if (access(path_.c_str(), R_OK) != 0) path_.clear();
    }
    if (path_.empty()) {
        // No /proc: a copy in a directory only this user may enter.
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
        std::string directory = (std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp");
        directory += "/yanzhou-library-XXXXXX";
        if (mkdtemp(directory.data()) != nullptr) {
            private_directory_ = directory;
            const std::string file = directory + "/library.so";
            const int copy = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0500);
            if (copy >= 0) {
                const bool copied = write_all(copy, bytes);
                if (close(copy) == 0 && copied) path_ = file;
            }
        }
    }
}

int LibrarySnapshot::keep() {
    const int kept = fd_;
    fd_ = -1;
    return kept;
}

LibrarySnapshot::~LibrarySnapshot() {
    if (fd_ >= 0) close(fd_);
    if (private_directory_.empty()) return;
    unlink((private_directory_ + "/library.so").c_str());
    rmdir(private_directory_.c_str());
}
