// FileExists, WriteBytesToFile and ChangeFileAttributes on Linux files.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/file_replace.h"
#include "app/host.h"
#include "app/run_directory.h"
#include "app/wildcard.h"

namespace {

// Where Windows keeps hidden, system and archive; Samba and other tools that
// serve Windows clients read the same attribute.
constexpr const char* dos_attribute_name = "user.DOSATTRIB";
constexpr std::int32_t read_only_attribute = 0x1;
constexpr std::int32_t dos_only_attributes = 0x26;  // hidden, system, archive

std::string path_of(const Text& text) { return os_path(Text(text.c_str())); }

bool any_entry_matches(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return false;
    bool found = false;
    while (!found) {
        dirent* entry = readdir(dir);
        if (entry == nullptr) break;
        found = wildcard_match(pattern, entry->d_name);
    }
    closedir(dir);
    return found;
}

bool write_part(int fd, ByteSet part) {
    while (!part.empty()) {
        ssize_t n = write(fd, part.data(), part.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        part = part.subspan(static_cast<size_t>(n));
    }
    return true;
}

bool set_dos_attributes(const std::string& path, std::int32_t attributes) {
    if (attributes == 0) return removexattr(path.c_str(), dos_attribute_name) == 0 || errno == ENODATA;
    char value[16];
    int n = std::snprintf(value, sizeof value, "0x%x", static_cast<unsigned>(attributes));
    // On a file system without extended attributes the hidden flag has
    // nowhere to go, and the caller is told so.
    return setxattr(path.c_str(), dos_attribute_name, value, static_cast<size_t>(n), 0) == 0;
}

}  // namespace

bool FileExists(const Text& path_text) {
    std::string path = path_of(path_text);
    if (path.empty()) return false;
    std::string last = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    if (has_wildcard(last)) return any_entry_matches(path);
    struct stat st;
    // A directory entry counts, even a link that leads nowhere.
    return lstat(path.c_str(), &st) == 0;
}

bool WriteBytesToFile(const Text& path_text, std::initializer_list<ByteSet> parts) {
    std::string path = path_of(path_text);
    if (path.empty()) return false;
    // Windows refuses to overwrite a read-only file; root would not be stopped here.
    if (is_read_only(path)) return false;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (ByteSet part : parts) ok = ok && write_part(fd, part);
    ok = close(fd) == 0 && ok;
    return ok;
}

bool ChangeFileAttributes(const Text& path_text, std::int32_t attributes) {
    std::string path = path_of(path_text);
    struct stat st;
    if (path.empty() || stat(path.c_str(), &st) != 0) return false;
    attributes &= 0x27;
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
