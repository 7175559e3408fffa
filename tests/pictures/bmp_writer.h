#pragma once
// Builds BMP files for the tests: a picture given as RGBA pixels is stored in
// the requested header, depth and channel layout by code of the test's own.
#include <array>
#include <cstdint>
#include <vector>

#include "image_test_support.h"

namespace image_test {

using Rgba8 = std::array<std::uint8_t, 4>;

struct BmpLayout {
    int header_size = 40;  // 12, 16, 40, 52, 56, 64, 108 or 124
    int bits = 24;
    std::uint32_t compression = 0;
    bool top_down = false;
    std::vector<Rgba8> palette;            // for 8 bits and less; pixels are looked up in it
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha for 16 and 32 bits
};

inline constexpr std::size_t bmp_offset_of_header_size = 14;
inline constexpr std::size_t bmp_offset_of_width = 18;

Bytes make_bmp(const BmpLayout& layout, int width, int height, const std::vector<Rgba8>& pixels);
// A file around ready-made pixel bytes, e.g. run-length data.
Bytes make_bmp_raw(const BmpLayout& layout, int width, int height, const Bytes& data);

}  // namespace image_test
