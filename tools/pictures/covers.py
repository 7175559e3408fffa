"""Book covers: a scene in the colours of the book's genre, the title large
and the pen name at the foot, as web-novel covers looked on the sites."""
import math
import random
import zlib

from .draw import Canvas, star_points

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
        c.ellipse(w * 0.7, h * 0.3, w * 0.2, fill=accent)
        c.ellipse(w * 0.7, h * 0.3, w * 0.24, outline=accent, width=max(0.6, w / 150))
        _mountains(c, rnd, w, h, base, "#2E1757", 3, 0.35)
        _mountains(c, rnd, w, h, h * 0.9, ground, 4, 0.2)
    elif genre == "武侠仙侠":
        c.ellipse(w * 0.25, h * 0.22, w * 0.13, fill="#E57373")
        for shade, b, ht in (("#B0BEC5", base - h * 0.1, 0.35), ("#78909C", base, 0.28), (ground, h * 0.95, 0.18)):
            _mountains(c, rnd, w, h, b, shade, 3, ht)
        c.line([(w * 0.62, h * 0.7), (w * 0.92, h * 0.1)], "#ECEFF1", max(0.8, w / 80))
        c.line([(w * 0.58, h * 0.66), (w * 0.68, h * 0.75)], accent, max(1, w / 60))
    elif genre == "都市言情":
        c.ellipse(w * 0.78, h * 0.2, w * 0.12, fill="#FFFFFF")
        _skyline(c, rnd, w, h, base, ground, accent)
        for _ in range(6):
            x, y = rnd.uniform(0, w), rnd.uniform(h * 0.05, h * 0.5)
            c.polygon(star_points(x, y, w * 0.025, n=4), fill="#FFFFFF")
    elif genre == "军事历史":
        c.ellipse(w * 0.5, h * 0.62, w * 0.45, fill="#E65100")
        c.ellipse(w * 0.5, h * 0.62, w * 0.3, fill="#FFAB40")
        _mountains(c, rnd, w, h, base, ground, 5, 0.12)
        for k in range(3):
            x = w * (0.2 + 0.3 * k)
            c.rect(x - w * 0.015, base - h * 0.16, x + w * 0.015, base, fill=ground)
            c.ellipse(x, base - h * 0.18, w * 0.03, fill=ground)
        c.polygon(star_points(w * 0.18, h * 0.14, w * 0.09), fill=accent)
    elif genre == "游戏竞技":
        step = max(6, w / 10)
        for i in range(-1, int(h / step) + 2):
            y = i * step
            c.line([(0, y), (w, y + w * 0.3)], "#29B6F6", max(0.4, w / 250))
        for i in range(-1, int(w / step) + 2):
            x = i * step
            c.line([(x, 0), (x - h * 0.2, h)], "#29B6F6", max(0.4, w / 250))
        c.polygon([(w * 0.5, h * 0.3), (w * 0.56, h * 0.36), (w * 0.56, h * 0.74), (w * 0.44, h * 0.74),
                   (w * 0.44, h * 0.36)], fill="#E1F5FE")
        c.rect(w * 0.32, h * 0.72, w * 0.68, h * 0.75, fill=accent)
        c.rect(w * 0.47, h * 0.75, w * 0.53, h * 0.88, fill="#5D4037")
        c.rect(0, h * 0.9, w, h, fill=ground)
    else:  # 科幻灵异
        c.ellipse(w * 0.5, h * 0.35, w * 0.28, fill="#C5E1A5")
        c.ellipse(w * 0.5, h * 0.35, w * 0.24, fill="#DCEDC8")
        for k in range(5):
            x = w * (0.1 + 0.2 * k)
            hh = h * rnd.uniform(0.08, 0.16)
            c.rect(x - w * 0.04, base - hh, x + w * 0.04, h, fill=ground, radius=w * 0.03)
        _mountains(c, rnd, w, h, h * 0.95, ground, 5, 0.1)
        for _ in range(12):
            c.ellipse(rnd.uniform(0, w), rnd.uniform(h * 0.55, h * 0.8), w * 0.006, fill=accent)


def _title_lines(title):
    """Short titles stay on one line; long ones break into balanced lines."""
    n = len(title)
    if n <= 4:
        return [title]
    lines = math.ceil(n / 4)
    per = math.ceil(n / lines)
    return [title[i:i + per] for i in range(0, n, per)]


def draw_cover(title, pen_name, genre, w, h):
    pal = GENRES[genre]
    rnd = random.Random(zlib.crc32(title.encode("utf-8")))
    c = Canvas(w, h)
    _scene(c, genre, rnd, pal)
    ink, outline, accent = pal[3], pal[4], pal[5]
    lines = _title_lines(title)
    stroke = max(0.6, w / 90)
    line_h = min(h * 0.5 / len(lines), w * 0.85 / max(len(s) for s in lines))
    size = min(c.fit(s, "serif", w * 0.86, line_h, stroke) for s in lines)
    top = h * 0.06
    for i, s in enumerate(lines):
        c.text(s, w / 2, top + line_h * (i + 0.5), "serif", size, ink, stroke=stroke,
               stroke_colour=outline, shadow=(w / 120, w / 120, "#000000"))
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
