#pragma once
// The pictures the program carries, each as the layouts state it: container,
// pixel size, bit depth and frame count.
#include <span>
#include <vector>

#include "pictures.h"
#include "tests/assets/picture_headers.h"

namespace stated_pictures {

using picture_headers::Format;
using Bytes = std::span<const std::uint8_t>;

struct Stated {
    const char* name;
    const Bytes* bytes;
    Format format;
    int width, height;
    int bits;  // BMP bits per pixel; 0 for GIF and JPEG
    int frames;
};

inline constexpr Format BMP = Format::bmp, GIF = Format::gif, JPEG = Format::jpeg;

inline const std::vector<Stated> all_pictures = {
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

}  // namespace stated_pictures
