"""Book covers: a scene in the colours of the book's genre, the title large
and the pen name at the foot, as web-novel covers looked on the sites."""
import colorsys
import math
import random
import zlib

from .draw import Canvas, heart_points, rgb, star_points

# Sky top, sky bottom, ground, title ink, title outline, accent.
GENRES = {
    "玄幻奇幻": ("#1A0B3D", "#6A3FA0", "#120626", "#FFD54F", "#4A148C", "#FFF59D"),
    "武侠仙侠": ("#CFD8DC", "#F5F5F0", "#37474F", "#212121", "#FFFFFF", "#B71C1C"),
    "都市言情": ("#F8BBD0", "#FFF3E0", "#3E2A47", "#C2185B", "#FFFFFF", "#FFEB3B"),
    "军事历史": ("#3E2723", "#A1502A", "#1B1B12", "#FFFFFF", "#7F0000", "#FF3D00"),
    "游戏竞技": ("#0D47A1", "#00BCD4", "#01204A", "#FFFFFF", "#0D47A1", "#76FF03"),
    "科幻灵异": ("#000000", "#1B5E20", "#050A05", "#C6FF00", "#000000", "#E0F2F1"),
}


def _mountains(c, rnd, w, h, base, colour, peaks=4, height=0.3):
    pts = [(0, h)]
    for i in range(peaks * 2 + 1):
        x = w * i / (peaks * 2)
        y = base - (h * height * rnd.uniform(0.6, 1.0) if i % 2 else h * height * rnd.uniform(0.0, 0.3))
        pts.append((x, y))
    pts.append((w, h))
    c.polygon(pts, fill=colour)


def _skyline(c, rnd, w, h, base, colour, window):
    x = 0
    while x < w:
        bw = w * rnd.uniform(0.08, 0.16)
        bh = h * rnd.uniform(0.12, 0.34)
        c.rect(x, base - bh, x + bw, h, fill=colour)
        for wy in range(int(base - bh + 3), int(base - 3), 5):
            for wx in range(int(x + 2), int(x + bw - 2), 4):
                if rnd.random() < 0.35:
                    c.rect(wx, wy, wx + 1.6, wy + 2, fill=window)
        x += bw + w * 0.01


def _scene(c, genre, rnd, pal):
    w, h = c.width, c.height
    sky0, sky1, ground, _, _, accent = pal
    c.gradient(sky0, sky1)
    base = h * 0.78
    if genre == "玄幻奇幻":
        for _ in range(int(w * h / 250)):
            c.ellipse(rnd.uniform(0, w), rnd.uniform(0, h * 0.6), rnd.uniform(0.2, 0.6), fill="#FFFFFF")
        c.ellipse(w * 0.15, h * 0.45, w * 0.07, fill=accent)
        _mountains(c, rnd, w, h, base, "#2E1757", 3, 0.35)
        _mountains(c, rnd, w, h, h * 0.9, ground, 4, 0.2)
    elif genre == "武侠仙侠":
        c.ellipse(w * 0.82, h * 0.45, w * 0.1, fill="#E57373")
        for shade, b, ht in (("#B0BEC5", base - h * 0.1, 0.35), ("#78909C", base, 0.28), (ground, h * 0.95, 0.18)):
            _mountains(c, rnd, w, h, b, shade, 3, ht)
    elif genre == "都市言情":
        _skyline(c, rnd, w, h, base, ground, accent)
        for _ in range(6):
            x, y = rnd.uniform(0, w), rnd.uniform(h * 0.05, h * 0.5)
            c.polygon(star_points(x, y, w * 0.025, n=4), fill="#FFFFFF")
    elif genre == "军事历史":
        c.ellipse(w * 0.5, h * 0.74, w * 0.45, fill="#E65100")
        c.ellipse(w * 0.5, h * 0.74, w * 0.3, fill="#FFAB40")
        _mountains(c, rnd, w, h, base, ground, 5, 0.12)
        for k in range(3):
            x = w * (0.2 + 0.3 * k)
            c.rect(x - w * 0.015, base - h * 0.16, x + w * 0.015, base, fill=ground)
            c.ellipse(x, base - h * 0.18, w * 0.03, fill=ground)
    elif genre == "游戏竞技":
        step = max(6, w / 10)
        for i in range(-1, int(h / step) + 2):
            y = i * step
            c.line([(0, y), (w, y + w * 0.3)], "#29B6F6", max(0.4, w / 250))
        for i in range(-1, int(w / step) + 2):
            x = i * step
            c.line([(x, 0), (x - h * 0.2, h)], "#29B6F6", max(0.4, w / 250))
        c.rect(0, h * 0.9, w, h, fill=ground)
    else:  # 科幻灵异
        c.ellipse(w * 0.15, h * 0.45, w * 0.07, fill="#C5E1A5")
        for k in range(5):
            x = w * (0.1 + 0.2 * k)
            hh = h * rnd.uniform(0.08, 0.16)
            c.rect(x - w * 0.04, base - hh, x + w * 0.04, h, fill=ground, radius=w * 0.03)
        _mountains(c, rnd, w, h, h * 0.95, ground, 5, 0.1)
        for _ in range(12):
            c.ellipse(rnd.uniform(0, w), rnd.uniform(h * 0.55, h * 0.8), w * 0.006, fill=accent)


def _shift(hex_colour, turn):
    """The colour with its hue turned by turn (0..1), so books of one genre
    share a mood without looking alike."""
    r, g, b = (v / 255 for v in rgb(hex_colour))
    hh, ll, ss = colorsys.rgb_to_hls(r, g, b)
    r, g, b = colorsys.hls_to_rgb((hh + turn) % 1.0, ll, ss)
    return "#%02X%02X%02X" % (round(r * 255), round(g * 255), round(b * 255))


def _motif(c, kind, accent):
    """The book's own picture, in the middle of the cover below the title."""
    w, h = c.width, c.height
    cx, cy, r = w * 0.5, h * 0.6, w * 0.22
    lw = max(0.8, w / 70)
    if kind == "crown":
        c.ellipse(cx, cy, r * 1.3, fill="#FFF59D")
        c.polygon([(cx - r, cy + r * 0.5), (cx - r, cy - r * 0.5), (cx - r * 0.5, cy), (cx, cy - r * 0.8),
                   (cx + r * 0.5, cy), (cx + r, cy - r * 0.5), (cx + r, cy + r * 0.5)], fill="#FFB300",
                  outline="#6D4C41", width=lw * 0.5)
        c.ellipse(cx, cy + r * 0.15, r * 0.14, fill="#D50000")
    elif kind == "pagoda":
        for k in range(5):
            y = cy + r * 0.9 - k * r * 0.42
            half = r * (0.9 - k * 0.13)
            c.polygon([(cx - half * 1.3, y), (cx + half * 1.3, y), (cx + half * 0.8, y - r * 0.18),
                       (cx - half * 0.8, y - r * 0.18)], fill="#311B92")
            c.rect(cx - half * 0.7, y, cx + half * 0.7, y + r * 0.24, fill="#4527A0")
            c.rect(cx - half * 0.15, y + r * 0.04, cx + half * 0.15, y + r * 0.2, fill=accent)
    elif kind in ("sigil", "portal"):
        c.ellipse(cx, cy, r * 1.1, outline=accent, width=lw)
        c.ellipse(cx, cy, r * 0.85, outline=accent, width=lw * 0.6)
        c.polygon(star_points(cx, cy, r * 0.85, r * 0.85 * 0.38, n=6 if kind == "sigil" else 5),
                  outline=accent, width=lw * 0.6)
        c.ellipse(cx, cy, r * 0.2, fill="#FFFFFF")
    elif kind == "blossom":
        c.line([(w * 0.05, h * 0.74), (cx, cy), (w * 0.9, h * 0.45)], "#4E342E", lw * 1.4)
        for k, (bx, by) in enumerate(((0.25, 0.68), (0.5, 0.6), (0.72, 0.52), (0.62, 0.62), (0.38, 0.58))):
            for p in range(5):
                ang = math.radians(p * 72 + k * 20)
                c.ellipse(w * bx + math.cos(ang) * r * 0.18, h * by + math.sin(ang) * r * 0.18, r * 0.16, fill="#F48FB1")
            c.ellipse(w * bx, h * by, r * 0.08, fill="#FFEB3B")
    elif kind == "sword":
        c.polygon([(cx, cy - r * 1.5), (cx + r * 0.16, cy - r * 1.2), (cx + r * 0.16, cy + r * 0.6),
                   (cx - r * 0.16, cy + r * 0.6), (cx - r * 0.16, cy - r * 1.2)], fill="#ECEFF1",
                  outline="#546E7A", width=lw * 0.4)
        c.rect(cx - r * 0.6, cy + r * 0.6, cx + r * 0.6, cy + r * 0.75, fill=accent)
        c.rect(cx - r * 0.1, cy + r * 0.75, cx + r * 0.1, cy + r * 1.25, fill="#5D4037")
        c.ellipse(cx, cy + r * 1.3, r * 0.13, fill=accent)
    elif kind == "red_moon":
        c.ellipse(cx, cy - r * 0.2, r * 1.1, fill="#B71C1C")
        c.ellipse(cx + r * 0.3, cy - r * 0.4, r * 0.9, fill="#D32F2F")
        c.line([(cx - r * 1.4, cy + r * 0.6), (cx + r * 1.4, cy + r * 0.2)], "#212121", lw * 0.6)
    elif kind == "ring":
        c.ellipse(cx, cy, r * 0.9, outline="#FFD54F", width=lw * 2)
        c.polygon([(cx, cy - r * 1.25), (cx + r * 0.3, cy - r * 0.9), (cx, cy - r * 0.65), (cx - r * 0.3, cy - r * 0.9)],
                  fill="#40C4FF", outline="#FFFFFF", width=lw * 0.4)
    elif kind == "heart":
        c.polygon(heart_points(cx, cy, r * 2), fill="#EC407A", outline="#FFFFFF", width=lw * 0.6)
    elif kind == "moon":
        c.ellipse(cx, cy - r * 0.3, r * 0.9, fill="#FFF9C4")
        c.ellipse(cx + r * 0.45, cy - r * 0.55, r * 0.75, fill="#F3C6D3")
    elif kind == "bullet":
        c.polygon([(cx - r * 0.3, cy + r), (cx - r * 0.3, cy - r * 0.5), (cx, cy - r * 1.3),
                   (cx + r * 0.3, cy - r * 0.5), (cx + r * 0.3, cy + r)], fill="#FFC107",
                  outline="#5D4037", width=lw * 0.5)
        c.rect(cx - r * 0.34, cy + r * 0.55, cx + r * 0.34, cy + r * 1.1, fill="#BF8F00")
    elif kind == "star":
        c.polygon(star_points(cx, cy - r * 0.2, r * 1.1), fill="#D50000", outline="#FFD600", width=lw * 0.6)
    elif kind == "flag":
        c.line([(cx - r * 0.8, cy + r * 1.2), (cx - r * 0.8, cy - r * 1.3)], "#3E2723", lw * 1.2)
        pts = [(cx - r * 0.8 + i * r * 0.18, cy - r * 1.3 + math.sin(i / 2) * r * 0.12) for i in range(11)]
        pts += [(x, y + r * 1.0) for x, y in reversed(pts)]
        c.polygon(pts, fill="#C62828")
    elif kind == "crystal":
        c.polygon([(cx, cy - r * 1.3), (cx + r * 0.6, cy - r * 0.2), (cx, cy + r * 1.1), (cx - r * 0.6, cy - r * 0.2)],
                  fill="#B388FF", outline="#FFFFFF", width=lw * 0.6)
        c.line([(cx, cy - r * 1.3), (cx, cy + r * 1.1)], "#FFFFFF", lw * 0.4)
    elif kind == "lantern":
        c.line([(cx, cy - r * 1.4), (cx, cy - r * 0.8)], "#212121", lw * 0.6)
        c.ellipse(cx, cy, r * 0.7, r * 0.85, fill="#D50000")
        c.rect(cx - r * 0.35, cy - r * 0.95, cx + r * 0.35, cy - r * 0.78, fill="#FFD600")
        c.rect(cx - r * 0.35, cy + r * 0.78, cx + r * 0.35, cy + r * 0.95, fill="#FFD600")
        c.fitted_text("奠", cx, cy, "serif", r * 0.8, r * 0.8, "#FFF59D")
    elif kind == "planet":
        c.ellipse(cx, cy, r * 0.8, fill="#26A69A")
        c.ellipse(cx, cy, r * 1.5, r * 0.35, outline="#E0F2F1", width=lw)
    elif kind == "ghost":
        c.polygon([(cx - r * 0.7, cy + r), (cx - r * 0.7, cy - r * 0.3), (cx - r * 0.4, cy - r), (cx + r * 0.4, cy - r),
                   (cx + r * 0.7, cy - r * 0.3), (cx + r * 0.7, cy + r), (cx + r * 0.35, cy + r * 0.7),
                   (cx, cy + r), (cx - r * 0.35, cy + r * 0.7)], fill="#F1F8E9")
        for ex in (-0.25, 0.25):
            c.ellipse(cx + ex * r, cy - r * 0.35, r * 0.12, r * 0.18, fill="#000000")
        c.ellipse(cx, cy + r * 0.05, r * 0.12, fill="#000000")


def draw_cover(title_layout, pen_name, genre, motif, turn, w, h):
    """title_layout is the title with "|" where its lines break; a title of
    one or two characters stands upright down the right edge instead."""
    base = GENRES[genre]
    pal = (_shift(base[0], turn), _shift(base[1], turn)) + base[2:]
    title = title_layout.replace("|", "")
    rnd = random.Random(zlib.crc32(title.encode("utf-8")))
    c = Canvas(w, h)
    _scene(c, genre, rnd, pal)
    _motif(c, motif, pal[5])
    ink, outline, accent = pal[3], pal[4], pal[5]
    stroke = max(0.6, w / 90)
    shadow = (w / 120, w / 120, "#000000")
    if len(title) <= 2:
        size = c.fit(title[0], "serif", w * 0.3, h * 0.3, stroke)
        c.rect(w * 0.66, h * 0.03, w * 0.97, h * 0.03 + size / 4 * 1.05 * len(title) + h * 0.03,
               fill=outline, outline=ink, width=max(0.6, w / 120))
        c.vertical_text(title, w * 0.815, h * 0.045, "serif", size, ink, stroke=stroke * 0.5,
                        stroke_colour=ink)
    else:
        lines = title_layout.split("|")
        line_h = min(h * 0.42 / len(lines), w * 0.8 / max(len(s) for s in lines))
        size = min(c.fit(s, "serif", w * 0.82, line_h * 0.92, stroke) for s in lines)
        for i, s in enumerate(lines):
            c.text(s, w / 2, h * 0.05 + line_h * (i + 0.5), "serif", size, ink, stroke=stroke,
                   stroke_colour=outline, shadow=shadow)
    # The genre tag in the corner and the pen name on a band at the foot.
    band_top = h * 0.86
    c.rect(0, band_top, w, h, fill="#101010")
    c.rect(0, band_top, w, band_top + max(0.6, h / 200), fill=accent)
    c.fitted_text(pen_name + " 著", w / 2, (band_top + h) / 2 + h * 0.005, "sans", w * 0.8, h * 0.08,
                  "#FFFFFF")
    tag_w, tag_h = w * 0.3, h * 0.06
    c.rect(w * 0.04, h * 0.80 - tag_h, w * 0.04 + tag_w, h * 0.80, fill=accent, radius=tag_h * 0.2)
    c.fitted_text(genre, w * 0.04 + tag_w / 2, h * 0.80 - tag_h / 2, "sans", tag_w * 0.85, tag_h * 0.75, "#000000")
    return c.result()
