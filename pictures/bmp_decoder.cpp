// Windows and OS/2 bitmaps: the headers are checked first (bmp_header), then
// the pixels are read row by row or through the run-length decoder.
#include <cstring>

#include "pictures/bmp_header.h"
#include "pictures/bmp_rle.h"
#include "pictures/picture.h"

namespace forms::image {
namespace {

// Channels narrower or wider than 8 bits are scaled with rounding, so that
// a 5-bit 31 is 255 and a 5-bit 16 is 132.
std::uint8_t channel_value(std::uint32_t pixel, const BmpChannel& c) {
    const std::uint64_t max = c.bits == 32 ? 0xFFFFFFFFull : (1ull << c.bits) - 1;
    const std::uint64_t v = (pixel & c.mask) >> c.shift;
    return static_cast<std::uint8_t>((v * 255 * 2 + max) / (2 * max));
}

std::uint32_t read_le(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

// Windows ignores the fourth byte of 32-bit pixels unless one of them is set.
bool any_alpha_byte(const BmpLayout& layout, std::span<const std::uint8_t> pixels) {
    const std::size_t stride = bmp_row_stride(layout.width, 32);
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* row = &pixels[y * stride];
        for (int x = 0; x < layout.width; ++x)
            if (row[x * 4 + 3] != 0) return true;
    }
    return false;
}

bool read_indexed_row(const BmpLayout& layout, const std::uint8_t* row, std::uint8_t* out) {
    const int bits = layout.bits_per_pixel;
    const int per_byte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const int shift = 8 - bits * (x % per_byte + 1);
        const std::size_t index = (row[x / per_byte] >> shift) & mask;
        if (index >= layout.palette.size()) return false;
        std::memcpy(out + x * 4, layout.palette[index].data(), 3);
        out[x * 4 + 3] = 255;
    }
    return true;
}

void read_direct_row(const BmpLayout& layout, const std::uint8_t* row, std::uint8_t* out) {
    const int bytes = layout.bits_per_pixel / 8;
    const BmpChannel& alpha = layout.channels[3];
    for (int x = 0; x < layout.width; ++x) {
        const std::uint8_t* p = row + x * bytes;
        std::uint8_t* o = out + x * 4;
        if (bytes == 3) {
            o[0] = p[2];
            o[1] = p[1];
            o[2] = p[0];
            o[3] = 255;
            continue;
        }
        const std::uint32_t pixel = read_le(p, bytes);
        for (int c = 0; c < 3; ++c) o[c] = channel_value(pixel, layout.channels[c]);
        o[3] = alpha.bits ? channel_value(pixel, alpha) : 255;
    }
}

bool read_plain(BmpLayout layout, std::span<const std::uint8_t> pixels, std::vector<std::uint8_t>& rgba) {
    if (layout.guess_alpha && any_alpha_byte(layout, pixels)) layout.channels[3] = BmpChannel{0xFF000000u, 24, 8};
    const std::size_t stride = bmp_row_stride(layout.width, layout.bits_per_pixel);
    const std::size_t out_stride = static_cast<std::size_t>(layout.width) * 4;
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* row = &pixels[y * stride];
        const int shown = layout.top_down ? y : layout.height - 1 - y;
        std::uint8_t* out = &rgba[shown * out_stride];
        if (layout.bits_per_pixel <= 8) {
            if (!read_indexed_row(layout, row, out)) return false;
        } else {
            read_direct_row(layout, row, out);
        }
    }
    return true;
}

}  // namespace

Picture decode_bmp(std::span<const std::uint8_t> bytes) {
    const auto layout = read_bmp_layout(bytes);
    if (!layout) return {};
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(layout->width) * layout->height * 4, 0);
    const auto pixels = bytes.subspan(layout->pixel_offset);
    const bool fine =
        layout->coding == BmpCoding::plain ? read_plain(*layout, pixels, rgba) : decode_bmp_rle(*layout, pixels, rgba);
    if (!fine) return {};
    Picture picture;
    picture.width = layout->width;
    picture.height = layout->height;
    picture.frames.push_back(Frame{std::move(rgba), 0});
    return picture;
}

}  // namespace forms::image
