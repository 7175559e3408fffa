// Every picture the program carries must be exactly the file the layouts
// were drawn for: container, pixel size, bit depth and frame count.
#include <gtest/gtest.h>

#include <vector>

#include "tests/assets/picture_headers.h"
#include "tests/assets/stated_pictures.h"

namespace {

using picture_headers::read_header;
using namespace stated_pictures;

TEST(Pictures, EachHasItsStatedFormatSizeDepthAndFrames) {
    ASSERT_EQ(all_pictures.size(), 27u + 18u + 3u);
    for (const Stated& p : all_pictures) {
        SCOPED_TRACE(p.name);
        const auto result = read_header(*p.bytes);
        ASSERT_TRUE(result.header) << result.error;
        const auto& h = *result.header;
        EXPECT_EQ(h.format, p.format);
        EXPECT_EQ(h.width, p.width);
        EXPECT_EQ(h.height, p.height);
        EXPECT_EQ(h.frames, p.frames);
        if (p.format == BMP) { EXPECT_EQ(h.bits_per_pixel, p.bits); }
    }
}

TEST(Pictures, NoTwoAreTheSameFile) {
    for (std::size_t i = 0; i < all_pictures.size(); ++i)
        for (std::size_t j = i + 1; j < all_pictures.size(); ++j) {
            const Bytes& a = *all_pictures[i].bytes;
            const Bytes& b = *all_pictures[j].bytes;
            EXPECT_FALSE(std::equal(a.begin(), a.end(), b.begin(), b.end()))
                << all_pictures[i].name << " and " << all_pictures[j].name;
        }
}

TEST(Pictures, TheAnimatedLogoLoopsWithAVisibleDelay) {
    const auto h = *read_header(pictures::logo_langman).header;
    EXPECT_TRUE(h.loops);
    EXPECT_GE(h.min_delay_cs, 10) << "a frame shorter than 100 ms flickers rather than animates";
}

// Alpha of the pixel at (x, y) counted from the top of a bottom-up 32-bit BMP.
int alpha_at(Bytes bmp, int x, int y) {
    const auto le32 = [&](std::size_t at) {
        return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24;
    };
    const int width = le32(18), height = le32(22);
    const std::size_t row = static_cast<std::size_t>(height - 1 - y);
    return bmp[le32(10) + (row * width + x) * 4 + 3];
}

TEST(Pictures, TheIconCarriesRealTransparency) {
    const auto h = *read_header(pictures::app_icon).header;
    EXPECT_EQ(h.compression, 3u) << "BI_BITFIELDS, so the alpha mask is declared";
    EXPECT_EQ(h.alpha_mask, 0xFF000000u);
    EXPECT_EQ(alpha_at(pictures::app_icon, 0, 0), 0) << "corner around the motif is see-through";
    EXPECT_EQ(alpha_at(pictures::app_icon, 24, 33), 255) << "the hull is solid";
}

TEST(Pictures, TheTitleBannerIsOpaqueAcross) {
    const auto h = *read_header(pictures::banner_title).header;
    EXPECT_EQ(h.compression, 0u);
    for (const auto& [x, y] : {std::pair{0, 0}, {334, 27}, {167, 14}, {5, 20}})
        EXPECT_EQ(alpha_at(pictures::banner_title, x, y), 255) << x << "," << y;
}

// The reader must notice damage, or the table above could pass on broken files.
TEST(PictureHeaders, RejectDamagedFiles) {
    const auto with = [](Bytes src, auto change) {
        std::vector<std::uint8_t> v(src.begin(), src.end());
        change(v);
        return v;
    };
    struct Damage {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Damage> cases = {
        {"BMP cut short", with(pictures::logo_17k, [](auto& v) { v.resize(v.size() - 100); })},
        {"BMP size field wrong", with(pictures::logo_17k, [](auto& v) { v[2] ^= 1; })},
        {"BMP run-length compressed", with(pictures::logo_hjsm, [](auto& v) { v[30] = 1; })},
        {"GIF87a", with(pictures::logo_sina, [](auto& v) { v[4] = '7'; })},
        {"GIF without its trailer", with(pictures::logo_sina, [](auto& v) { v.pop_back(); })},
        {"GIF frame wider than the screen", with(pictures::logo_sina,
                                                 [](auto& v) {
                                                     v[6] = 10;
                                                     v[7] = 0;
                                                 })},
        {"progressive JPEG", with(pictures::logo_jjwxc,
                                  [](auto& v) {
                                      for (std::size_t i = 2; i + 1 < v.size(); ++i)
                                          if (v[i] == 0xFF && v[i + 1] == 0xC0) {
                                              v[i + 1] = 0xC2;
                                              break;
                                          }
                                  })},
        {"JPEG cut inside its headers", with(pictures::logo_jjwxc, [](auto& v) { v.resize(40); })},
        {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
    };
    for (const auto& c : cases) EXPECT_FALSE(read_header(c.bytes).header) << c.what;
}

}  // namespace
