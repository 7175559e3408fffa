// BMP files made here in every depth, header and coding the decoder reads.
#include <gtest/gtest.h>

#include <string>

#include "bmp_writer.h"
#include "pictures/picture.h"

using namespace image_test;
using forms::image::decode_bmp;
using forms::image::Picture;

namespace {

constexpr Rgba8 red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, white{255, 255, 255, 255},
    black{0, 0, 0, 255}, glass{0, 0, 255, 128};
constexpr std::uint32_t bi_rgb = 0, bi_rle8 = 1, bi_rle4 = 2, bi_bitfields = 3, bi_alpha_bitfields = 6;
const std::array<std::uint32_t, 4> masks_555{0x7C00, 0x3E0, 0x1F, 0}, masks_565{0xF800, 0x7E0, 0x1F, 0},
    masks_xrgb{0xFF0000, 0xFF00, 0xFF, 0}, masks_argb{0xFF0000, 0xFF00, 0xFF, 0xFF000000},
    masks_rgba4444{0xF00, 0xF0, 0xF, 0xF000}, masks_odd_order{0xFF, 0xFF000000, 0xFF00, 0xFF0000};

// Three by two, so every depth below 32 bits needs row padding.
const std::vector<Rgba8> two_colours{red, blue, blue, blue, red, red};
const std::vector<Rgba8> four_colours{red, green, blue, white, blue, green};
const std::vector<Rgba8> five_colours{red, green, blue, white, black, red};
const std::vector<Rgba8> with_alpha{red, glass, blue, {0, 0, 0, 0}, black, white};

// Palettes of the first table below.
const std::vector<Rgba8> red_blue{red, blue}, blue_red{blue, red}, four_entries{white, green, red, blue},
    five_entries{black, red, green, blue, white}, five_entries_reversed{white, red, green, blue, black};

Bytes rgba_of(const std::vector<Rgba8>& pixels) {
    Bytes out;
    for (const auto& p : pixels) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(BmpDecoder, EveryDepthAndHeaderGivesThePicturesPixels) {
    // Rows of plain values: the palettes and pixels are the named ones above.
    const struct {
        const char* what;
        struct {
            int header_size, bits;
            std::uint32_t compression;
            bool top_down;
            const std::vector<Rgba8>* palette;
            std::array<std::uint32_t, 4> masks;
        } layout;
        const std::vector<Rgba8>& pixels;
    } cases[] = {
        {"1 bit", {40, 1, bi_rgb, false, &red_blue, {}}, two_colours},
        {"1 bit top-down", {40, 1, bi_rgb, true, &blue_red, {}}, two_colours},
        {"1 bit OS/2", {12, 1, bi_rgb, false, &red_blue, {}}, two_colours},
        {"2 bits", {40, 2, bi_rgb, false, &four_entries, {}}, four_colours},
        {"4 bits, short palette", {40, 4, bi_rgb, false, &five_entries, {}}, five_colours},
        {"4 bits OS/2 2.x", {16, 4, bi_rgb, false, &five_entries, {}}, five_colours},
        {"8 bits", {40, 8, bi_rgb, false, &five_entries, {}}, five_colours},
        {"8 bits top-down", {40, 8, bi_rgb, true, &five_entries_reversed, {}}, five_colours},
        {"8 bits OS/2", {12, 8, bi_rgb, false, &five_entries, {}}, five_colours},
        {"8 bits V5", {124, 8, bi_rgb, false, &five_entries, {}}, five_colours},
        {"16 bits 5-5-5", {40, 16, bi_rgb, false, {}, masks_555}, five_colours},
        {"16 bits 5-6-5", {40, 16, bi_bitfields, false, {}, masks_565}, five_colours},
        {"16 bits 4-4-4-4 V5", {124, 16, bi_bitfields, false, {}, masks_rgba4444}, five_colours},
        {"24 bits", {40, 24, bi_rgb, false, {}, {}}, five_colours},
        {"24 bits top-down V4", {108, 24, bi_rgb, true, {}, {}}, five_colours},
        {"32 bits, fourth bytes all 0", {40, 32, bi_rgb, false, {}, masks_xrgb}, five_colours},
        {"32 bits, fourth bytes used", {40, 32, bi_rgb, false, {}, masks_argb}, with_alpha},
        {"32 bits, masks in odd order", {40, 32, bi_bitfields, false, {}, masks_odd_order}, five_colours},
        {"32 bits, V3 header with alpha", {56, 32, bi_bitfields, false, {}, masks_odd_order}, with_alpha},
        {"32 bits, V5 alpha mask", {124, 32, bi_bitfields, true, {}, masks_argb}, with_alpha},
        {"32 bits, alpha bitfields", {40, 32, bi_alpha_bitfields, false, {}, masks_argb}, with_alpha},
    };
    for (const auto& c : cases) {
        const auto& l = c.layout;
        const std::vector<Rgba8> palette = l.palette != nullptr ? *l.palette : std::vector<Rgba8>{};
        const BmpLayout layout{l.header_size, l.bits, l.compression, l.top_down, palette, l.masks};
        const Picture p = decode_bmp(make_bmp(layout, 3, 2, c.pixels));
        EXPECT_EQ(p.frames.size(), 1u) << c.what;
        if (p.empty()) continue;
        EXPECT_EQ(p.width, 3) << c.what;
        EXPECT_EQ(p.height, 2) << c.what;
        EXPECT_EQ(pixel_difference(p.frames[0].rgba, rgba_of(c.pixels), 3), "") << c.what;
    }
}

TEST(BmpDecoder, NarrowChannelsAreScaledWithRounding) {
    // One pixel whose channels hold the given raw values.
    const struct {
        std::array<std::uint32_t, 4> masks;
        std::uint32_t pixel;
        Rgba8 expected;
    } cases[] = {
        {masks_555, 31u << 10 | 16u << 5 | 1u, {255, 132, 8, 255}},
        {masks_565, 0u << 11 | 32u << 5 | 31u, {0, 130, 255, 255}},
        {masks_rgba4444, 0x8F07, {255, 0, 119, 136}},
        {{0x30, 0xE, 0x1, 0}, 0x2B, {170, 182, 255, 255}},  // 2-3-1 bits
    };
    for (const auto& c : cases) {
        Bytes data;
        put16(data, c.pixel);
        put16(data, 0);
        const Picture p = decode_bmp(make_bmp_raw({124, 16, bi_bitfields, false, {}, c.masks}, 1, 1, data));
        ASSERT_EQ(p.frames.size(), 1u);
        EXPECT_EQ(Bytes(p.frames[0].rgba), Bytes(c.expected.begin(), c.expected.end())) << c.pixel;
    }
}

const BmpLayout rle8_layout{40, 8, bi_rle8, false, {black, red, green, blue, white}, {}};
const BmpLayout rle4_layout{40, 4, bi_rle4, false, {black, red, green, blue, white}, {}};

std::string shown(const Picture& p) {
    std::string map;
    for (int i = 0; i < p.width * p.height; ++i) {
        const std::uint8_t* c = &p.frames[0].rgba[i * 4];
        const Rgba8 px{c[0], c[1], c[2], c[3]};
        map += px[3] == 0    ? '.'
               : px == red   ? 'R'
               : px == green ? 'G'
               : px == blue  ? 'B'
               : px == white ? 'W'
               : px == black ? 'K'
                             : '?';
        if ((i + 1) % p.width == 0) map += '/';
    }
    return map;
}

TEST(BmpDecoder, RunLengthCodingWithEscapes) {
    // 4 wide unless said and 3 high; the first stored row is the bottom one.
    const struct {
        const char* what;
        const BmpLayout& layout;
        Bytes data;
        const char* map;  // nullptr: refused
        int width = 4;
    } cases[] = {
        {"runs and end of line", rle8_layout, {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 4, 4, 0, 1}, "WWWW/GGBB/RRRR/"},
        {"absolute run with padding", rle8_layout, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, "..../..../RGBW/"},
        {"delta skips pixels", rle8_layout, {1, 2, 0, 2, 2, 1, 1, 3, 0, 1}, "..../...B/G.../"},
        {"delta to the right edge", rle8_layout, {1, 1, 0, 2, 3, 0, 0, 0, 1, 2, 0, 1}, "..../G.../R.../"},
        {"early end of bitmap", rle8_layout, {2, 1, 0, 1}, "..../..../RR../"},
        {"no end of bitmap at all", rle8_layout, {4, 2, 0, 0, 4, 3}, "..../BBBB/GGGG/"},
        {"4-bit runs alternate", rle4_layout, {4, 0x12, 0, 0, 3, 0x34, 0, 1}, "..../BWB./RGRG/"},
        {"4-bit absolute run", rle4_layout, {0, 3, 0x12, 0x30, 0, 1}, "..../..../RGB./"},
        {"4-bit absolute run of five",
         rle4_layout,
         {0, 5, 0x12, 0x34, 0x10, 0, 1, 0x20, 0, 1},
         "....../....../RGBWRG/",
         6},
        {"run past the row's end", rle8_layout, {5, 1, 0, 1}, nullptr},
        {"absolute run past the row's end", rle8_layout, {1, 1, 0, 4, 1, 1, 1, 1, 0, 1}, nullptr},
        {"delta past the bottom", rle8_layout, {0, 2, 0, 4, 1, 1, 0, 1}, nullptr},
        {"rows past the top", rle8_layout, {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, nullptr},
        {"colour outside the palette", rle8_layout, {1, 9, 0, 1}, nullptr},
    };
    for (const auto& c : cases) {
        const Picture p = decode_bmp(make_bmp_raw(c.layout, c.width, 3, c.data));
        if (!c.map) {
            EXPECT_TRUE(p.empty()) << c.what;
            continue;
        }
        EXPECT_EQ(p.frames.size(), 1u) << c.what;
        if (p.empty()) continue;
        EXPECT_EQ(shown(p), c.map) << c.what;
    }
}

// A good 8-bit file, then one field changed at a time.
TEST(BmpDecoder, MalformedHeadersAreRefused) {
    const BmpLayout pal8{40, 8, bi_rgb, false, {black, red, green, blue, white}, {}};
    const Bytes good = make_bmp(pal8, 3, 2, five_colours);
    ASSERT_FALSE(decode_bmp(good).empty());
    const auto with = [&](std::size_t at, std::uint32_t value, int bytes = 4) {
        Bytes b = good;
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return b;
    };
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"not BM", with(0, 'B' | 'A' << 8, 2)},
        {"file size beyond the file", with(2, static_cast<std::uint32_t>(good.size() + 1))},
        {"pixels beyond the file", with(10, static_cast<std::uint32_t>(good.size()))},
        {"unknown header size", with(14, 66)},
        {"negative width", with(18, static_cast<std::uint32_t>(-3))},
        {"zero width", with(18, 0)},
        {"zero height", with(22, 0)},
        {"two planes", with(26, 2, 2)},
        {"3 bits per pixel", with(28, 3, 2)},
        {"64 bits per pixel", with(28, 64, 2)},
        {"embedded JPEG", with(30, 4)},
        {"run-length coded but 24 bits", with(30, 1)},
        {"image size beyond the file", with(34, 0x7F000000)},
        {"absurd pixel density", with(38, 30000000)},
        {"palette larger than the file", with(46, 0x10000000)},
        {"huge", with(18, 100000)},
        {"colour outside the palette", with(good.size() - 4, 0x09, 1)},
    };
    for (const auto& c : cases) EXPECT_TRUE(decode_bmp(c.file).empty()) << c.what;
}

TEST(BmpDecoder, BadChannelMasksAreRefused) {
    const std::array<std::uint32_t, 4> masks[] = {
        {0xF800, 0x7E0, 0, 0},       // no blue
        {0xF800, 0x7E0, 0x1F, 0x1},  // alpha shares blue's bit
        {0xF00F, 0x7E0, 0x1F0, 0},   // red in two pieces
        {0xF80000, 0x7E0, 0x1F, 0},  // red beyond 16 bits
    };
    for (const auto& m : masks) {
        Bytes data(8, 0);
        EXPECT_TRUE(decode_bmp(make_bmp_raw({124, 16, bi_bitfields, false, {}, m}, 1, 2, data)).empty())
            << std::hex << m[0] << " " << m[1] << " " << m[2] << " " << m[3];
    }
    const BmpLayout rle_top_down{40, 8, bi_rle8, true, {red}, {}};
    EXPECT_TRUE(decode_bmp(make_bmp_raw(rle_top_down, 1, 1, {1, 0, 0, 1})).empty());
}

TEST(BmpDecoder, TruncatedAndCorruptFilesNeverCrash) {
    const Bytes files[] = {
        make_bmp({40, 4, bi_rgb, false, {black, red, green, blue, white}, {}}, 3, 2, five_colours),
        make_bmp({124, 32, bi_bitfields, false, {}, masks_argb}, 3, 2, with_alpha),
        make_bmp_raw(rle8_layout, 4, 3, {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 4, 4, 0, 1}),
    };
    for (const Bytes& file : files) {
        ASSERT_FALSE(decode_bmp(file).empty());
        for (std::size_t n = 0; n < file.size(); ++n) {
            const Picture p = decode_bmp(std::span(file).first(n));
            // The file header's size field says the file is longer than that.
            EXPECT_TRUE(p.empty()) << "cut at " << n;
        }
        for (std::size_t i = 0; i < file.size(); ++i) {
            for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
                Bytes bad = file;
                bad[i] ^= flip;
                const Picture p = decode_bmp(bad);
                for (const auto& f : p.frames) ASSERT_EQ(f.rgba.size(), std::size_t(p.width) * p.height * 4) << i;
            }
        }
    }
}

}  // namespace
