#pragma once
// Builds GIF files for the tests with a plain LZW encoder of its own, so that
// the decoder is checked against an independent writer, not against itself.
#include <array>
#include <cstdint>
#include <vector>

#include "image_test_support.h"

namespace image_test {

using Rgb = std::array<std::uint8_t, 3>;

struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indices;  // row by row, top row first, as shown
    bool interlaced = false;
    bool control = true;  // write a graphic control extension
    int disposal = 0;
    int delay_cs = 0;
    int transparent = -1;
    std::vector<Rgb> local_palette;
};

// LZW data (min code size, then the packed codes) for indices.
Bytes gif_lzw_encode(const std::vector<std::uint8_t>& indices, int min_code_size);
// Codes of given widths packed least significant bit first, as GIF does.
Bytes pack_codes(const std::vector<std::pair<int, int>>& code_and_bits);
// Wraps raw LZW bytes into sub-blocks and a terminator.
Bytes sub_blocks(const Bytes& data);

Bytes make_gif(int width, int height, const std::vector<Rgb>& palette, const std::vector<GifImage>& images);

}  // namespace image_test
