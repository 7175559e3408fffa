#pragma once
// What a BMP file's headers say about its pixels, checked against the file's
// length so that the pixel readers can trust every offset and size in it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace forms::image {

enum class BmpCoding { plain, rle8, rle4, rle24 };

// One colour channel of a 16- or 32-bit pixel: mask, shift and bit count.
struct BmpChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool top_down = false;
    int bits_per_pixel = 0;
    BmpCoding coding = BmpCoding::plain;
    std::array<BmpChannel, 4> channels{};              // red, green, blue, alpha (alpha may be empty)
    bool guess_alpha = false;                          // 32-bit without masks: alpha if any byte says so
    std::vector<std::array<std::uint8_t, 3>> palette;  // red, green, blue
    std::size_t pixel_offset = 0;
};

// Empty when the headers are malformed, absurd, or describe a kind of BMP we
// do not decode (embedded JPEG/PNG, Huffman, 64-bit).
std::optional<BmpLayout> read_bmp_layout(std::span<const std::uint8_t> bytes);

// Bytes in one stored row of an uncompressed bitmap (rows are padded to 4).
std::uint64_t bmp_row_stride(int width, int bits_per_pixel);

}  // namespace forms::image
