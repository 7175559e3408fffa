#pragma once
// The 58 built-in skins, numbered 1 to 58.
#include <cstdint>

#include "platform/text.h"

inline constexpr std::int32_t first_skin = 1, last_skin = 58;

// The skin's bytes as the program carries them; empty for any other number.
ByteSet catalogue_skin(std::int32_t number);
