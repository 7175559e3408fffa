#pragma once
// Files on Linux, as the platform offers them (see platform/platform.h).
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace linux_files {

bool path_exists(const std::string& path);
bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches);
bool may_create_in(const std::string& directory);
bool make_private_directory(const std::string& path);
bool is_private_directory(const std::string& path);
bool write_file(const std::string& path, std::span<const ByteSet> parts);
bool write_new_file(const std::string& path, ByteSet bytes);
bool set_attributes(const std::string& path, std::int32_t attributes);

// Writes all the bytes to an open file, going on after an interrupted write.
bool write_all(int fd, ByteSet bytes);

}  // namespace linux_files
