#pragma once
// Reading a file up to a size cap (max_file_size), and replacing one so that
// a crash or a full disk leaves either the old file or the new one, never half
// of either.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace linux_files {

// Reads a regular file into `bytes`, following a symbolic link. Opening never
// waits for a writer (a FIFO) and anything but a regular file is refused
// before a byte is read; with links refused, a symbolic link reads as
// unreadable. Waits briefly for an in-place write to finish.
ReadResult read_file(const std::string& os_path, std::string& bytes, Links links = Links::follow);

// What a write to `os_path` may replace: the path itself when it is a
// regular file or does not exist, the end of a symbolic link (the link then
// stays) when that is a regular file; nullopt for anything else: a dangling
// link, a link to a device, a FIFO or a directory, or one of those itself,
// and any link at all when links are refused.
std::optional<std::string> write_target(const std::string& os_path, Links links = Links::follow);

// Writes `bytes` to a temporary file in the same directory, with the mode,
// owner and user.* extended attributes of the file it replaces, flushes it to
// disk and renames it over `os_path`, which must be a write_target (only a
// regular file is ever replaced). False when anything fails; the original is
// then untouched and no temporary file is left.
//
// When the directory refuses a new file (no write permission) but the file
// itself may be written, the bytes are written into the file in place, after
// reserving the room they need, and flushed to disk: the write then takes
// effect, as it would on Windows, but a crash in the middle of it can leave
// the bytes from the first one that changes onwards a mix of new and old.
//
// The temporary file is ".NAME.PID.N.tmp". A process killed in the middle of a
// write leaves its one behind; each replace first removes those of the same
// file whose process has gone (see remove_leftover_temporaries).
bool replace_file(const std::string& os_path, std::string_view bytes);

// Removes the regular files ".NAME.PID.N.tmp" (or another `tail`) beside
// `os_path` (NAME its own file name, PID and N decimal numbers) whose process
// no longer exists or that were last written more than a minute ago; nothing
// else, not even near misses of the pattern. Meant for a caller that holds the
// directory lock, or whose writers' files are never finished by another
// process, so that no cooperating writer is in the middle of a write. Returns
// how many it removed.
int remove_leftover_temporaries(const std::string& os_path, std::string_view tail = ".tmp");

// True when the file exists and nobody may write it: no write permission bit
// at all (which even root respects here, as Windows does for its read-only
// attribute), or no write access for this process.
bool is_read_only(const std::string& os_path);

// An exclusive lock that serialises read-modify-write cycles on files of one
// directory across processes, without leaving a lock file behind: the lock is
// taken on the directory itself. Waits a quarter of a second at most: nullptr
// when another process keeps the lock longer; a directory that cannot be
// opened gives a lock that holds nothing.
std::unique_ptr<Held> lock_directory(const std::string& os_path_of_file);

// The directory part of a path ("." when it has none).
std::string directory_of(const std::string& os_path);

}  // namespace linux_files
