#pragma once
// The names of the temporary files a write makes beside its target:
// ".BASE.PID.N.tmp" for a settings write, ".BASE.PID.N.part" for a new file
// (the skin engine), hidden, with the writer's process number and a number of
// its own. Both platforms make them so, and remove those a writer that has
// gone left behind.
#include <cstdint>
#include <string_view>

// The writer's process number in `name`, a temporary file's name beside the
// file `base` ending in `tail`; 0 when `name` is not exactly such a name.
std::uint32_t writer_of_temporary(std::string_view name, std::string_view base, std::string_view tail = ".tmp");

// A temporary file older than this belongs to no write in progress, whatever
// its process number says (numbers are reused, and a write takes moments).
inline constexpr int leftover_age_seconds = 60;
