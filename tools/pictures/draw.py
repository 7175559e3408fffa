"""Drawing helpers shared by the logos, covers and banners.

Everything is drawn SCALE times larger and shrunk at the end, which gives
smooth edges without relying on any anti-aliasing of the drawing calls.
"""
import math

from PIL import Image, ImageDraw, ImageFont

SCALE = 4

NOTO = "/usr/share/fonts/opentype/noto/"
FACES = {
    "sans": (NOTO + "NotoSansCJK-Bold.ttc", 2),     # Noto Sans CJK SC Bold
    "serif": (NOTO + "NotoSerifCJK-Bold.ttc", 2),   # Noto Serif CJK SC Bold
    "kai": ("/usr/share/fonts/truetype/arphic/ukai.ttc", 0),   # AR PL UKai CN
    "ming": ("/usr/share/fonts/truetype/arphic/uming.ttc", 0),  # AR PL UMing CN
    "latin": ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0),
}

_font_cache = {}


def font(face, px):
    """A face at px pixels of the large canvas; BASIC layout keeps the output
    independent of whether the optional shaping library is installed."""
    key = (face, px)
    if key not in _font_cache:
        path, index = FACES[face]
        _font_cache[key] = ImageFont.truetype(path, px, index=index,
                                              layout_engine=ImageFont.Layout.BASIC)
    return _font_cache[key]


def rgb(hex_colour):
    h = hex_colour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas:
    """A picture of width x height pixels drawn at SCALE; coordinates given to
    its methods are in final pixels (floats allowed)."""

    def __init__(self, width, height, background=(255, 255, 255), mode="RGB"):
        self.width, self.height = width, height
        self.img = Image.new(mode, (width * SCALE, height * SCALE), background)
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def s(v):
        return round(v * SCALE)

    def box(self, x0, y0, x1, y1):
        return [self.s(x0), self.s(y0), self.s(x1) - 1, self.s(y1) - 1]

    def pts(self, points):
        return [(self.s(x), self.s(y)) for x, y in points]

    def gradient(self, top, bottom, x0=0, y0=0, x1=None, y1=None, horizontal=False):
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        X0, Y0, X1, Y1 = self.s(x0), self.s(y0), self.s(x1), self.s(y1)
        span = (X1 - X0) if horizontal else (Y1 - Y0)
        for i in range(span):
            c = mix(rgb(top), rgb(bottom), i / max(1, span - 1))
            if horizontal:
                self.draw.line([(X0 + i, Y0), (X0 + i, Y1 - 1)], fill=c)
            else:
                self.draw.line([(X0, Y0 + i), (X1 - 1, Y0 + i)], fill=c)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1, radius=0):
        kw = dict(fill=rgb(fill) if fill else None, outline=rgb(outline) if outline else None,
                  width=self.s(width))
        if radius:
            self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=self.s(radius), **kw)
        else:
            self.draw.rectangle(self.box(x0, y0, x1, y1), **kw)

    def ellipse(self, cx, cy, rx, ry=None, fill=None, outline=None, width=1):
        ry = rx if ry is None else ry
        self.draw.ellipse(self.box(cx - rx, cy - ry, cx + rx, cy + ry),
                          fill=rgb(fill) if fill else None,
                          outline=rgb(outline) if outline else None, width=self.s(width))

    def polygon(self, points, fill=None, outline=None, width=1):
        self.draw.polygon(self.pts(points), fill=rgb(fill) if fill else None,
                          outline=rgb(outline) if outline else None, width=self.s(width))

    def line(self, points, colour, width=1):
        self.draw.line(self.pts(points), fill=rgb(colour), width=self.s(width), joint="curve")

    def arc(self, cx, cy, r, start, end, colour, width=1):
        self.draw.arc(self.box(cx - r, cy - r, cx + r, cy + r), start, end,
                      fill=rgb(colour), width=self.s(width))

    def fit(self, text, face, max_w, max_h, stroke=0):
        """The largest size of face at which text fits max_w x max_h (final pixels)."""
        lo, hi = 4, self.s(max_h) * 2
        while lo < hi:
            mid = (lo + hi + 1) // 2
            l, t, r, b = font(face, mid).getbbox(text, stroke_width=self.s(stroke))
            if r - l <= self.s(max_w) and b - t <= self.s(max_h):
                lo = mid
            else:
                hi = mid - 1
        return lo

    def text(self, text, cx, cy, face, size_px, colour, stroke=0, stroke_colour=None,
             shadow=None, anchor="mm"):
        """Draws text with its ink box centred on (cx, cy) (anchor "mm"), or its
        ink box's left edge at cx (anchor "lm"); size_px is in large-canvas units."""
        f = font(face, size_px)
        sw = self.s(stroke)
        l, t, r, b = f.getbbox(text, stroke_width=sw)
        X = self.s(cx) - ((l + r) // 2 if anchor == "mm" else l)
        Y = self.s(cy) - (t + b) // 2
        if shadow:
            dx, dy, sc = shadow
            self.draw.text((X + self.s(dx), Y + self.s(dy)), text, font=f, fill=rgb(sc),
                           stroke_width=sw, stroke_fill=rgb(sc))
        self.draw.text((X, Y), text, font=f, fill=rgb(colour), stroke_width=sw,
                       stroke_fill=rgb(stroke_colour) if stroke_colour else None)
        return (r - l) / SCALE

    def fitted_text(self, text, cx, cy, face, max_w, max_h, colour, **kw):
        size = self.fit(text, face, max_w, max_h, kw.get("stroke", 0))
        return self.text(text, cx, cy, face, size, colour, **kw)

    def vertical_text(self, text, cx, top, face, size_px, colour, gap=1.05, **kw):
        """One character under another, as titles stand on book spines and covers."""
        step = size_px / SCALE * gap
        for i, ch in enumerate(text):
            self.text(ch, cx, top + step * (i + 0.5), face, size_px, colour, **kw)
        return step * len(text)

    def result(self):
        if self.img.mode == "RGBA":
            # Shrink with premultiplied alpha, or transparent pixels bleed their
            # (meaningless) colour into the edges of the motif.
            small = self.img.convert("RGBa").resize((self.width, self.height), Image.Resampling.LANCZOS)
            return small.convert("RGBA")
        return self.img.resize((self.width, self.height), Image.Resampling.LANCZOS)


def star_points(cx, cy, r_out, r_in=None, n=5, turn=-90):
    r_in = r_out * 0.42 if r_in is None else r_in
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def heart_points(cx, cy, size, steps=60):
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x * size / 34, cy - y * size / 34))
    return pts
