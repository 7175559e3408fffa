// GIF files made here, with the pixels each frame must show.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gif_writer.h"
#include "pictures/picture.h"

using namespace image_test;
using forms::image::decode_gif;
using forms::image::Picture;

namespace {

// R red, G green, B blue, W white, K black, . transparent (alpha 0).
const std::vector<Rgb> colours = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}};
constexpr std::uint8_t R = 0, G = 1, B = 2, W = 3, K = 4, T = 7;  // T: transparent in tests

std::string shown(const Picture& p, std::size_t frame) {
    std::string map;
    const auto& px = p.frames.at(frame).rgba;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const std::uint8_t* c = &px[(y * p.width + x) * 4];
            char ch = '?';
            if (c[3] == 0) ch = '.';
            for (std::size_t i = 0; i < colours.size(); ++i)
                if (c[3] == 255 && c[0] == colours[i][0] && c[1] == colours[i][1] && c[2] == colours[i][2])
                    ch = "RGBWK"[i];
            map += ch;
        }
        map += '/';
    }
    return map;
}

GifImage image(int left, int top, int width, int height, std::vector<std::uint8_t> indices) {
    GifImage im;
    im.left = left;
    im.top = top;
    im.width = width;
    im.height = height;
    im.indices = std::move(indices);
    return im;
}

TEST(GifDecoder, InterlacedRowsLandWhereTheyBelong) {
    // Ten rows, each its own colour pattern, so a row in the wrong place shows.
    for (int height : {1, 2, 3, 5, 8, 10}) {
        std::vector<std::uint8_t> rows;
        std::string expected;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 3; ++x) {
                rows.push_back(static_cast<std::uint8_t>((y + x * (y % 3)) % 5));
                expected += "RGBWK"[rows.back()];
            }
            expected += '/';
        }
        GifImage plain = image(0, 0, 3, height, rows);
        GifImage interlaced = plain;
        interlaced.interlaced = true;
        for (const GifImage& im : {plain, interlaced}) {
            const Picture p = decode_gif(make_gif(3, height, colours, {im}));
            ASSERT_EQ(p.frames.size(), 1u) << height;
            EXPECT_EQ(shown(p, 0), expected) << "height " << height << " interlaced " << im.interlaced;
        }
    }
}

TEST(GifDecoder, AnimationAppliesTransparencyAndEveryDisposal) {
    GifImage full = image(0, 0, 4, 3, std::vector<std::uint8_t>(12, R));
    full.delay_cs = 5;
    GifImage square = image(1, 1, 2, 2, {G, T, G, G});
    square.transparent = T;
    square.disposal = 2;  // restore to background
    GifImage dot = image(0, 0, 1, 1, {B});
    dot.disposal = 3;  // restore to previous
    dot.delay_cs = 1;
    GifImage corner = image(3, 2, 1, 1, {W});
    corner.delay_cs = 12;
    GifImage no_control = image(0, 0, 1, 1, {K});
    no_control.control = false;
    const Picture p = decode_gif(make_gif(4, 3, colours, {full, square, dot, corner, no_control}));
    ASSERT_EQ(p.frames.size(), 5u);
    const struct {
        const char* map;
        int delay_ms;
    } expected[] = {
        {"RRRR/RRRR/RRRR/", 50},  {"RRRR/RGRR/RGGR/", 100},  // the transparent index lets the red through
        {"BRRR/R..R/R..R/", 100},                            // the square went back to transparent
        {"RRRR/R..R/R..W/", 120},                            // the dot went, as it had never been
        {"KRRR/R..R/R..W/", 100},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(shown(p, i), expected[i].map) << "frame " << i;
        EXPECT_EQ(p.frames[i].delay_ms, expected[i].delay_ms) << "frame " << i;
    }
}

TEST(GifDecoder, DelaysFollowBrowserPractice) {
    const struct {
        int delay_cs, delay_ms;
    } cases[] = {{0, 100}, {1, 100}, {2, 20}, {10, 100}, {50, 500}, {65535, 655350}};
    for (const auto& c : cases) {
        GifImage a = image(0, 0, 1, 1, {R}), b = image(0, 0, 1, 1, {G});
        a.delay_cs = b.delay_cs = c.delay_cs;
        const Picture p = decode_gif(make_gif(1, 1, colours, {a, b}));
        ASSERT_EQ(p.frames.size(), 2u);
        EXPECT_EQ(p.frames[0].delay_ms, c.delay_ms) << c.delay_cs;
        const Picture still = decode_gif(make_gif(1, 1, colours, {a}));
        ASSERT_EQ(still.frames.size(), 1u);
        EXPECT_EQ(still.frames[0].delay_ms, 0) << "a still picture has no delay";
    }
}

TEST(GifDecoder, ImagesBeyondTheScreenAreClipped) {
    const Picture p =
        decode_gif(make_gif(3, 2, colours, {image(2, 1, 3, 3, {B, G, G, G, G, G, G, G, G}), image(9, 9, 1, 1, {W})}));
    ASSERT_EQ(p.frames.size(), 2u);
    EXPECT_EQ(shown(p, 0), ".../..B/");
    EXPECT_EQ(shown(p, 1), ".../..B/");
}

TEST(GifDecoder, LocalPaletteOverridesTheGlobalOne) {
    GifImage im = image(0, 0, 2, 1, {0, 1});
    im.local_palette = {{255, 255, 255}, {0, 0, 255}};
    const Picture p = decode_gif(make_gif(2, 1, colours, {im}));
    ASSERT_EQ(p.frames.size(), 1u);
    EXPECT_EQ(shown(p, 0), "WB/");
}

TEST(GifDecoder, LargeRandomImageSurvivesCodeGrowthAndTableResets) {
    // 256 colours of noise fill the 4096-entry table many times over.
    std::vector<Rgb> palette(256);
    for (int i = 0; i < 256; ++i) palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7};
    std::mt19937 random(42);
    std::vector<std::uint8_t> indices(200 * 80);
    for (auto& i : indices) i = static_cast<std::uint8_t>(random() % (random() % 2 ? 256 : 3));
    const Picture p = decode_gif(make_gif(200, 80, palette, {image(0, 0, 200, 80, indices)}));
    ASSERT_EQ(p.frames.size(), 1u);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const auto& c = palette[indices[i]];
        ASSERT_EQ(p.frames[0].rgba[i * 4], c[0]) << i;
        ASSERT_EQ(p.frames[0].rgba[i * 4 + 1], c[1]) << i;
        ASSERT_EQ(p.frames[0].rgba[i * 4 + 3], 255) << i;
    }
}

// Hand-made code streams for a 2-bit palette: clear 4, end 5, first entry 6.
Picture decode_codes(int width, int height, const std::vector<std::pair<int, int>>& codes) {
    Bytes gif = make_gif(width, height, colours, {});
    gif.pop_back();  // the trailer
    gif.push_back(0x2C);
    for (int v : {0, 0, width, height}) put16(gif, v);
    gif.push_back(0);
    gif.push_back(2);
    const Bytes blocks = sub_blocks(pack_codes(codes));
    gif.insert(gif.end(), blocks.begin(), blocks.end());
    gif.push_back(0x3B);
    return decode_gif(gif);
}

TEST(GifDecoder, HandMadeCodeStreams) {
    // colours has 5 colours, so the global table holds 8 entries (3 bits) and
    // the minimum code size 2 used below limits the indices to 0..3.
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> codes;
        int width, height;
        const char* map;  // nullptr: refused
    } cases[] = {
        {"a code defined by itself (KwKwK)", {{4, 3}, {1, 3}, {6, 3}, {5, 3}}, 3, 1, "GGG/"},
        {"no clear code first", {{2, 3}, {3, 3}, {5, 3}}, 2, 1, "BW/"},
        {"early end code", {{4, 3}, {2, 3}, {5, 3}, {3, 3}}, 3, 1, "B../"},
        {"no end code", {{4, 3}, {0, 3}, {1, 3}}, 2, 1, "RG/"},
        {"entry used after a clear forgot it", {{4, 3}, {0, 3}, {4, 3}, {6, 3}}, 2, 1, "R./"},
        {"two clears", {{4, 3}, {4, 3}, {3, 3}, {5, 3}}, 1, 1, "W/"},
        {"undefined code first", {{4, 3}, {7, 3}}, 2, 1, nullptr},
        {"undefined code after pixels", {{4, 3}, {0, 3}, {7, 3}}, 3, 1, "R../"},
        {"codes widen at 8 entries", {{4, 3}, {0, 3}, {1, 3}, {6, 3}, {2, 4}, {5, 4}}, 6, 1, "RGRGB./"},
    };
    for (const auto& c : cases) {
        const Picture p = decode_codes(c.width, c.height, c.codes);
        if (!c.map) {
            EXPECT_TRUE(p.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(p.frames.size(), 1u) << c.what;
        EXPECT_EQ(shown(p, 0), c.map) << c.what;
    }
}

TEST(GifDecoder, BadScreensAreRefused) {
    const struct {
        int width, height;
        bool decoded;
    } cases[] = {{0, 5, false},       {5, 0, false},    {65535, 65535, false},
                 {9000, 8000, false}, {65535, 1, true}, {1, 65535, true}};
    for (const auto& c : cases) {
        Bytes gif = make_gif(c.width, c.height, colours, {image(0, 0, 1, 1, {R})});
        EXPECT_EQ(!decode_gif(gif).empty(), c.decoded) << c.width << "x" << c.height;
    }
    EXPECT_TRUE(decode_gif(Bytes{'G', 'I', 'F', '8', '8', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}).empty());
    EXPECT_TRUE(decode_gif(Bytes{}).empty());
}

Bytes two_frame_gif() {
    GifImage a = image(0, 0, 4, 2, {R, G, B, W, W, B, G, R});
    a.delay_cs = 20;
    GifImage b = image(1, 0, 2, 2, {K, T, T, K});
    b.transparent = T;
    b.disposal = 3;
    return make_gif(4, 2, colours, {a, b});
}

TEST(GifDecoder, EveryTruncationGivesAPrefixOfTheWholeAnimation) {
    const Bytes gif = two_frame_gif();
    const Picture whole = decode_gif(gif);
    ASSERT_EQ(whole.frames.size(), 2u);
    for (std::size_t n = 0; n < gif.size(); ++n) {
        const Picture part = decode_gif(std::span(gif).first(n));
        if (part.empty()) continue;
        ASSERT_EQ(part.width, 4);
        ASSERT_LE(part.frames.size(), 2u) << n;
        for (std::size_t f = 0; f < part.frames.size(); ++f) {
            const auto& got = part.frames[f].rgba;
            const auto& full = whole.frames[f].rgba;
            ASSERT_EQ(got.size(), full.size());
            // Every pixel is either as in the whole file or not yet drawn.
            for (std::size_t i = 0; i < got.size(); i += 4) {
                const bool same = std::equal(got.begin() + i, got.begin() + i + 4, full.begin() + i);
                const bool same_as_before =
                    f > 0 && std::equal(got.begin() + i, got.begin() + i + 4, whole.frames[f - 1].rgba.begin() + i);
                ASSERT_TRUE(same || same_as_before || got[i + 3] == 0)
                    << "cut at " << n << " frame " << f << " byte " << i;
            }
        }
    }
    // Cut just before the trailer, both frames are complete.
    const Picture no_trailer = decode_gif(std::span(gif).first(gif.size() - 1));
    ASSERT_EQ(no_trailer.frames.size(), 2u);
    EXPECT_EQ(no_trailer.frames[1].rgba, whole.frames[1].rgba);
}

TEST(GifDecoder, CorruptBytesNeverBreakThePictureShape) {
    const Bytes gif = two_frame_gif();
    for (std::size_t i = 0; i < gif.size(); ++i) {
        for (std::uint8_t flip : {0x01, 0x10, 0x80, 0xFF}) {
            Bytes bad = gif;
            bad[i] ^= flip;
            const Picture p = decode_gif(bad);
            for (const auto& f : p.frames) ASSERT_EQ(f.rgba.size(), std::size_t(p.width) * p.height * 4) << i;
        }
    }
}

}  // namespace
