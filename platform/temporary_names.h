#pragma once
// The names of the temporary files a settings write makes beside its target:
// ".BASE.PID.N.tmp", hidden, with the writer's process number and a counter.
// Both platforms make them so, and remove those a writer that has gone
// left behind.
#include <cstdint>
#include <string_view>

// The writer's process number in `name`, a temporary file's name beside the
// file `base`; 0 when `name` is not exactly such a name.
std::uint32_t writer_of_temporary(std::string_view name, std::string_view base);

// A temporary file older than this belongs to no write in progress, whatever
// its process number says (numbers are reused, and a write takes moments).
inline constexpr int leftover_age_seconds = 60;
