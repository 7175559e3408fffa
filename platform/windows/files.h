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
bool write_file(const std::string& path, std::span<const ByteSet> parts);
bool write_new_file(const std::string& path, ByteSet bytes);
bool set_attributes(const std::string& path, std::int32_t attributes);

// A regular file read up to max_file_size; opening never waits and anything
// but a file on a disk (a directory, a pipe, a device such as NUL or COM1)
// is refused before a byte is read.
ReadResult read_file(const std::string& path, std::string& bytes);
// The path itself when it is a file on a disk or does not exist; the file a
// symbolic link leads to when that is one; nullopt for anything else.
std::optional<std::string> write_target(const std::string& path);
// A temporary file beside the target, flushed, then ReplaceFileW (which keeps
// the original's attributes and security) or, for a new file, MoveFileExW.
// Where the directory refuses a new file, the bytes go into the file itself,
// room reserved first. False when anything fails; the original then stays.
bool replace_file(const std::string& path, std::string_view bytes);
// A lock file in the file's directory, deleted when its last holder lets go.
std::unique_ptr<Held> lock_directory_of(const std::string& path);

// Removes the temporary files ".NAME.PID.N<tail>" of writes to `target` whose
// writer has gone (killed in the middle of a write) or that are older than
// any write: hidden, they would otherwise pile up.
void remove_leftover_temporaries(const std::wstring& target, std::wstring_view tail);

// Writes all the bytes to an open file.
bool write_all(HANDLE file, ByteSet bytes);
// Waits up to half a second for a byte-range lock on the whole file: a lock
// some other program keeps must never freeze the window.
void lock_briefly(HANDLE file, bool exclusive);

}  // namespace windows_files
