// Replacing a file whole, and the lock that serialises read-modify-write
// cycles on the files of one directory.
#include <windows.h>

#include "platform/temporary_names.h"
#include "platform/windows/files.h"

namespace windows_files {

namespace {

constexpr DWORD carried_attributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

ByteSet bytes_of(std::string_view text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

std::wstring directory_of(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    return path.substr(0, slash == 0 || (slash == 2 && path[1] == L':') ? slash + 1 : slash);
}

std::wstring name_of(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring joined(const std::wstring& directory, const std::wstring& name) {
    if (!directory.empty() && directory.back() == L'\\') return directory + name;
    return directory + L"\\" + name;
}

// A fresh name beside the target; hidden, so that one a crash leaves behind
// stays out of the reader's way.
Handle create_temporary(const std::wstring& target, std::wstring& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = joined(directory_of(target), L"." + name_of(target) + L"." + std::to_wstring(GetCurrentProcessId()) +
                                                L"." + std::to_wstring(++counter) + L".tmp");
        Handle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY, nullptr));
        if (file.valid() || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return Handle();
}

// The fallback of a directory that refuses new files: the same bytes written
// over the file itself. The room is reserved first, so that a full disk fails
// the write before any byte of the file has changed.
bool write_in_place(const std::wstring& target, std::string_view bytes) {
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) return false;
    if (!lock_within(file.get(), true, file_lock_milliseconds)) return false;
    FILE_ALLOCATION_INFO room{};
    room.AllocationSize.QuadPart = LONGLONG(bytes.size());
    if (!SetFileInformationByHandle(file.get(), FileAllocationInfo, &room, sizeof room)) return false;
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) || !write_all(file.get(), bytes_of(bytes)))
        return false;
    return SetEndOfFile(file.get()) && FlushFileBuffers(file.get()) && file.reset();
}

// Puts the finished temporary file in the target's place.
bool move_into_place(const std::wstring& temporary, const std::wstring& target, DWORD old_attributes) {
    if (old_attributes == INVALID_FILE_ATTRIBUTES)
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    // The original is gone and the new file still carries its temporary name:
    // only its move is left to do.
    if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // A file system without ReplaceFileW (some network shares): the move
    // replaces the file whole as well.
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool process_exists(DWORD id) {
    Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process.valid()) return GetLastError() == ERROR_ACCESS_DENIED;  // someone else's, running
    DWORD code = 0;
    return GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
}

bool older_than_a_write(const FILETIME& written) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return ticks(now) > ticks(written) + ULONGLONG(leftover_age_seconds) * 10'000'000;
}

}  // namespace

// Removes the temporary files of writes to `target` whose writer has gone
// (killed in the middle of a write): hidden, they would otherwise pile up.
void remove_leftover_temporaries(const std::wstring& target, std::wstring_view tail) {
    const std::wstring directory = directory_of(target);
    const std::string base = utf8_path(name_of(target));
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileExW(joined(directory, L"." + name_of(target) + L".*" + std::wstring(tail)).c_str(),
                                     FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::uint32_t writer = writer_of_temporary(utf8_path(entry.cFileName), base, utf8_path(tail));
        if (writer == 0 || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        if (!older_than_a_write(entry.ftLastWriteTime) && process_exists(writer)) continue;
        DeleteFileW(joined(directory, entry.cFileName).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

bool replace_file(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> checked = write_target(path);
    if (!checked) return false;
    const std::wstring target = wide_path(*checked);
    const DWORD old_attributes = GetFileAttributesW(target.c_str());
    if (old_attributes != INVALID_FILE_ATTRIBUTES && (old_attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    remove_leftover_temporaries(target, L".tmp");

    std::wstring temporary;
    Handle file = create_temporary(target, temporary);
    if (!file.valid()) {
        const bool refused = GetLastError() == ERROR_ACCESS_DENIED;
        return refused && old_attributes != INVALID_FILE_ATTRIBUTES && write_in_place(target, bytes);
    }
    bool ok = write_all(file.get(), bytes_of(bytes)) && FlushFileBuffers(file.get());
    ok = file.reset() && ok;
    // The attributes are carried by hand: not every ReplaceFileW merges them
    // (wine's does not), and a plain move never does.
    const DWORD kept = old_attributes == INVALID_FILE_ATTRIBUTES ? 0 : old_attributes & carried_attributes;
    ok = ok && SetFileAttributesW(temporary.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    ok = ok && move_into_place(temporary, target, old_attributes);
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

namespace {

// Held on a lock file that goes when its last holder closes it. Another
// process that finds it about to go waits for that, then makes its own. The
// whole wait is bounded: a lock someone keeps never freezes the window.
class DirectoryLock final : public Held {
public:
    explicit DirectoryLock(const std::wstring& lock_file) {
        const ULONGLONG give_up = GetTickCount64() + 250;
        for (;;) {
            file_ = Handle(CreateFileW(lock_file.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
            // Refused while the file is there means it is about to go.
            if (file_.valid() || GetLastError() != ERROR_ACCESS_DENIED) break;
            if (GetFileAttributesW(lock_file.c_str()) == INVALID_FILE_ATTRIBUTES &&
                GetLastError() != ERROR_ACCESS_DENIED)
                break;
            if (GetTickCount64() > give_up) {
                held_ = false;
                return;
            }
            Sleep(1);
        }
        // No lock to be had (a directory without write access): the write
        // still goes through whole.
        if (!file_.valid()) return;
        for (;;) {
            OVERLAPPED at{};
            if (LockFileEx(file_.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return;
            if (GetLastError() != ERROR_LOCK_VIOLATION) return;
            if (GetTickCount64() > give_up) break;
            Sleep(1);
        }
        held_ = false;
    }
    bool held() const { return held_; }

private:
    Handle file_;
    bool held_ = true;
};

}  // namespace

std::unique_ptr<Held> lock_directory_of(const std::string& path) {
    auto lock = std::make_unique<DirectoryLock>(joined(directory_of(wide_path(path)), L"~yanzhou-search.lock"));
    if (!lock->held()) return nullptr;
    return lock;
}

}  // namespace windows_files
