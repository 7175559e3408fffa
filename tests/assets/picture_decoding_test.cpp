// The program's own decoders read every embedded picture as the size and
// frame count it was drawn at, with the pixels the drawing meant.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pictures/picture.h"
#include "tests/assets/stated_pictures.h"

namespace {

using forms::image::decode_picture;
using namespace stated_pictures;

const std::uint8_t* pixel(const forms::image::Picture& p, int frame, int x, int y) {
    return &p.frames[frame].rgba[(static_cast<std::size_t>(y) * p.width + x) * 4];
}

TEST(PictureDecoding, EachDecodesAtItsStatedSizeAndFrames) {
    for (const Stated& s : all_pictures) {
        SCOPED_TRACE(s.name);
        const auto p = decode_picture(*s.bytes);
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p.width, s.width);
        EXPECT_EQ(p.height, s.height);
        EXPECT_EQ(static_cast<int>(p.frames.size()), s.frames);
    }
}

TEST(PictureDecoding, TheAnimatedLogoShowsTwoDifferentFramesForHalfASecondEach) {
    const auto p = decode_picture(pictures::logo_langman);
    ASSERT_EQ(p.frames.size(), 2u);
    EXPECT_NE(p.frames[0].rgba, p.frames[1].rgba);
    for (const auto& f : p.frames) EXPECT_EQ(f.delay_ms, 500);
}

TEST(PictureDecoding, TheIconIsTransparentAroundItsMotif) {
    const auto p = decode_picture(pictures::app_icon);
    ASSERT_EQ(p.width, 48);
    EXPECT_EQ(pixel(p, 0, 0, 0)[3], 0);
    EXPECT_EQ(pixel(p, 0, 47, 0)[3], 0);
    EXPECT_EQ(pixel(p, 0, 24, 33)[3], 255);
}

// Pictures are stored bottom-up; a reader that flips them would put the
// 17K logo's grey foot at the top. Its top row is near white, its lowest row
// (inside the frame line) the grey the gradient ends on.
TEST(PictureDecoding, BmpRowsComeOutTopDown) {
    const auto p = decode_picture(pictures::logo_17k);
    ASSERT_EQ(p.height, 60);
    const auto brightness = [&](int y) {
        const auto* px = pixel(p, 0, 96, y);
        return px[0] + px[1] + px[2];
    };
    EXPECT_GT(brightness(2), brightness(57));
}

}  // namespace
