#include "pictures/bmp_header.h"

#include <algorithm>
#include <bit>

#include "pictures/byte_reader.h"
#include "pictures/picture_limits.h"

namespace forms::image {
namespace {

constexpr std::size_t file_header_size = 14;
constexpr std::uint32_t bi_rgb = 0, bi_rle8 = 1, bi_rle4 = 2, bi_bitfields = 3, bi_os2_rle24 = 4,
                        bi_alpha_bitfields = 6;

enum class HeaderKind { core, os2, windows };

std::optional<HeaderKind> header_kind(std::uint32_t size) {
    switch (size) {
        case 12: return HeaderKind::core;
        case 16:
        case 64: return HeaderKind::os2;
        case 40:
        case 52:
        case 56:
        case 108:
        case 124: return HeaderKind::windows;
        default: return std::nullopt;
    }
}

// The fields every info header has, in the widths of the full headers.
struct InfoFields {
    std::int32_t width = 0, height = 0;
    std::uint16_t planes = 0, bits = 0;
    std::uint32_t compression = bi_rgb, image_size = 0;
    std::int32_t x_density = 0, y_density = 0;
    std::uint32_t colours_used = 0;
};

InfoFields read_info(ByteReader& in, HeaderKind kind, std::uint32_t header_size) {
    InfoFields f;
    if (kind == HeaderKind::core) {
        f.width = in.u16();
        f.height = in.u16();
        f.planes = in.u16();
        f.bits = in.u16();
        return f;
    }
    f.width = in.i32();
    f.height = in.i32();
    f.planes = in.u16();
    f.bits = in.u16();
    if (header_size < 40) return f;
    f.compression = in.u32();
    f.image_size = in.u32();
    f.x_density = in.i32();
    f.y_density = in.i32();
    f.colours_used = in.u32();
    return f;
}

std::optional<BmpChannel> channel_of(std::uint32_t mask, int bits_per_pixel) {
    BmpChannel c;
    if (mask == 0) return c;
    if (bits_per_pixel < 32 && (mask >> bits_per_pixel) != 0) return std::nullopt;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    if ((mask >> c.shift) != (c.bits == 32 ? ~0u : (1u << c.bits) - 1)) return std::nullopt;
    return c;
}

// Colour channels must each exist and not share bits; alpha is optional.
bool set_channels(BmpLayout& layout, const std::array<std::uint32_t, 4>& masks) {
    std::uint32_t seen = 0;
    for (int i = 0; i < 4; ++i) {
        const auto c = channel_of(masks[i], layout.bits_per_pixel);
        if (!c || (i < 3 && c->bits == 0) || (seen & masks[i])) return false;
        seen |= masks[i];
        layout.channels[i] = *c;
    }
    return true;
}

bool coding_of(BmpLayout& layout, HeaderKind kind, std::uint32_t compression) {
    const int bits = layout.bits_per_pixel;
    switch (compression) {
        case bi_rgb: layout.coding = BmpCoding::plain; return true;
        case bi_rle8: layout.coding = BmpCoding::rle8; return bits == 8;
        case bi_rle4: layout.coding = BmpCoding::rle4; return bits == 4;
        case bi_bitfields:
            // In OS/2 headers 3 means Huffman 1D, which we do not decode.
            return kind == HeaderKind::windows && (bits == 16 || bits == 32);
        case bi_os2_rle24: layout.coding = BmpCoding::rle24; return kind == HeaderKind::os2 && bits == 24;
        case bi_alpha_bitfields: return kind == HeaderKind::windows && (bits == 16 || bits == 32);
        default: return false;  // embedded JPEG or PNG, and anything unknown
    }
}

bool read_masks(BmpLayout& layout, std::span<const std::uint8_t> bytes, std::uint32_t header_size,
                std::uint32_t compression, std::size_t& after) {
    std::array<std::uint32_t, 4> masks{};
    if (compression == bi_bitfields || compression == bi_alpha_bitfields) {
        // A 40-byte header leaves the masks to follow it; longer ones hold them.
        const bool outside = header_size == 40;
        const int count = (compression == bi_alpha_bitfields || header_size >= 56) ? 4 : 3;
        ByteReader in(bytes, file_header_size + 40);
        for (int i = 0; i < count; ++i) masks[i] = in.u32();
        if (!in.ok()) return false;
        if (outside) after += static_cast<std::size_t>(count) * 4;
        return set_channels(layout, masks);
    }
    if (layout.bits_per_pixel == 16) return set_channels(layout, {0x7C00, 0x03E0, 0x001F, 0});
    if (layout.bits_per_pixel == 32) {
        layout.guess_alpha = true;
        return set_channels(layout, {0xFF0000, 0xFF00, 0xFF, 0});
    }
    return true;
}

bool read_palette(BmpLayout& layout, std::span<const std::uint8_t> bytes, HeaderKind kind, std::uint32_t colours_used,
                  std::size_t start) {
    if (layout.bits_per_pixel > 8) return true;  // a palette there is only a hint
    const std::size_t entry = kind == HeaderKind::core ? 3 : 4;
    if (start > bytes.size()) return false;
    const std::uint64_t room = (bytes.size() - start) / entry;
    // A count the file cannot hold is a corrupt header, not a short palette.
    if (colours_used > room) return false;
    std::uint64_t count = std::uint64_t{1} << layout.bits_per_pixel;
    if (colours_used != 0) count = std::min<std::uint64_t>(count, colours_used);
    // Some writers leave out the tail of the palette; the pixel offset tells.
    if (layout.pixel_offset >= start + entry)
        count = std::min<std::uint64_t>(count, (layout.pixel_offset - start) / entry);
    count = std::min(count, room);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint8_t* p = &bytes[start + i * entry];
        layout.palette.push_back({p[2], p[1], p[0]});
    }
    return true;
}

// Pixels many thousand times taller than wide are a corrupt header, not a picture.
bool densities_plausible(std::int32_t x, std::int32_t y) {
    if (x <= 0 || y <= 0) return true;
    return std::max(x, y) / std::min(x, y) <= 1000;
}

bool shape_valid(const BmpLayout& layout) {
    switch (layout.bits_per_pixel) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32: break;
        default: return false;
    }
    if (layout.coding != BmpCoding::plain && layout.top_down) return false;
    return picture_size_allowed(layout.width, layout.height);
}

bool plain_pixels_present(const BmpLayout& layout, std::size_t file_size) {
    if (layout.coding != BmpCoding::plain) return true;
    const std::uint64_t need =
        bmp_row_stride(layout.width, layout.bits_per_pixel) * static_cast<std::uint64_t>(layout.height);
    return need <= file_size - layout.pixel_offset;
}

}  // namespace

std::uint64_t bmp_row_stride(int width, int bits_per_pixel) {
    return (static_cast<std::uint64_t>(width) * bits_per_pixel + 31) / 32 * 4;
}

std::optional<BmpLayout> read_bmp_layout(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    if (in.u8() != 'B' || in.u8() != 'M') return std::nullopt;
    const std::uint32_t file_size = in.u32();
    in.skip(4);
    const std::uint32_t pixel_offset = in.u32();
    const std::uint32_t header_size = in.u32();
    const auto kind = header_kind(header_size);
    if (!in.ok() || !kind || file_size > bytes.size()) return std::nullopt;
    const InfoFields f = read_info(in, *kind, header_size);
    if (!in.ok() || bytes.size() < file_header_size + header_size) return std::nullopt;
    if (f.planes != 1 || f.width <= 0 || f.height == 0 || f.height == INT32_MIN) return std::nullopt;
    if (f.image_size > bytes.size() || !densities_plausible(f.x_density, f.y_density)) return std::nullopt;
    if (pixel_offset < file_header_size + header_size || pixel_offset > bytes.size()) return std::nullopt;

    BmpLayout layout;
    layout.width = f.width;
    layout.height = f.height < 0 ? -f.height : f.height;
    layout.top_down = f.height < 0;
    layout.bits_per_pixel = f.bits;
    layout.pixel_offset = pixel_offset;
    if (!coding_of(layout, *kind, f.compression) || !shape_valid(layout)) return std::nullopt;
    std::size_t after_header = file_header_size + header_size;
    if (layout.bits_per_pixel == 16 || layout.bits_per_pixel == 32) {
        if (!read_masks(layout, bytes, header_size, f.compression, after_header)) return std::nullopt;
    }
    if (!read_palette(layout, bytes, *kind, f.colours_used, after_header)) return std::nullopt;
    if (!plain_pixels_present(layout, bytes.size())) return std::nullopt;
    return layout;
}

}  // namespace forms::image
