#!/usr/bin/python3
"""Draws every picture the program carries and writes them to assets/pictures/.

Run with Debian's Python and python3-pil:  /usr/bin/python3 tools/make_pictures.py
The output is the same bytes on every run, so the committed files can be
remade (or restyled here) at any time. Options:
  --out DIR        write somewhere else (default: assets/pictures beside this tool)
  --montage FILE   also lay every picture out on one PNG sheet, to look at
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pictures import formats  # noqa: E402
from pictures.banners import draw_credit_banner, draw_icon, draw_title_banner  # noqa: E402
from pictures.covers import draw_cover  # noqa: E402
from pictures.logos import draw_logo  # noqa: E402

# The authors' pen names on the covers; the recommendation captions of the
# main window show the same names.
PEN_NAMES = {
    "圣王": "云中墨客",
    "傲视九重天": "寒江孤影",
    "绝世唐门": "青衫听雨",
    "三生三世倾流年": "落花微凉",
    "遮天": "苍穹钓叟",
    "求魔": "墨染孤灯",
    "校花的贴身保镖": "江城小刀",
    "校花的贴身高手": "山野闲人",
    "我的贴身校花": "城南旧巷",
    "最后一颗子弹留给我": "戎马书生",
    "红色警戒之民国": "烽火长歌",
    "辛亥大英雄": "长衫客",
    "全职高手": "键盘侠客",
    "召唤圣剑": "晨星剑匣",
    "终极圣灵": "电光竞影",
    "阴墓阳宅": "夜半灯笼",
    "最终进化": "无尽行者",
    "租鬼公司": "子夜掌柜",
}

# stem, title (with "|" where the cover breaks its lines), genre, the cover's
# picture, hue turn of the genre's colours, format, width, height
BOOKS = [
    ("cover_shengwang", "圣王", "玄幻奇幻", "crown", 0.0, "bmp24", 118, 148),
    ("cover_aoshi", "傲视|九重天", "玄幻奇幻", "pagoda", 0.9, "jpeg", 120, 150),
    ("cover_tangmen", "绝世|唐门", "玄幻奇幻", "sigil", 0.1, "jpeg", 120, 150),
    ("cover_sansheng", "三生三世|倾流年", "武侠仙侠", "blossom", 0.0, "jpeg", 100, 140),
    ("cover_zhetian", "遮天", "武侠仙侠", "sword", 0.55, "jpeg", 120, 150),
    ("cover_qiumo", "求魔", "武侠仙侠", "red_moon", 0.05, "jpeg", 120, 150),
    ("cover_baobiao", "校花的|贴身保镖", "都市言情", "ring", 0.0, "jpeg", 189, 272),
    ("cover_gaoshou", "校花的|贴身高手", "都市言情", "heart", 0.6, "jpeg", 120, 150),
    ("cover_xiaohua", "我的|贴身校花", "都市言情", "moon", 0.8, "jpeg", 180, 240),
    ("cover_zidan", "最后一颗|子弹|留给我", "军事历史", "bullet", 0.0, "jpeg", 333, 492),
    ("cover_hongjing", "红色警戒|之民国", "军事历史", "star", 0.95, "jpeg", 120, 150),
    ("cover_xinhai", "辛亥|大英雄", "军事历史", "flag", 0.08, "jpeg", 120, 150),
    ("cover_quanzhi", "全职高手", "游戏竞技", "sword", 0.0, "jpeg", 120, 150),
    ("cover_zhaohuan", "召唤圣剑", "游戏竞技", "portal", 0.75, "jpeg", 120, 150),
    ("cover_shengling", "终极圣灵", "游戏竞技", "crystal", 0.15, "jpeg", 120, 150),
    ("cover_yinmu", "阴墓阳宅", "科幻灵异", "lantern", 0.0, "jpeg", 210, 280),
    ("cover_jinhua", "最终进化", "科幻灵异", "planet", 0.55, "jpeg", 120, 150),
    ("cover_zugui", "租鬼公司", "科幻灵异", "ghost", 0.75, "jpeg", 210, 280),
]

# stem, the name the logo shows, format, width, height, look.
# A look: bg (top, bottom), ink, accent colours, emblem, frame, face, tagline...
SITES = [
    ("logo_yanqingba", "言情小说吧", "bmp24", 179, 52, dict(
        bg=("#FFF0F6", "#FFC2DA"), ink="#D81B60", accent="#EC407A", accent2="#FFFFFF",
        emblem="heart", frame="round", tagline="YANQING XIAOSHUO BA")),
    ("logo_hongxiu", "红袖添香", "jpeg", 202, 63, dict(
        bg=("#B71C1C", "#6D0000"), ink="#FFF3E0", stroke=0.6, stroke_colour="#FFB300",
        accent="#FFB300", accent2="#8E0000", emblem="seal", seal_char="袖", face="serif",
        tagline="红袖添香 · 女性原创文学", tag_face="sans", tag_ink="#FFE082", frame="double",
        frame_colour="#FFB300")),
    ("logo_17k", "17K小说网", "bmp24", 192, 60, dict(
        bg=("#FFFFFF", "#E6E6E6"), ink="#333333", accent="#E21F26", accent_chars=3,
        shadow=(1, 1, "#BDBDBD"), tagline="原创文学 · 精彩无限", tag_face="sans", tag_ink="#E21F26",
        frame="line", frame_colour="#9E9E9E")),
    ("logo_zongheng", "纵横中文网", "gif", 178, 47, dict(
        bg=("#1565C0", "#0A3069"), ink="#FFFFFF", accent="#FF9800", accent2="#FFFFFF",
        emblem="disc", seal_char="纵")),
    ("logo_zhulang", "逐浪", "bmp24", 151, 75, dict(
        bg=("#4FC3F7", "#01579B"), ink="#FFFFFF", stroke=1.0, stroke_colour="#0D47A1",
        accent="#FFFFFF", accent2="#B3E5FC", emblem="wave", tagline="ZHULANG · 逐浪小说",
        tag_face="sans", tag_ink="#E1F5FE")),
    ("logo_readnovel", "小说阅读网", "gif", 180, 43, dict(
        bg=("#F1F8E9", "#C5E1A5"), ink="#2E7D32", accent="#43A047", accent2="#FFFFFF",
        emblem="book", frame="double", frame_colour="#2E7D32")),
    ("logo_xiaoshuozhe", "小说者", "gif", 210, 82, dict(
        bg=("#424242", "#151515"), ink="#FFC107", accent="#FFC107", accent2="#FFF8E1",
        emblem="quill", face="serif", tagline="写 · 读 · 品", tag_face="sans", tag_ink="#BDBDBD",
        frame="corners", frame_colour="#FFC107")),
    ("logo_qidian", "起点中文网", "bmp24", 171, 83, dict(
        bg=("#FFFFFF", "#FFF3E0"), ink="#C62828", accent="#FF9800", accent2="#FFCA28",
        emblem="sun", tagline="QIDIAN · 原创文学门户", tag_face="sans", tag_ink="#6D4C41",
        frame="band", frame_colour="#C62828")),
    ("logo_jjwxc", "晋江文学城", "jpeg", 117, 43, dict(
        bg=("#81C784", "#2E7D32"), ink="#FFFFFF", shadow=(0.8, 0.8, "#1B5E20"),
        accent="#FFFFFF", accent2="#1B5E20", emblem="leaf")),
    ("logo_hjsm", "幻剑书盟", "bmp8", 117, 52, dict(
        bg=("#7B1FA2", "#311B92"), ink="#F3E5F5", stroke=0.6, stroke_colour="#4A148C",
        accent="#E1BEE7", accent2="#FFD54F", emblem="sword", tagline="HUANJIAN SHUMENG",
        tag_ink="#CE93D8")),
    ("logo_qqbook", "腾讯读书", "bmp8", 123, 29, dict(
        bg=("#FFFFFF", "#E3F2FD"), ink="#1E88E5", accent="#1E88E5", accent2="#FFFFFF",
        emblem="disc", seal_char="书", frame="line", frame_colour="#90CAF9")),
    ("logo_sohu", "搜狐原创", "gif", 115, 45, dict(
        bg=("#FFF176", "#FBC02D"), ink="#D32F2F", accent="#D32F2F", accent2="#FFF176",
        emblem="diamond", tagline="SOHU YUANCHUANG", tag_ink="#8D6E63")),
    ("logo_sina", "新浪读书", "gif", 159, 30, dict(
        bg=("#FFFFFF", "#FFEBEE"), ink="#E53935", accent="#E53935", accent2="#FFB300",
        emblem="ring", frame="line", frame_colour="#EF9A9A")),
    ("logo_bxwx", "笔下文学", "gif", 220, 80, dict(
        bg=("#F7EBD3", "#E3C995"), ink="#5D4037", accent="#5D4037", accent2="#212121",
        emblem="brush", face="serif", tagline="BIXIA WENXUE", tag_ink="#8D6E63",
        frame="double", frame_colour="#6D4C41")),
    ("logo_qingdi", "青帝文学网", "gif", 216, 100, dict(
        bg=("#00897B", "#003D33"), ink="#CCFF90", stroke=1.0, stroke_colour="#00251A",
        accent="#FFD54F", accent2="#FF7043", emblem="crown", face="serif",
        tagline="青帝 · 原创首发", tag_face="sans", tag_ink="#B2DFDB", frame="round",
        frame_colour="#80CBC4")),
    ("logo_luoqiu", "落秋", "gif", 150, 30, dict(
        bg=("#FFB74D", "#E65100"), ink="#FFFFFF", shadow=(0.8, 0.8, "#BF360C"),
        accent="#B71C1C", accent2="#6D2C00", emblem="maple", horizontal=True)),
    ("logo_bjaishu", "北京爱书", "bmp24", 241, 78, dict(
        bg=("#283593", "#1A237E"), ink="#FFFFFF", accent="#E53935", accent2="#FFFFFF",
        emblem="book", tagline="BEIJING AISHU · 好书天天读", tag_face="sans", tag_ink="#9FA8DA",
        frame="corners", frame_colour="#E53935")),
    ("logo_paoshu8", "泡书吧", "gif", 273, 73, dict(
        bg=("#E0F7FA", "#80DEEA"), ink="#00838F", stroke=1.0, stroke_colour="#FFFFFF",
        accent="#4DD0E1", accent2="#006064", emblem="bubbles", tagline="PAOSHU 8 · 泡一杯书",
        tag_face="sans", tag_ink="#006064", frame="round", frame_colour="#00ACC1")),
    ("logo_yuanchuang", "原创阅读网", "jpeg", 200, 85, dict(
        bg=("#FFF3E0", "#FFCC80"), ink="#BF360C", accent="#E64A19", accent2="#5D4037",
        emblem="pen", tagline="原创 · 阅读 · 分享", tag_face="sans", tag_ink="#6D4C41",
        frame="band", frame_colour="#E64A19")),
    ("logo_35xs", "三五小说网", "gif", 215, 73, dict(
        bg=("#F1F8E9", "#DCEDC8"), stripes="#E6F2D5", ink="#1B5E20", accent="#F57C00",
        accent2="#FFE0B2", accent_chars=2, emblem="star", tagline="35 XIAOSHUO",
        tag_ink="#558B2F", frame="line", frame_colour="#7CB342")),
    ("logo_xinxs8", "新小说吧", "gif", 172, 65, dict(
        bg=("#E3F2FD", "#64B5F6"), ink="#0D47A1", stroke=0.8, stroke_colour="#FFFFFF",
        accent="#FFEB3B", accent2="#F57F17", emblem="star", tagline="XIN XIAOSHUO BA",
        tag_ink="#0D47A1", frame="round", frame_colour="#1565C0")),
    ("logo_baishuku", "百书库", "gif", 240, 70, dict(
        bg=("#5D4037", "#2B1B17"), ink="#FFE082", accent="#C62828", accent2="#2E7D32",
        accent3="#1565C0", emblem="books", face="serif", tagline="百家之书 尽在此库",
        tag_face="sans", tag_ink="#D7CCC8", frame="double", frame_colour="#FFCA28")),
    ("logo_langman", "浪漫言情小说网", "gif-animated", 234, 60, dict(
        bg=("#F3E5F5", "#F8BBD0"), ink="#AD1457", stroke=0.8, stroke_colour="#FFFFFF",
        accent="#E91E63", accent2="#FFEB3B", emblem="rose", tagline="LANGMAN YANQING",
        tag_ink="#8E24AA", frame="round", frame_colour="#CE93D8",
        ink_alt="#6A1B9A", accent_alt="#AB47BC",
        sparkles=((0.05, 0.2, 6), (0.2, 0.82, 6), (0.97, 0.2, 6), (0.9, 0.85, 6),
                  (0.6, 0.88, 5), (0.25, 0.15, 5)),
        sparkle_colours=("#FFFFFF", "#FFD600"))),
    ("logo_yqxsg", "言情小说馆", "gif", 234, 60, dict(
        bg=("#FFFDE7", "#FFF59D"), ink="#6A1B9A", accent="#7B1FA2", accent2="#FFB300",
        emblem="moon", face="serif", tagline="言情小说馆 · 温柔的夜读", tag_face="sans",
        tag_ink="#8E24AA", frame="corners", frame_colour="#7B1FA2")),
    ("logo_qiangwei", "蔷薇书院", "bmp8", 161, 64, dict(
        bg=("#FFFFFF", "#F8BBD0"), ink="#880E4F", accent="#C2185B", accent2="#FCE4EC",
        emblem="rose", face="serif", tagline="QIANGWEI SHUYUAN", tag_ink="#AD1457",
        frame="line", frame_colour="#F48FB1")),
    ("logo_aiyanqing", "爱言情", "bmp24", 189, 75, dict(
        bg=("#F06292", "#C2185B"), ink="#FFFFFF", shadow=(1, 1, "#880E4F"), accent="#FFFFFF",
        accent2="#F48FB1", emblem="heart", tagline="AI YANQING", tag_ink="#FCE4EC",
        frame="round", frame_colour="#FFFFFF")),
    ("logo_wanshuxuan", "万书轩", "bmp24", 260, 60, dict(
        bg=("#F5F5F5", "#CFD8DC"), ink="#263238", accent="#C62828", accent2="#FFFFFF",
        emblem="seal", seal_char="轩", face="serif", tagline="海量藏书 · 尽在万书轩",
        tag_face="sans", tag_ink="#546E7A", frame="double", frame_colour="#455A64")),
]

ANIMATION_DELAY_MS = 500


def encode(fmt, img):
    if fmt == "bmp24":
        return formats.bmp_24(img), "bmp"
    if fmt == "bmp8":
        return formats.bmp_8(img), "bmp"
    if fmt == "gif":
        return formats.gif(img), "gif"
    if fmt == "jpeg":
        return formats.jpeg(img), "jpg"
    raise ValueError(fmt)


def pictures():
    """Yields (file name, bytes, image for the montage) for every picture."""
    for stem, name, fmt, w, h, look in SITES:
        if fmt == "gif-animated":
            frames = [draw_logo(name, w, h, look, k) for k in range(2)]
            yield stem + ".gif", formats.gif_animated(frames, ANIMATION_DELAY_MS), frames
        else:
            img = draw_logo(name, w, h, look)
            data, ext = encode(fmt, img)
            yield stem + "." + ext, data, [img]
    for stem, title_layout, genre, motif, turn, fmt, w, h in BOOKS:
        img = draw_cover(title_layout, PEN_NAMES[title_layout.replace("|", "")], genre, motif, turn, w, h)
        data, ext = encode(fmt, img)
        yield stem + "." + ext, data, [img]
    img = draw_title_banner(335, 28)
    yield "banner_title.bmp", formats.bmp_32(img), [img]
    img = draw_credit_banner(527, 69)
    yield "banner_credit.jpg", formats.jpeg(img, quality=92), [img]
    img = draw_icon(48)
    yield "app_icon.bmp", formats.bmp_32_alpha(img), [img]
    # The Windows program file's icon: every size Explorer and the taskbar ask
    # for at 100 to 200 %, each drawn at its own size rather than resampled.
    icons = [draw_icon(size) for size in WINDOWS_ICON_SIZES]
    yield "app_icon.ico", formats.ico(icons), icons


WINDOWS_ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--out", default=os.path.join(here, "..", "assets", "pictures"))
    ap.add_argument("--montage")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    names = []
    for file_name, data, _ in pictures():
        with open(os.path.join(args.out, file_name), "wb") as f:
            f.write(data)
        names.append(file_name)
    print(f"wrote {len(names)} pictures to {os.path.normpath(args.out)}")
    if args.montage:
        from pictures.sheet import montage
        montage([os.path.join(args.out, n) for n in names], args.montage)
        print(f"montage: {args.montage}")


if __name__ == "__main__":
    main()
