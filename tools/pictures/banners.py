"""The welcome window's two banners and the program icon."""
import math

from .draw import Canvas, star_points


def draw_title_banner(w, h):
    """★★砚舟小说搜索器说明★★ in a brush face: the stars are drawn, not typed,
    so they look alike whatever the face does with them."""
    c = Canvas(w, h)
    c.gradient("#FFF8E1", "#FFE082")
    c.rect(0, h - 1.5, w, h, fill="#C62828")
    c.rect(0, 0, w, 1, fill="#C62828")
    text = "砚舟小说搜索器说明"
    star_r = h * 0.3
    room = w - 4 * (star_r * 2.3) - 16
    size = c.fit(text, "kai", room, h * 0.86, 0.5)
    width = c.text(text, w / 2, h / 2 + 0.3, "kai", size, "#8E0000", stroke=0.5, stroke_colour="#8E0000",
                   shadow=(0.8, 0.8, "#FFB300"))
    for side in (-1, 1):
        for k in range(2):
            cx = w / 2 + side * (width / 2 + 4 + star_r * (1.1 + 2.2 * k))
            c.polygon(star_points(cx, h / 2, star_r), fill="#E53935" if k == 0 else "#FFB300",
                      outline="#8E0000", width=0.4)
    return c.result()


def _child(c, cx, base, s, hair, shirt, book=False, wave=False, pigtails=False):
    """A round-headed cartoon child about 2*s tall standing on base."""
    skin, ink = "#FFE0BD", "#3E2723"
    body_top = base - s * 0.95
    c.rect(cx - s * 0.32, body_top, cx + s * 0.32, base - s * 0.15, fill=shirt, radius=s * 0.15)
    c.rect(cx - s * 0.22, base - s * 0.2, cx - s * 0.06, base, fill=ink)
    c.rect(cx + s * 0.06, base - s * 0.2, cx + s * 0.22, base, fill=ink)
    hy = body_top - s * 0.42
    if pigtails:
        c.ellipse(cx - s * 0.5, hy + s * 0.05, s * 0.16, fill=hair)
        c.ellipse(cx + s * 0.5, hy + s * 0.05, s * 0.16, fill=hair)
    c.ellipse(cx, hy, s * 0.48, fill=hair)
    c.ellipse(cx, hy + s * 0.07, s * 0.42, fill=skin)
    c.polygon([(cx - s * 0.45, hy - s * 0.05), (cx - s * 0.2, hy - s * 0.4), (cx + s * 0.25, hy - s * 0.42),
               (cx + s * 0.46, hy - s * 0.02), (cx + s * 0.3, hy - s * 0.22), (cx - s * 0.05, hy - s * 0.2)],
              fill=hair)
    for ex in (-0.16, 0.16):
        c.ellipse(cx + s * ex, hy + s * 0.08, s * 0.055, s * 0.075, fill=ink)
        c.ellipse(cx + s * ex + s * 0.02, hy + s * 0.06, s * 0.02, fill="#FFFFFF")
        c.ellipse(cx + s * ex * 1.6, hy + s * 0.22, s * 0.07, s * 0.04, fill="#FF8A80")
    c.arc(cx, hy + s * 0.15, s * 0.12, 20, 160, ink, s * 0.04)
    if book:
        c.polygon([(cx, body_top + s * 0.25), (cx - s * 0.42, body_top + s * 0.12), (cx - s * 0.42, body_top + s * 0.55),
                   (cx, body_top + s * 0.68)], fill="#1E88E5")
        c.polygon([(cx, body_top + s * 0.25), (cx + s * 0.42, body_top + s * 0.12), (cx + s * 0.42, body_top + s * 0.55),
                   (cx, body_top + s * 0.68)], fill="#42A5F5")
        c.line([(cx, body_top + s * 0.25), (cx, body_top + s * 0.68)], "#FFFFFF", s * 0.03)
    if wave:
        c.line([(cx + s * 0.3, body_top + s * 0.15), (cx + s * 0.62, body_top - s * 0.3)], shirt, s * 0.14)
        c.ellipse(cx + s * 0.65, body_top - s * 0.36, s * 0.1, fill=skin)


def draw_credit_banner(w, h):
    c = Canvas(w, h)
    c.gradient("#E3F2FD", "#BBDEFB")
    c.rect(0, h * 0.86, w, h, fill="#A5D6A7")
    for k in range(9):
        x = w * (0.18 + 0.08 * k)
        c.polygon(star_points(x, h * (0.14 if k % 2 else 0.88), h * 0.05, n=4), fill="#FFFFFF")
    s = h * 0.42
    _child(c, w * 0.085, h * 0.96, s, "#4E342E", "#FB8C00", book=True)
    _child(c, w * 0.915, h * 0.96, s, "#212121", "#EC407A", wave=True, pigtails=True)
    c.fitted_text("砚舟软件 出品", w / 2, h * 0.40, "sans", w * 0.62, h * 0.52, "#0D47A1",
                  stroke=1.2, stroke_colour="#FFFFFF", shadow=(1.2, 1.2, "#90CAF9"))
    c.fitted_text("小说伴侣 · 阅读必备 · 永久免费", w / 2, h * 0.80, "sans", w * 0.5, h * 0.16, "#1565C0")
    return c.result()


def draw_icon(size):
    """An inkstone shaped as a boat, a brush for its mast and a sail, on a wave;
    transparent around the motif."""
    c = Canvas(size, size, background=(0, 0, 0, 0), mode="RGBA")
    s = size / 48
    # Sail on the brush mast.
    c.line([(24 * s, 6 * s), (24 * s, 30 * s)], "#6D4C41", 2 * s)
    c.polygon([(25.5 * s, 8 * s), (38 * s, 26 * s), (25.5 * s, 26 * s)], fill="#FFF8E1", outline="#8D6E63", width=0.8 * s)
    c.polygon([(22.5 * s, 11 * s), (12 * s, 26 * s), (22.5 * s, 26 * s)], fill="#E53935", outline="#8E0000", width=0.8 * s)
    c.polygon([(22.6 * s, 2.5 * s), (25.4 * s, 2.5 * s), (24 * s, 7 * s)], fill="#212121")
    # The inkstone hull with its ink well.
    c.polygon([(4 * s, 29 * s), (44 * s, 29 * s), (38 * s, 39 * s), (10 * s, 39 * s)], fill="#263238",
              outline="#000000", width=s)
    c.ellipse(30 * s, 33 * s, 5 * s, 2.2 * s, fill="#0D1B2A", outline="#546E7A", width=0.6 * s)
    c.line([(9 * s, 31.5 * s), (22 * s, 31.5 * s)], "#78909C", 0.8 * s)
    # Water.
    pts = [(2 * s + i * s, 42 * s + math.sin(i / 3) * 1.4 * s) for i in range(45)]
    c.line(pts, "#1E88E5", 2.4 * s)
    return c.result()
