#pragma once
// Files on Windows, as the platform offers them (see platform/platform.h).
// Every path is UTF-8 (wide_path.h).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/windows/wide_path.h"

namespace windows_files {

bool path_exists(const std::string& path);
bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches);
bool is_read_only(const std::string& path);
bool may_create_in(const std::string& directory);
bool make_private_directory(const std::string& path);
// A directory that is no reparse point: %APPDATA%'s own access list already
// keeps it to its user.
bool is_private_directory(const std::string& path);
bool write_file(const std::string& path, std::span<const ByteSet> parts);
bool write_new_file(const std::string& path, ByteSet bytes);
bool set_attributes(const std::string& path, std::int32_t attributes);

// A regular file read up to max_file_size; opening never waits and anything
// but a file on a disk (a directory, a pipe, a device such as NUL or COM1)
// is refused before a byte is read, and so is a link when links are refused.
ReadResult read_file(const std::string& path, std::string& bytes, Links links = Links::follow);
// The path itself when it is a file on a disk or does not exist; the file a
// symbolic link leads to when that is one and links are followed; nullopt
// for anything else.
std::optional<std::string> write_target(const std::string& path, Links links = Links::follow);
// A temporary file beside the target, flushed, then ReplaceFileW (which keeps
// the original's attributes and security) or, for a new file, MoveFileExW.
// Where the directory refuses a new file, the bytes go into the file itself,
// room reserved first. False when anything fails; the original then stays.
bool replace_file(const std::string& path, std::string_view bytes);
// A lock file in the file's directory, deleted when its last holder lets go;
// nullptr when another process keeps it past a quarter of a second.
std::unique_ptr<Held> lock_directory_of(const std::string& path);

// Removes the temporary files ".NAME.PID.N<tail>" of writes to `target` whose
// writer has gone (killed in the middle of a write) or that are older than
// any write: hidden, they would otherwise pile up.
void remove_leftover_temporaries(const std::wstring& target, std::wstring_view tail);

// The file `name` in the folder (made for this user when missing), holding
// exactly the bytes: written when missing, replaced when it holds others.
// Empty when that cannot be had.
std::string carried_library_file(const std::string& folder, const std::string& name, ByteSet bytes);

// Writes all the bytes to an open file.
bool write_all(HANDLE file, ByteSet bytes);
// Waits up to `milliseconds` for a byte-range lock on the whole file, never
// longer: a lock some other program keeps must never freeze the window.
// False when another holds it.
bool lock_within(HANDLE file, bool exclusive, int milliseconds);
// How long a reader or an in-place writer waits for the file's lock.
inline constexpr int file_lock_milliseconds = 50;

}  // namespace windows_files
