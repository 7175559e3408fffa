#include "platform/linux/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "platform/linux/bounded_lock.h"
#include "platform/linux/files.h"
#include "platform/temporary_names.h"

namespace linux_files {

namespace {

ByteSet bytes_of(std::string_view text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

// user.* attributes carry, among others, the hidden flag of a Windows-style
// file; a rewrite must not drop them.
void copy_user_attributes(int from, int to) {
    ssize_t size = flistxattr(from, nullptr, 0);
    if (size <= 0) return;
    std::vector<char> names(static_cast<size_t>(size));
    size = flistxattr(from, names.data(), names.size());
    if (size <= 0) return;
    for (size_t i = 0; i < static_cast<size_t>(size);) {
        const char* name = names.data() + i;
        std::string_view view(name);
        i += view.size() + 1;
        if (view.substr(0, 5) != "user.") continue;
        ssize_t length = fgetxattr(from, name, nullptr, 0);
        if (length < 0) continue;
        std::vector<char> value(static_cast<size_t>(length) + 1);
        length = fgetxattr(from, name, value.data(), value.size());
        if (length >= 0) fsetxattr(to, name, value.data(), static_cast<size_t>(length), 0);
    }
}

// The file a symbolic link points to; any other path unchanged.
std::string resolve_link(const std::string& os_path) {
    struct stat st;
    if (lstat(os_path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return os_path;
    char buffer[PATH_MAX];
    if (realpath(os_path.c_str(), buffer) == nullptr) return os_path;
    return buffer;
}

// An in-place write holds an exclusive lock on the file and readers a shared
// one; the locks only shorten the moment of a torn read, so a reader goes on
// without one.
constexpr int file_lock_milliseconds = 50;
constexpr int directory_lock_milliseconds = 250;

// Opens an existing regular file without waiting for a FIFO's other end or
// a device; -1 for anything else.
int open_regular(const std::string& path, int flags, struct stat& st) {
    const int fd = open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// A fresh name beside the target, created 0666 so that the umask shapes a
// new file exactly as it would have shaped the original.
int create_temporary(const std::string& directory, const std::string& base, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + "/." + base + "." + std::to_string(getpid()) + "." + std::to_string(++counter) + ".tmp";
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool process_exists(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

int remove_leftover_temporaries(const std::string& os_path, std::string_view tail) {
    const std::string target = resolve_link(os_path);
    const size_t slash = target.rfind('/');
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
    if (base.empty()) return 0;
    DIR* dir = opendir(directory_of(target).c_str());
    if (dir == nullptr) return 0;
    const time_t now = time(nullptr);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const auto writer = static_cast<pid_t>(writer_of_temporary(entry->d_name, base, tail));
        if (writer <= 0) continue;
        struct stat st;
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        const bool old = now - st.st_mtime > leftover_age_seconds;
        if (!old && process_exists(writer)) continue;
        if (unlinkat(dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}

std::string directory_of(const std::string& os_path) {
    size_t slash = os_path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : os_path.substr(0, slash);
}

ReadResult read_file(const std::string& os_path, std::string& bytes, Links links) {
    bytes.clear();
    struct stat st;
    const int fd = open_regular(os_path, O_RDONLY | (links == Links::refuse ? O_NOFOLLOW : 0), st);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::missing : ReadResult::unreadable;
    lock_within(fd, LOCK_SH, file_lock_milliseconds);
    // One byte past the cap tells a longer file from one of exactly the cap.
    char buffer[65536];
    while (bytes.size() <= max_file_size) {
        const ssize_t n = read(fd, buffer, std::min(sizeof buffer, max_file_size + 1 - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            bytes.clear();
            return ReadResult::unreadable;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    if (bytes.size() <= max_file_size) return ReadResult::whole;
    bytes.resize(max_file_size);
    return ReadResult::cut;
}

std::optional<std::string> write_target(const std::string& os_path, Links links) {
    struct stat st;
    if (lstat(os_path.c_str(), &st) != 0) {
        if (errno == ENOENT) return os_path;
        return std::nullopt;
    }
    if (S_ISREG(st.st_mode)) return os_path;
    if (!S_ISLNK(st.st_mode) || links == Links::refuse) return std::nullopt;
    char buffer[PATH_MAX];
    if (realpath(os_path.c_str(), buffer) == nullptr || stat(buffer, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return std::string(buffer);
}

bool is_read_only(const std::string& os_path) {
    struct stat st;
    if (stat(os_path.c_str(), &st) != 0) return false;
    if ((st.st_mode & 0222) == 0) return true;
    return faccessat(AT_FDCWD, os_path.c_str(), W_OK, AT_EACCESS) != 0;
}

namespace {

// The fallback of a directory that refuses new files: the same bytes written
// over the file itself. The room is reserved first, so that a full disk fails
// the write before any byte of the file has changed.
bool write_in_place(int fd, std::string_view bytes) {
    if (!lock_within(fd, LOCK_EX, file_lock_milliseconds)) return false;
    const off_t size = static_cast<off_t>(bytes.size());
    if (size > 0 && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) return false;
    if (lseek(fd, 0, SEEK_SET) != 0 || !write_all(fd, bytes_of(bytes))) return false;
    return ftruncate(fd, size) == 0 && fsync(fd) == 0;
}

bool directory_refuses_new_files(int error) { return error == EACCES || error == EPERM; }

}  // namespace

bool replace_file(const std::string& os_path, std::string_view bytes) {
    const std::optional<std::string> checked = write_target(os_path);
    if (!checked) return false;
    const std::string& target = *checked;
    const std::string directory = directory_of(target);
    const std::string base = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    struct stat st;
    // The target has no link left in it: one found now was put there since.
    const int old = open_regular(target, O_RDONLY | O_NOFOLLOW, st);
    if (old < 0 && errno != ENOENT) return false;
    remove_leftover_temporaries(target);
    std::string temporary;
    int fd = create_temporary(directory, base, temporary);
    if (fd < 0) {
        const bool in_place = old >= 0 && directory_refuses_new_files(errno);
        if (old >= 0) close(old);
        if (!in_place) return false;
        const int file = open_regular(target, O_WRONLY | O_NOFOLLOW, st);
        if (file < 0) return false;
        const bool written = write_in_place(file, bytes);
        return close(file) == 0 && written;
    }

    bool ok = write_all(fd, bytes_of(bytes));
    if (old >= 0) {
        ok = ok && fchmod(fd, st.st_mode & 07777) == 0;
        if (ok && fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only root may give a file away; our own file keeps us as owner.
        }
        copy_user_attributes(old, fd);
        close(old);
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself must reach the disk, or a crash could bring back the
    // old name with nothing behind it.
    int dir = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

namespace {

class DirectoryLock final : public Held {
public:
    explicit DirectoryLock(int fd) : fd_(fd) {}
    ~DirectoryLock() override {
        if (fd_ >= 0) close(fd_);
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int fd_;
};

}  // namespace

std::unique_ptr<Held> lock_directory(const std::string& os_path_of_file) {
    const int fd = open(directory_of(os_path_of_file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // No lock to be had: the write still goes through atomically.
    if (fd < 0) return std::make_unique<DirectoryLock>(-1);
    if (lock_within(fd, LOCK_EX, directory_lock_milliseconds)) return std::make_unique<DirectoryLock>(fd);
    close(fd);
    return nullptr;
}

}  // namespace linux_files
