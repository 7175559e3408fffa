#include "gif_writer.h"

#include <map>

namespace image_test {
namespace {

int bits_for(std::size_t colours) {
    int bits = 1;
    while ((std::size_t{2} << (bits - 1)) < colours) ++bits;
    return bits;
}

void put_palette(Bytes& out, const std::vector<Rgb>& palette, int bits) {
    for (int i = 0; i < (1 << bits); ++i) {
        const Rgb c = i < static_cast<int>(palette.size()) ? palette[i] : Rgb{0, 0, 0};
        out.insert(out.end(), c.begin(), c.end());
    }
}

std::vector<std::uint8_t> interlace_rows(const GifImage& image) {
    std::vector<std::uint8_t> stored;
    const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < image.height; y += steps[pass])
            stored.insert(stored.end(), image.indices.begin() + y * image.width,
                          image.indices.begin() + (y + 1) * image.width);
    return stored;
}

}  // namespace

Bytes pack_codes(const std::vector<std::pair<int, int>>& code_and_bits) {
    Bytes out;
    std::uint32_t buffer = 0;
    int count = 0;
    for (auto [code, bits] : code_and_bits) {
        buffer |= static_cast<std::uint32_t>(code) << count;
        count += bits;
        while (count >= 8) {
            out.push_back(static_cast<std::uint8_t>(buffer));
            buffer >>= 8;
            count -= 8;
        }
    }
    if (count > 0) out.push_back(static_cast<std::uint8_t>(buffer));
    return out;
}

Bytes gif_lzw_encode(const std::vector<std::uint8_t>& indices, int min_code_size) {
    const int clear = 1 << min_code_size, end = clear + 1;
    std::vector<std::pair<int, int>> codes;
    std::map<std::pair<int, int>, int> table;
    int bits = min_code_size + 1, next = end + 1;
    codes.push_back({clear, bits});
    int current = -1;
    for (std::uint8_t index : indices) {
        if (current < 0) {
            current = index;
            continue;
        }
        if (auto it = table.find({current, index}); it != table.end()) {
            current = it->second;
            continue;
        }
        codes.push_back({current, bits});
        if (next < 4096) {
            table[{current, index}] = next++;
            if (next > (1 << bits) && bits < 12) ++bits;
        } else {
            codes.push_back({clear, bits});
            table.clear();
            bits = min_code_size + 1;
            next = end + 1;
        }
        current = index;
    }
    if (current >= 0) codes.push_back({current, bits});
    // The decoder defines one more entry on the last code and may widen first.
    if (current >= 0 && next == (1 << bits) && bits < 12) ++bits;
    codes.push_back({end, bits});
    Bytes out{static_cast<std::uint8_t>(min_code_size)};
    const Bytes packed = pack_codes(codes);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

Bytes sub_blocks(const Bytes& data) {
    Bytes out;
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - i);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + i, data.begin() + i + n);
    }
    out.push_back(0);
    return out;
}

Bytes make_gif(int width, int height, const std::vector<Rgb>& palette, const std::vector<GifImage>& images) {
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    put16(out, width);
    put16(out, height);
    const int bits = bits_for(palette.size());
    out.push_back(palette.empty() ? 0 : static_cast<std::uint8_t>(0x80 | (bits - 1)));
    out.push_back(0);
    out.push_back(0);
    if (!palette.empty()) put_palette(out, palette, bits);
    for (const GifImage& image : images) {
        if (image.control) {
            out.insert(out.end(), {0x21, 0xF9, 4});
            out.push_back(static_cast<std::uint8_t>(image.disposal << 2 | (image.transparent >= 0)));
            put16(out, image.delay_cs);
            out.push_back(static_cast<std::uint8_t>(image.transparent >= 0 ? image.transparent : 0));
            out.push_back(0);
        }
        out.push_back(0x2C);
        put16(out, image.left);
        put16(out, image.top);
        put16(out, image.width);
        put16(out, image.height);
        const int local_bits = bits_for(image.local_palette.size());
        std::uint8_t flags = image.interlaced ? 0x40 : 0;
        if (!image.local_palette.empty()) flags |= 0x80 | (local_bits - 1);
        out.push_back(flags);
        if (!image.local_palette.empty()) put_palette(out, image.local_palette, local_bits);
        const int used_bits = image.local_palette.empty() ? bits : local_bits;
        const Bytes lzw =
            gif_lzw_encode(image.interlaced ? interlace_rows(image) : image.indices, std::max(2, used_bits));
        out.push_back(lzw[0]);
        const Bytes blocks = sub_blocks(Bytes(lzw.begin() + 1, lzw.end()));
        out.insert(out.end(), blocks.begin(), blocks.end());
    }
    out.push_back(0x3B);
    return out;
}

}  // namespace image_test
