// decode_picture picks the decoder by the leading bytes; JPEG goes through
// the platform's codec (libjpeg-turbo, or WIC on Windows) and corrupt JPEG
// data gives an empty picture, not an exit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "bmp_writer.h"
#include "gif_writer.h"
#include "pictures/picture.h"

using namespace image_test;
using forms::image::decode_jpeg;
using forms::image::decode_picture;
using forms::image::Picture;

namespace {

// 16x8: the left half black, the right half white.
Rgba halves() {
    Rgba image{16, 8, Bytes(16 * 8 * 4, 255)};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            for (int c = 0; c < 3; ++c) image.pixels[(y * 16 + x) * 4 + c] = 0;
    return image;
}

TEST(PictureSniffing, EachKindReachesItsDecoder) {
    GifImage two;
    two.width = 2;
    two.height = 1;
    two.indices = {0, 1};
    const Bytes gif = make_gif(2, 1, {{255, 0, 0}, {0, 0, 255}}, {two});
    const Bytes bmp = make_bmp({40, 24, 0, false, {}, {}}, 1, 1, {{{0, 255, 0, 255}}});
    const Bytes jpeg = encode_jpeg(halves(), false);
    const struct {
        const char* what;
        Bytes bytes;
        int width, height;
    } cases[] = {{"GIF", gif, 2, 1},           {"BMP", bmp, 1, 1},
                 {"JPEG", jpeg, 16, 8},        {"PNG", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, 0, 0},
                 {"nothing", {}, 0, 0},        {"GIF-like text", {'G', 'I', 'F', '8'}, 0, 0},
                 {"lone BM", {'B', 'M'}, 0, 0}};
    for (const auto& c : cases) {
        const Picture p = decode_picture(c.bytes);
        EXPECT_EQ(p.width, c.width) << c.what;
        EXPECT_EQ(p.height, c.height) << c.what;
        EXPECT_EQ(p.empty(), c.width == 0) << c.what;
    }
    EXPECT_EQ(Bytes(decode_picture(gif).frames[0].rgba), (Bytes{255, 0, 0, 255, 0, 0, 255, 255}));
    EXPECT_EQ(Bytes(decode_picture(bmp).frames[0].rgba), (Bytes{0, 255, 0, 255}));
}

TEST(JpegDecoder, ColourAndGreyComeOutOpaqueRgba) {
    for (bool grey : {false, true}) {
        const Picture p = decode_jpeg(encode_jpeg(halves(), grey));
        ASSERT_EQ(p.frames.size(), 1u);
        ASSERT_EQ(p.frames[0].rgba.size(), 16u * 8 * 4);
        const auto at = [&](int x, int y, int c) { return p.frames[0].rgba[(y * 16 + x) * 4 + c]; };
        for (int c = 0; c < 3; ++c) {
            EXPECT_LE(at(1, 1, c), 8) << "dark half";
            EXPECT_GE(at(14, 6, c), 247) << "light half";
        }
        for (int i = 0; i < 16 * 8; ++i) ASSERT_EQ(p.frames[0].rgba[i * 4 + 3], 255);
    }
}

TEST(JpegDecoder, CorruptOrCutDataGivesAnEmptyPicture) {
    const Bytes jpeg = encode_jpeg(halves(), false);
    EXPECT_TRUE(decode_jpeg({}).empty());
    EXPECT_TRUE(decode_jpeg(std::span(jpeg).first(2)).empty());
    EXPECT_TRUE(decode_jpeg(std::span(jpeg).first(jpeg.size() / 3)).empty() ||
                decode_jpeg(std::span(jpeg).first(jpeg.size() / 3)).width == 16);
    Bytes garbage = jpeg;
    for (std::size_t i = 2; i < 40 && i < garbage.size(); ++i) garbage[i] = 0xAB;
    EXPECT_TRUE(decode_jpeg(garbage).empty());
    for (std::size_t n = 0; n < jpeg.size(); n += 7) {
        const Picture p = decode_jpeg(std::span(jpeg).first(n));
        for (const auto& f : p.frames) ASSERT_EQ(f.rgba.size(), std::size_t(p.width) * p.height * 4);
    }
}

// The suite's JPEG is its PNG saved at a low quality: single pixels differ by
// up to 74, but on average by under 4, where a decoder that swaps red and
// blue is 30 off, one that flips the rows 47, one a pixel out 20.
TEST(JpegDecoder, SuiteJpegMatchesItsPngWithinJpegLoss) {
    const auto dir = conformance_suite("bmpsuite-2.8/html");
    if (dir.empty()) GTEST_SKIP() << why_no_suite();
    const Picture p = decode_jpeg(read_file(dir / "rgb24.jpg"));
    const auto ref = load_reference(dir / "rgb24.png");
    ASSERT_TRUE(ref);
    ASSERT_EQ(p.width, ref->width);
    ASSERT_EQ(p.height, ref->height);
    double total = 0;
    for (std::size_t i = 0; i < ref->pixels.size(); ++i)
        if (i % 4 != 3) total += std::abs(p.frames[0].rgba[i] - ref->pixels[i]);
    EXPECT_LT(total / (ref->pixels.size() / 4 * 3), 5.0);
}

}  // namespace
