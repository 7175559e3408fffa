#pragma once
// Reading a whole file, and replacing one so that a crash or a full disk
// leaves either the old file or the new one, never half of either.
#include <optional>
#include <string>
#include <string_view>

// The file's bytes; nullopt when it cannot be read. `missing` tells a file
// that does not exist apart from one that cannot be read.
std::optional<std::string> read_whole_file(const std::string& os_path, bool* missing = nullptr);

// Writes `bytes` to a temporary file in the same directory, with the mode,
// owner and user.* extended attributes of the file it replaces, flushes it to
// disk and renames it over `os_path`. A symbolic link is followed, so the file
// it points to is replaced and the link stays. False when anything fails; the
// original is then untouched and no temporary file is left.
//
// The temporary file is ".NAME.PID.N.tmp". A process killed in the middle of a
// write leaves its one behind; each replace first removes those of the same
// file whose process has gone (see remove_leftover_temporaries).
bool replace_file(const std::string& os_path, std::string_view bytes);

// Removes the regular files ".NAME.PID.N.tmp" beside `os_path` (NAME its own
// file name, PID and N decimal numbers) whose process no longer exists or that
// were last written more than a minute ago; nothing else, not even near
// misses of the pattern. Meant for a caller that holds the DirectoryLock, so
// that no cooperating writer is in the middle of a write. Returns how many it
// removed.
int remove_leftover_temporaries(const std::string& os_path);

// The file a symbolic link points to; any other path unchanged.
std::string resolve_link(const std::string& os_path);

// True when the file exists and nobody may write it: no write permission bit
// at all (which even root respects here, as Windows does for its read-only
// attribute), or no write access for this process.
bool is_read_only(const std::string& os_path);

// Holds an exclusive lock that serialises read-modify-write cycles on files
// of one directory across processes, without leaving a lock file behind: the
// lock is taken on the directory itself.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& os_path_of_file);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int fd_ = -1;
};

// The directory part of a path ("." when it has none).
std::string directory_of(const std::string& os_path);
