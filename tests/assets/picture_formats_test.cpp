// Every picture the program carries must be exactly the file the layouts
// were drawn for: container, pixel size, bit depth and frame count.
#include <gtest/gtest.h>

#include <vector>

#include "pictures.h"
#include "tests/assets/picture_headers.h"

namespace {

using picture_headers::Format;
using picture_headers::read_header;
using Bytes = std::span<const std::uint8_t>;

struct Stated {
    const char* name;
    const Bytes* bytes;
    Format format;
    int width, height;
    int bits;    // BMP bits per pixel; 0 for GIF and JPEG
    int frames;
};

constexpr Format BMP = Format::bmp, GIF = Format::gif, JPEG = Format::jpeg;

const std::vector<Stated> all_pictures = {
    // Site logos, 第一页 then 第二页 (图片框36 shows logo_17k again).
    {"logo_yanqingba", &pictures::logo_yanqingba, BMP, 179, 52, 24, 1},
    {"logo_hongxiu", &pictures::logo_hongxiu, JPEG, 202, 63, 0, 1},
    {"logo_17k", &pictures::logo_17k, BMP, 192, 60, 24, 1},
    {"logo_zongheng", &pictures::logo_zongheng, GIF, 178, 47, 0, 1},
    {"logo_zhulang", &pictures::logo_zhulang, BMP, 151, 75, 24, 1},
    {"logo_readnovel", &pictures::logo_readnovel, GIF, 180, 43, 0, 1},
    {"logo_xiaoshuozhe", &pictures::logo_xiaoshuozhe, GIF, 210, 82, 0, 1},
    {"logo_qidian", &pictures::logo_qidian, BMP, 171, 83, 24, 1},
    {"logo_jjwxc", &pictures::logo_jjwxc, JPEG, 117, 43, 0, 1},
    {"logo_hjsm", &pictures::logo_hjsm, BMP, 117, 52, 8, 1},
    {"logo_qqbook", &pictures::logo_qqbook, BMP, 123, 29, 8, 1},
    {"logo_sohu", &pictures::logo_sohu, GIF, 115, 45, 0, 1},
    {"logo_sina", &pictures::logo_sina, GIF, 159, 30, 0, 1},
    {"logo_bxwx", &pictures::logo_bxwx, GIF, 220, 80, 0, 1},
    {"logo_qingdi", &pictures::logo_qingdi, GIF, 216, 100, 0, 1},
    {"logo_luoqiu", &pictures::logo_luoqiu, GIF, 150, 30, 0, 1},
    {"logo_bjaishu", &pictures::logo_bjaishu, BMP, 241, 78, 24, 1},
    {"logo_paoshu8", &pictures::logo_paoshu8, GIF, 273, 73, 0, 1},
    {"logo_yuanchuang", &pictures::logo_yuanchuang, JPEG, 200, 85, 0, 1},
    {"logo_35xs", &pictures::logo_35xs, GIF, 215, 73, 0, 1},
    {"logo_xinxs8", &pictures::logo_xinxs8, GIF, 172, 65, 0, 1},
    {"logo_baishuku", &pictures::logo_baishuku, GIF, 240, 70, 0, 1},
    {"logo_langman", &pictures::logo_langman, GIF, 234, 60, 0, 2},
    {"logo_yqxsg", &pictures::logo_yqxsg, GIF, 234, 60, 0, 1},
    {"logo_qiangwei", &pictures::logo_qiangwei, BMP, 161, 64, 8, 1},
    {"logo_aiyanqing", &pictures::logo_aiyanqing, BMP, 189, 75, 24, 1},
    {"logo_wanshuxuan", &pictures::logo_wanshuxuan, BMP, 260, 60, 24, 1},
    // Covers, genre by genre.
    {"cover_shengwang", &pictures::cover_shengwang, BMP, 118, 148, 24, 1},
    {"cover_aoshi", &pictures::cover_aoshi, JPEG, 120, 150, 0, 1},
    {"cover_tangmen", &pictures::cover_tangmen, JPEG, 120, 150, 0, 1},
    {"cover_sansheng", &pictures::cover_sansheng, JPEG, 100, 140, 0, 1},
    {"cover_zhetian", &pictures::cover_zhetian, JPEG, 120, 150, 0, 1},
    {"cover_qiumo", &pictures::cover_qiumo, JPEG, 120, 150, 0, 1},
    {"cover_baobiao", &pictures::cover_baobiao, JPEG, 189, 272, 0, 1},
    {"cover_gaoshou", &pictures::cover_gaoshou, JPEG, 120, 150, 0, 1},
    {"cover_xiaohua", &pictures::cover_xiaohua, JPEG, 180, 240, 0, 1},
    {"cover_zidan", &pictures::cover_zidan, JPEG, 333, 492, 0, 1},
    {"cover_hongjing", &pictures::cover_hongjing, JPEG, 120, 150, 0, 1},
    {"cover_xinhai", &pictures::cover_xinhai, JPEG, 120, 150, 0, 1},
    {"cover_quanzhi", &pictures::cover_quanzhi, JPEG, 120, 150, 0, 1},
    {"cover_zhaohuan", &pictures::cover_zhaohuan, JPEG, 120, 150, 0, 1},
    {"cover_shengling", &pictures::cover_shengling, JPEG, 120, 150, 0, 1},
    {"cover_yinmu", &pictures::cover_yinmu, JPEG, 210, 280, 0, 1},
    {"cover_jinhua", &pictures::cover_jinhua, JPEG, 120, 150, 0, 1},
    {"cover_zugui", &pictures::cover_zugui, JPEG, 210, 280, 0, 1},
    // The welcome window's banners and the program icon.
    {"banner_title", &pictures::banner_title, BMP, 335, 28, 32, 1},
    {"banner_credit", &pictures::banner_credit, JPEG, 527, 69, 0, 1},
    {"app_icon", &pictures::app_icon, BMP, 48, 48, 32, 1},
};

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
        if (p.format == BMP) {
            EXPECT_EQ(h.bits_per_pixel, p.bits);
        }
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
    const auto le32 = [&](std::size_t at) { return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24; };
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
        {"GIF frame wider than the screen", with(pictures::logo_sina, [](auto& v) { v[6] = 10; v[7] = 0; })},
        {"progressive JPEG", with(pictures::logo_jjwxc, [](auto& v) {
             for (std::size_t i = 2; i + 1 < v.size(); ++i)
                 if (v[i] == 0xFF && v[i + 1] == 0xC0) { v[i + 1] = 0xC2; break; }
         })},
        {"JPEG cut inside its headers", with(pictures::logo_jjwxc, [](auto& v) { v.resize(40); })},
        {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
    };
    for (const auto& c : cases) EXPECT_FALSE(read_header(c.bytes).header) << c.what;
}

}  // namespace
