// Files on Windows: entries, plain writes, reads up to the cap, attributes.
#include "platform/windows/files.h"

#include <algorithm>

namespace windows_files {

namespace {

constexpr DWORD share_all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool is_missing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A file on a disk and not a directory: pipes and devices (NUL, CON, COM1)
// open as files too.
bool is_regular(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool is_link(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    return !GetFileInformationByHandle(file, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace

bool write_all(HANDLE file, ByteSet bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

bool lock_within(HANDLE file, bool exclusive, int milliseconds) {
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    const ULONGLONG give_up = GetTickCount64() + ULONGLONG(milliseconds);
    for (;;) {
        OVERLAPPED at{};
        if (LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &at)) return true;
        if (GetLastError() != ERROR_LOCK_VIOLATION) return true;  // a file system without locks
        if (GetTickCount64() >= give_up) return false;
        Sleep(1);
    }
}

bool path_exists(const std::string& path) {
    return GetFileAttributesW(wide_path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileExW((wide_path(directory) + L"\\*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do found = matches(utf8_path(entry.cFileName));
    while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

bool is_read_only(const std::string& path) {
    const std::wstring name = wide_path(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return true;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    Handle file(CreateFileW(name.c_str(), FILE_WRITE_DATA, share_all, nullptr, OPEN_EXISTING, 0, nullptr));
    return !file.valid() && GetLastError() == ERROR_ACCESS_DENIED;
}

bool make_private_directory(const std::string& path) {
    const std::wstring name = wide_path(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::size_t slash = path.find_last_of("\\/");
    // A drive's root ("C:") is never made.
    if (slash != std::string::npos && slash > 2 && !make_private_directory(path.substr(0, slash))) return false;
    if (!CreateDirectoryW(name.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    return is_private_directory(path);
}

bool is_private_directory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide_path(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

bool write_file(const std::string& path, std::span<const ByteSet> parts) {
    Handle file(CreateFileW(wide_path(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    bool ok = true;
    for (ByteSet part : parts) ok = ok && write_all(file.get(), part);
    return file.reset() && ok;
}

bool set_attributes(const std::string& path, std::int32_t attributes) {
    const DWORD wanted = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : DWORD(attributes);
    return SetFileAttributesW(wide_path(path).c_str(), wanted) != FALSE;
}

ReadResult read_file(const std::string& path, std::string& bytes, Links links) {
    bytes.clear();
    const DWORD open_link = links == Links::refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0;
    Handle file(CreateFileW(wide_path(path).c_str(), GENERIC_READ, share_all, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | open_link, nullptr));
    if (!file.valid()) return is_missing(GetLastError()) ? ReadResult::missing : ReadResult::unreadable;
    if (!is_regular(file.get()) || (links == Links::refuse && is_link(file.get()))) return ReadResult::unreadable;
    lock_within(file.get(), false, file_lock_milliseconds);
    // One byte past the cap tells a longer file from one of exactly the cap.
    char buffer[65536];
    while (bytes.size() <= max_file_size) {
        DWORD n = 0;
        const DWORD wanted = DWORD(std::min(sizeof buffer, max_file_size + 1 - bytes.size()));
        if (!ReadFile(file.get(), buffer, wanted, &n, nullptr)) {
            bytes.clear();
            return ReadResult::unreadable;
        }
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    if (bytes.size() <= max_file_size) return ReadResult::whole;
    bytes.resize(max_file_size);
    return ReadResult::cut;
}

std::optional<std::string> write_target(const std::string& path, Links links) {
    const std::wstring name = wide_path(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (is_missing(GetLastError())) return path;
        return std::nullopt;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    Handle file(CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, share_all, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid() || !is_regular(file.get())) return std::nullopt;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
    if (links == Links::refuse) return std::nullopt;
    // A link: the file it leads to is replaced, and the link stays.
    std::wstring final_path(32768, L'\0');
    const DWORD n = GetFinalPathNameByHandleW(file.get(), final_path.data(), DWORD(final_path.size()), 0);
    if (n == 0 || n >= final_path.size()) return std::nullopt;
    final_path.resize(n);
    return utf8_path(final_path);
}

}  // namespace windows_files
