#include "bmp_writer.h"

#include <algorithm>
#include <bit>

namespace image_test {
namespace {

bool masks_in_header(const BmpLayout& s) { return s.header_size >= 52; }
bool masks_after_header(const BmpLayout& s) {
    return s.header_size == 40 && (s.compression == 3 || s.compression == 6);
}

Bytes headers(const BmpLayout& layout, int width, int height, std::size_t data_size) {
    const std::size_t entry = layout.header_size == 12 ? 3 : 4;
    const std::size_t mask_bytes = masks_after_header(layout) ? (layout.compression == 6 ? 16 : 12) : 0;
    const std::size_t offset = 14 + layout.header_size + mask_bytes + layout.palette.size() * entry;
    Bytes out{'B', 'M'};
    put32(out, static_cast<std::uint32_t>(offset + data_size));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(offset));
    put32(out, layout.header_size);
    const int stored_height = layout.top_down ? -height : height;
    if (layout.header_size == 12) {
        put16(out, width);
        put16(out, stored_height);
        put16(out, 1);
        put16(out, layout.bits);
    } else {
        put32(out, width);
        put32(out, static_cast<std::uint32_t>(stored_height));
        put16(out, 1);
        put16(out, layout.bits);
        if (layout.header_size >= 40) {
            put32(out, layout.compression);
            put32(out, static_cast<std::uint32_t>(data_size));
            put32(out, 2835);
            put32(out, 2835);
            put32(out, static_cast<std::uint32_t>(layout.palette.size()));
            put32(out, 0);
        }
    }
    if (masks_in_header(layout) || masks_after_header(layout)) {
        const int count = (layout.header_size >= 56 || layout.compression == 6) ? 4 : 3;
        for (int i = 0; i < count; ++i) put32(out, layout.masks[i]);
    }
    out.resize(14 + layout.header_size + mask_bytes, 0);  // the rest of long headers
    for (const Rgba8& c : layout.palette) {
        out.insert(out.end(), {c[2], c[1], c[0]});
        if (entry == 4) out.push_back(0);
    }
    return out;
}

std::uint32_t pack_channel(std::uint8_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t max = mask >> shift;
    return static_cast<std::uint32_t>((value * max * 2 + 255) / 510) << shift;
}

void put_pixel(Bytes& row, const BmpLayout& layout, const Rgba8& c, int x) {
    if (layout.bits <= 8) {
        const auto it = std::find(layout.palette.begin(), layout.palette.end(), c);
        const int index = static_cast<int>(it - layout.palette.begin());
        const int per_byte = 8 / layout.bits;
        row[x / per_byte] |= static_cast<std::uint8_t>(index << (8 - layout.bits * (x % per_byte + 1)));
    } else if (layout.bits == 24) {
        std::copy_n(Rgba8{c[2], c[1], c[0], 0}.begin(), 3, row.begin() + x * 3);
    } else {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= pack_channel(c[i], layout.masks[i]);
        for (int b = 0; b < layout.bits / 8; ++b)
            row[x * layout.bits / 8 + b] = static_cast<std::uint8_t>(v >> (8 * b));
    }
}

}  // namespace

Bytes make_bmp_raw(const BmpLayout& layout, int width, int height, const Bytes& data) {
    Bytes out = headers(layout, width, height, data.size());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes make_bmp(const BmpLayout& layout, int width, int height, const std::vector<Rgba8>& pixels) {
    const std::size_t stride = (static_cast<std::size_t>(width) * layout.bits + 31) / 32 * 4;
    Bytes data;
    for (int stored = 0; stored < height; ++stored) {
        const int y = layout.top_down ? stored : height - 1 - stored;
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) put_pixel(row, layout, pixels[y * width + x], x);
        data.insert(data.end(), row.begin(), row.end());
    }
    return make_bmp_raw(layout, width, height, data);
}

}  // namespace image_test
