// Files on Linux: entries, plain writes, new files never replacing an
// existing one, and the Windows attributes.
#include "platform/linux/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Where Windows keeps hidden, system and archive; Samba and other tools that
// serve Windows clients read the same attribute.
constexpr const char* dos_attribute_name = "user.DOSATTRIB";
constexpr std::int32_t read_only_attribute = 0x1;
constexpr std::int32_t dos_only_attributes = 0x26;  // hidden, system, archive

bool set_dos_attributes(const std::string& path, std::int32_t attributes) {
    if (attributes == 0) return removexattr(path.c_str(), dos_attribute_name) == 0 || errno == ENODATA;
    char value[16];
    int n = std::snprintf(value, sizeof value, "0x%x", static_cast<unsigned>(attributes));
    // On a file system without extended attributes the hidden flag has
    // nowhere to go, and the caller is told so.
    return setxattr(path.c_str(), dos_attribute_name, value, static_cast<size_t>(n), 0) == 0;
}

}  // namespace

namespace linux_files {

bool write_all(int fd, ByteSet bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

bool path_exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) {
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return false;
    bool found = false;
    while (!found) {
        dirent* entry = readdir(dir);
        if (entry == nullptr) break;
        found = matches(entry->d_name);
    }
    closedir(dir);
    return found;
}

// Root passes this check for any folder on a writable mount, as an
// administrator passes Windows' own; a read-only mount fails it for everyone.
bool may_create_in(const std::string& directory) {
    struct stat st;
    return stat(directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

namespace {

// Makes the folders that are missing; those above the last are only required
// to be directories.
bool make_directories(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !make_directories(path.substr(0, slash))) return false;
    return mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

}  // namespace

// Asked again after making it: another user may have made it first, in a
// folder open to everyone.
bool make_private_directory(const std::string& path) { return make_directories(path) && is_private_directory(path); }

// A link is taken only from this user: another's could lead anywhere.
bool is_private_directory(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || (S_ISLNK(st.st_mode) && st.st_uid != geteuid())) return false;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

bool write_file(const std::string& path, std::span<const ByteSet> parts) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (ByteSet part : parts) ok = ok && write_all(fd, part);
    ok = close(fd) == 0 && ok;
    return ok;
}

bool set_attributes(const std::string& path, std::int32_t attributes) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return false;
    const std::int32_t dos = attributes & dos_only_attributes;
    // Changing extended attributes needs write permission, so the order
    // depends on whether the write bits come or go.
    if ((attributes & read_only_attribute) != 0) {
        bool ok = set_dos_attributes(path, dos);
        return chmod(path.c_str(), st.st_mode & 07777 & ~0222) == 0 && ok;
    }
    if (chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0) return false;
    return set_dos_attributes(path, dos);
}

}  // namespace linux_files
