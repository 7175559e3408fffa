#include "tests/assets/picture_headers.h"

#include <cstdlib>

namespace picture_headers {
namespace {

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t be16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

Result fail(std::string why) { return {std::nullopt, std::move(why)}; }

Result read_bmp(std::span<const std::uint8_t> b) {
    if (b.size() < 54) return fail("BMP shorter than its headers");
    if (le32(b, 2) != b.size()) return fail("BMP file size field differs from the file's size");
    const std::uint32_t offset = le32(b, 10), info = le32(b, 14);
    if (info < 40 || 14 + info > b.size()) return fail("BMP info header missing");
    Header h;
    h.format = Format::bmp;
    h.width = static_cast<std::int32_t>(le32(b, 18));
    h.height = std::abs(static_cast<std::int32_t>(le32(b, 22)));
    h.bits_per_pixel = static_cast<int>(le16(b, 28));
    h.compression = le32(b, 30);
    h.frames = 1;
    if (info >= 56) h.alpha_mask = le32(b, 14 + 52);
    if (h.compression != 0 && h.compression != 3) return fail("BMP is compressed");
    const std::size_t stride = (static_cast<std::size_t>(h.width) * h.bits_per_pixel + 31) / 32 * 4;
    if (offset + stride * h.height > b.size()) return fail("BMP pixel rows run past the end");
    if (h.bits_per_pixel <= 8) {
        const std::uint32_t used = le32(b, 46);
        const std::size_t colours = used ? used : 1u << h.bits_per_pixel;
        if (14 + info + colours * 4 > offset) return fail("BMP colour table overlaps the pixels");
    }
    return {h, {}};
}

// Skips GIF data sub-blocks from at; returns the position after the
// terminator, or 0 when they run past the end.
std::size_t skip_sub_blocks(std::span<const std::uint8_t> b, std::size_t at) {
    while (at < b.size()) {
        const std::size_t len = b[at];
        at += 1 + len;
        if (len == 0) return at;
    }
    return 0;
}

Result read_gif(std::span<const std::uint8_t> b) {
    if (b.size() < 13) return fail("GIF shorter than its screen descriptor");
    Header h;
    h.format = Format::gif;
    h.width = static_cast<int>(le16(b, 6));
    h.height = static_cast<int>(le16(b, 8));
    h.min_delay_cs = -1;
    std::size_t at = 13;
    if (b[10] & 0x80) at += 3u << ((b[10] & 7) + 1);
    while (true) {
        if (at >= b.size()) return fail("GIF ends without a trailer");
        const std::uint8_t kind = b[at];
        if (kind == 0x3B) break;
        if (kind == 0x21) {
            if (at + 2 >= b.size()) return fail("GIF extension cut short");
            const std::uint8_t label = b[at + 1];
            if (label == 0xF9 && at + 6 < b.size()) {
                const int delay = static_cast<int>(le16(b, at + 4));
                if (h.min_delay_cs < 0 || delay < h.min_delay_cs) h.min_delay_cs = delay;
            }
            if (label == 0xFF && at + 14 < b.size() &&
                std::string(reinterpret_cast<const char*>(&b[at + 3]), 11) == "NETSCAPE2.0")
                h.loops = true;
            at = skip_sub_blocks(b, at + 2);
            if (!at) return fail("GIF extension runs past the end");
        } else if (kind == 0x2C) {
            if (at + 10 > b.size()) return fail("GIF image descriptor cut short");
            const std::uint32_t left = le16(b, at + 1), top = le16(b, at + 3);
            const std::uint32_t w = le16(b, at + 5), hh = le16(b, at + 7);
            if (left + w > static_cast<std::uint32_t>(h.width) || top + hh > static_cast<std::uint32_t>(h.height))
                return fail("GIF frame lies outside the logical screen");
            const std::uint8_t flags = b[at + 9];
            at += 10;
            if (flags & 0x80) at += 3u << ((flags & 7) + 1);
            at = skip_sub_blocks(b, at + 1);  // after the LZW minimum code size
            if (!at) return fail("GIF image data runs past the end");
            ++h.frames;
        } else {
            return fail("GIF has an unknown block");
        }
    }
    if (h.min_delay_cs < 0) h.min_delay_cs = 0;
    return {h, {}};
}

Result read_jpeg(std::span<const std::uint8_t> b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return fail("JPEG marker expected");
        const std::uint8_t marker = b[at + 1];
        const std::size_t len = be16(b, at + 2);
        if (at + 2 + len > b.size()) return fail("JPEG segment runs past the end");
        if (marker == 0xC0) {
            if (len < 8) return fail("JPEG frame header cut short");
            Header h;
            h.format = Format::jpeg;
            h.height = static_cast<int>(be16(b, at + 5));
            h.width = static_cast<int>(be16(b, at + 7));
            h.frames = 1;
            return {h, {}};
        }
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return fail("JPEG is not baseline");
        if (marker == 0xDA) break;
        at += 2 + len;
    }
    return fail("JPEG has no baseline frame header");
}

}  // namespace

Result read_header(std::span<const std::uint8_t> b) {
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return read_bmp(b);
    if (b.size() >= 6 && std::string(reinterpret_cast<const char*>(b.data()), 6) == "GIF89a") return read_gif(b);
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return read_jpeg(b);
    return fail("neither BMP, GIF89a nor JPEG");
}

}  // namespace picture_headers
