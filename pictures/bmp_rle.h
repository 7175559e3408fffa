#pragma once
// Run-length coded BMP pixels (RLE8, RLE4 and OS/2's RLE24).
#include <cstdint>
#include <span>

#include "pictures/bmp_header.h"

namespace forms::image {

// Writes the pixels into rgba (width * height * 4 bytes, bottom row last as
// shown). Pixels the runs skip over stay as they are, transparent in a fresh
// buffer. False when a run leaves the bitmap or names a colour the palette lacks.
bool decode_bmp_rle(const BmpLayout& layout, std::span<const std::uint8_t> data, std::span<std::uint8_t> rgba);

}  // namespace forms::image
