// BMP files made here in every depth, header and coding the decoder reads.
#include <gtest/gtest.h>

#include <string>

#include "bmp_writer.h"
#include "pictures/picture.h"

using namespace image_test;
using forms::image::decode_bmp;
using forms::image::Picture;

namespace {

constexpr Rgba8 kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255},
    kWhite{255, 255, 255, 255}, kBlack{0, 0, 0, 255}, kGlass{0, 0, 255, 128};
constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3,
                        kBiAlphaBitfields = 6;
const std::array<std::uint32_t, 4> k555{0x7C00, 0x3E0, 0x1F, 0}, k565{0xF800, 0x7E0, 0x1F, 0},
    kXrgb{0xFF0000, 0xFF00, 0xFF, 0}, kArgb{0xFF0000, 0xFF00, 0xFF, 0xFF000000},
    kRgba4444{0xF00, 0xF0, 0xF, 0xF000}, kOddOrder{0xFF, 0xFF000000, 0xFF00, 0xFF0000};

// Three by two, so every depth below 32 bits needs row padding.
const std::vector<Rgba8> kTwoColours{kRed, kBlue, kBlue, kBlue, kRed, kRed};
const std::vector<Rgba8> kFourColours{kRed, kGreen, kBlue, kWhite, kBlue, kGreen};
const std::vector<Rgba8> kFiveColours{kRed, kGreen, kBlue, kWhite, kBlack, kRed};
const std::vector<Rgba8> kWithAlpha{kRed, kGlass, kBlue, {0, 0, 0, 0}, kBlack, kWhite};

Bytes rgba_of(const std::vector<Rgba8>& pixels) {
    Bytes out;
    for (const auto& p : pixels) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(BmpDecoder, EveryDepthAndHeaderGivesThePicturesPixels) {
    const struct {
        const char* what;
        BmpLayout layout;
        std::vector<Rgba8> pixels;
    } cases[] = {
        {"1 bit", {40, 1, kBiRgb, false, {kRed, kBlue}, {}}, kTwoColours},
        {"1 bit top-down", {40, 1, kBiRgb, true, {kBlue, kRed}, {}}, kTwoColours},
        {"1 bit OS/2", {12, 1, kBiRgb, false, {kRed, kBlue}, {}}, kTwoColours},
        {"2 bits", {40, 2, kBiRgb, false, {kWhite, kGreen, kRed, kBlue}, {}}, kFourColours},
        {"4 bits, short palette", {40, 4, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, kFiveColours},
        {"4 bits OS/2 2.x", {16, 4, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, kFiveColours},
        {"8 bits", {40, 8, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, kFiveColours},
        {"8 bits top-down", {40, 8, kBiRgb, true, {kWhite, kRed, kGreen, kBlue, kBlack}, {}}, kFiveColours},
        {"8 bits OS/2", {12, 8, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, kFiveColours},
        {"8 bits V5", {124, 8, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, kFiveColours},
        {"16 bits 5-5-5", {40, 16, kBiRgb, false, {}, k555}, kFiveColours},
        {"16 bits 5-6-5", {40, 16, kBiBitfields, false, {}, k565}, kFiveColours},
        {"16 bits 4-4-4-4 V5", {124, 16, kBiBitfields, false, {}, kRgba4444}, kFiveColours},
        {"24 bits", {40, 24, kBiRgb, false, {}, {}}, kFiveColours},
        {"24 bits top-down V4", {108, 24, kBiRgb, true, {}, {}}, kFiveColours},
        {"32 bits, fourth bytes all 0", {40, 32, kBiRgb, false, {}, kXrgb}, kFiveColours},
        {"32 bits, fourth bytes used", {40, 32, kBiRgb, false, {}, kArgb}, kWithAlpha},
        {"32 bits, masks in odd order", {40, 32, kBiBitfields, false, {}, kOddOrder}, kFiveColours},
        {"32 bits, V3 header with alpha", {56, 32, kBiBitfields, false, {}, kOddOrder}, kWithAlpha},
        {"32 bits, V5 alpha mask", {124, 32, kBiBitfields, true, {}, kArgb}, kWithAlpha},
        {"32 bits, alpha bitfields", {40, 32, kBiAlphaBitfields, false, {}, kArgb}, kWithAlpha},
    };
    for (const auto& c : cases) {
        const Picture p = decode_bmp(make_bmp(c.layout, 3, 2, c.pixels));
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
        {k555, 31u << 10 | 16u << 5 | 1u, {255, 132, 8, 255}},
        {k565, 0u << 11 | 32u << 5 | 31u, {0, 130, 255, 255}},
        {kRgba4444, 0x8F07, {255, 0, 119, 136}},
        {{0x30, 0xE, 0x1, 0}, 0x2B, {170, 182, 255, 255}},  // 2-3-1 bits
    };
    for (const auto& c : cases) {
        Bytes data;
        put16(data, c.pixel);
        put16(data, 0);
        const Picture p = decode_bmp(make_bmp_raw({124, 16, kBiBitfields, false, {}, c.masks}, 1, 1, data));
        ASSERT_EQ(p.frames.size(), 1u);
        EXPECT_EQ(Bytes(p.frames[0].rgba), Bytes(c.expected.begin(), c.expected.end())) << c.pixel;
    }
}

const BmpLayout kRle8{40, 8, kBiRle8, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}};
const BmpLayout kRle4{40, 4, kBiRle4, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}};

std::string shown(const Picture& p) {
    std::string map;
    for (int i = 0; i < p.width * p.height; ++i) {
        const std::uint8_t* c = &p.frames[0].rgba[i * 4];
        const Rgba8 px{c[0], c[1], c[2], c[3]};
        map += px[3] == 0 ? '.' : px == kRed ? 'R' : px == kGreen ? 'G' : px == kBlue ? 'B'
             : px == kWhite ? 'W' : px == kBlack ? 'K' : '?';
        if ((i + 1) % p.width == 0) map += '/';
    }
    return map;
}

TEST(BmpDecoder, RunLengthCodingWithEscapes) {
    // 4 wide and 3 high; the first stored row is the bottom one.
    const struct {
        const char* what;
        const BmpLayout& layout;
        Bytes data;
        const char* map;  // nullptr: refused
    } cases[] = {
        {"runs and end of line", kRle8, {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 4, 4, 0, 1}, "WWWW/GGBB/RRRR/"},
        {"absolute run with padding", kRle8, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, "..../..../RGBW/"},
        {"delta skips pixels", kRle8, {1, 2, 0, 2, 2, 1, 1, 3, 0, 1}, "..../...B/G.../"},
        {"early end of bitmap", kRle8, {2, 1, 0, 1}, "..../..../RR../"},
        {"no end of bitmap at all", kRle8, {4, 2, 0, 0, 4, 3}, "..../BBBB/GGGG/"},
        {"4-bit runs alternate", kRle4, {4, 0x12, 0, 0, 3, 0x34, 0, 1}, "..../BWB./RGRG/"},
        {"4-bit absolute run", kRle4, {0, 3, 0x12, 0x30, 0, 1}, "..../..../RGB./"},
        {"run past the row's end", kRle8, {5, 1, 0, 1}, nullptr},
        {"absolute run past the row's end", kRle8, {1, 1, 0, 4, 1, 1, 1, 1, 0, 1}, nullptr},
        {"delta past the bottom", kRle8, {0, 2, 0, 4, 1, 1, 0, 1}, nullptr},
        {"rows past the top", kRle8, {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, nullptr},
        {"colour outside the palette", kRle8, {1, 9, 0, 1}, nullptr},
    };
    for (const auto& c : cases) {
        const Picture p = decode_bmp(make_bmp_raw(c.layout, 4, 3, c.data));
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
    const BmpLayout pal8{40, 8, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}};
    const Bytes good = make_bmp(pal8, 3, 2, kFiveColours);
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
        {"huge", with(18, 100000) },
        {"colour outside the palette", with(good.size() - 4, 0x09, 1)},
    };
    for (const auto& c : cases) EXPECT_TRUE(decode_bmp(c.file).empty()) << c.what;
}

TEST(BmpDecoder, BadChannelMasksAreRefused) {
    const std::array<std::uint32_t, 4> masks[] = {
        {0xF800, 0x7E0, 0, 0},            // no blue
        {0xF800, 0x7E0, 0x1F, 0x1},       // alpha shares blue's bit
        {0xF00F, 0x7E0, 0x1F0, 0},        // red in two pieces
        {0xF80000, 0x7E0, 0x1F, 0},       // red beyond 16 bits
    };
    for (const auto& m : masks) {
        Bytes data(8, 0);
        EXPECT_TRUE(decode_bmp(make_bmp_raw({124, 16, kBiBitfields, false, {}, m}, 1, 2, data)).empty())
            << std::hex << m[0] << " " << m[1] << " " << m[2] << " " << m[3];
    }
    const BmpLayout rle_top_down{40, 8, kBiRle8, true, {kRed}, {}};
    EXPECT_TRUE(decode_bmp(make_bmp_raw(rle_top_down, 1, 1, {1, 0, 0, 1})).empty());
}

TEST(BmpDecoder, TruncatedAndCorruptFilesNeverCrash) {
    const Bytes files[] = {
        make_bmp({40, 4, kBiRgb, false, {kBlack, kRed, kGreen, kBlue, kWhite}, {}}, 3, 2, kFiveColours),
        make_bmp({124, 32, kBiBitfields, false, {}, kArgb}, 3, 2, kWithAlpha),
        make_bmp_raw(kRle8, 4, 3, {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 4, 4, 0, 1}),
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
                for (const auto& f : p.frames)
                    ASSERT_EQ(f.rgba.size(), std::size_t(p.width) * p.height * 4) << i;
            }
        }
    }
}

}  // namespace
