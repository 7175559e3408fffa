#include "app/platform/linux/library_snapshot.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

bool copy_all(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(from, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = write(to, buffer + done, std::size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            done += w;
        }
    }
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
    fd_ = new_memory_file();
    const int seals = F_SEAL_SEAL | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE;
    if (fd_ >= 0 && copy_all(source, fd_) && fcntl(fd_, F_ADD_SEALS, seals) == 0) {
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
                const bool copied = lseek(source, 0, SEEK_SET) == 0 && copy_all(source, copy);
                if (close(copy) == 0 && copied) path_ = file;
            }
        }
    }
    close(source);
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
