"""Site logos: the site's name in a bold face beside a simple emblem, on the
site's own colours, framed like the small banners novel sites swapped in the
link exchanges of the time."""
import math

from .draw import SCALE, Canvas, font, heart_points, rgb, star_points


def _emblem(c, kind, cx, cy, r, look, first_char):
    a, a2 = look.get("accent", "#FFFFFF"), look.get("accent2", "#FFFFFF")
    if kind == "heart":
        c.polygon(heart_points(cx, cy + r * 0.05, r * 1.9), fill=a)
        c.ellipse(cx - r * 0.35, cy - r * 0.3, r * 0.16, fill=a2)
    elif kind == "seal":
        c.rect(cx - r, cy - r, cx + r, cy + r, fill=a, radius=r * 0.2)
        c.rect(cx - r * 0.82, cy - r * 0.82, cx + r * 0.82, cy + r * 0.82, outline=a2, width=max(0.6, r * 0.06))
        c.fitted_text(look.get("seal_char", first_char), cx, cy, "serif", r * 1.35, r * 1.35, a2)
    elif kind == "disc":
        c.ellipse(cx, cy, r, fill=a)
        c.ellipse(cx, cy, r * 0.86, outline=a2, width=max(0.6, r * 0.07))
        c.fitted_text(look.get("seal_char", first_char), cx, cy, "sans", r * 1.1, r * 1.1, a2)
    elif kind == "book":
        c.polygon([(cx, cy - r * 0.45), (cx - r, cy - r * 0.75), (cx - r, cy + r * 0.6), (cx, cy + r * 0.9)], fill=a)
        c.polygon([(cx, cy - r * 0.45), (cx + r, cy - r * 0.75), (cx + r, cy + r * 0.6), (cx, cy + r * 0.9)], fill=a)
        for k in (1, 2, 3):
            y = cy - r * 0.45 + k * r * 0.28
            c.line([(cx - r * 0.8, y - r * 0.22), (cx - r * 0.15, y)], a2, max(0.5, r * 0.07))
            c.line([(cx + r * 0.15, y), (cx + r * 0.8, y - r * 0.22)], a2, max(0.5, r * 0.07))
    elif kind == "books":
        colours = [a, a2, look.get("accent3", a)]
        for k, col in enumerate(colours):
            x = cx - r * 0.9 + k * r * 0.62
            c.rect(x, cy - r * (0.9 - 0.12 * k), x + r * 0.5, cy + r * 0.9, fill=col, outline="#000000", width=0.4)
            c.line([(x + r * 0.08, cy - r * 0.4), (x + r * 0.42, cy - r * 0.4)], "#FFFFFF", 0.5)
    elif kind == "quill":
        # A feather leaning right: a vane either side of a curved shaft.
        pts_l, pts_r = [], []
        for i in range(11):
            t = i / 10
            x, y = cx - r * 0.7 + t * r * 1.5, cy + r * 0.9 - t * r * 1.9
            wdt = math.sin(t * math.pi) ** 0.7 * r * 0.38 * (1 if t > 0.2 else 0.4)
            pts_l.append((x - wdt * 0.8, y - wdt * 0.55))
            pts_r.append((x + wdt * 0.8, y + wdt * 0.55))
        c.polygon(pts_l + pts_r[::-1], fill=a)
        c.line([(cx - r * 0.85, cy + r * 1.05), (cx + r * 0.8, cy - r * 1.0)], a2, max(0.5, r * 0.07))
    elif kind == "brush":
        # A writing brush, tip down, with ink falling from it.
        c.line([(cx + r * 0.75, cy - r * 0.95), (cx - r * 0.05, cy + r * 0.15)], a, max(1, r * 0.22))
        c.polygon([(cx - r * 0.12, cy + r * 0.02), (cx + r * 0.12, cy + r * 0.25), (cx - r * 0.55, cy + r * 0.95)],
                  fill=a2)
        c.ellipse(cx - r * 0.75, cy + r * 0.9, r * 0.13, fill=a2)
    elif kind == "pen":
        # A pen nib.
        c.polygon([(cx, cy + r), (cx - r * 0.55, cy - r * 0.1), (cx - r * 0.3, cy - r * 0.7),
                   (cx + r * 0.3, cy - r * 0.7), (cx + r * 0.55, cy - r * 0.1)], fill=a)
        c.rect(cx - r * 0.35, cy - r * 1.0, cx + r * 0.35, cy - r * 0.72, fill=a2)
        c.line([(cx, cy + r * 0.95), (cx, cy - r * 0.15)], "#FFFFFF", max(0.5, r * 0.07))
        c.ellipse(cx, cy - r * 0.15, r * 0.1, fill="#FFFFFF")
    elif kind == "maple":
        c.polygon(star_points(cx, cy - r * 0.1, r * 0.85, r * 0.45, n=5), fill=a)
        c.line([(cx, cy), (cx + r * 0.2, cy + r * 0.95)], a2, max(0.6, r * 0.12))
    elif kind == "sword":
        c.polygon([(cx + r, cy - r), (cx + r * 0.75, cy - r * 0.45), (cx - r * 0.35, cy + r * 0.6),
                   (cx - r * 0.55, cy + r * 0.4), (cx + r * 0.45, cy - r * 0.75)], fill=a)
        c.line([(cx - r * 0.75, cy + r * 0.2), (cx - r * 0.15, cy + r * 0.8)], a2, max(0.8, r * 0.14))
        c.line([(cx - r * 0.45, cy + r * 0.5), (cx - r * 0.9, cy + r * 0.95)], a2, max(0.8, r * 0.16))
    elif kind == "wave":
        for k in range(3):
            y = cy - r * 0.55 + k * r * 0.55
            pts = [(cx - r + i * r / 10, y + math.sin(i * math.pi / 5) * r * 0.22) for i in range(21)]
            c.line(pts, a if k != 1 else a2, max(0.8, r * 0.16))
    elif kind == "sun":
        for k in range(12):
            ang = math.radians(k * 30)
            c.line([(cx + math.cos(ang) * r * 0.6, cy + math.sin(ang) * r * 0.6),
                    (cx + math.cos(ang) * r, cy + math.sin(ang) * r)], a, max(0.6, r * 0.12))
        c.ellipse(cx, cy, r * 0.5, fill=a2)
    elif kind == "leaf":
        top, bot = (cx + r * 0.7, cy - r * 0.8), (cx - r * 0.7, cy + r * 0.8)
        pts = []
        for i in range(21):
            t = i / 20
            x = bot[0] + (top[0] - bot[0]) * t
            y = bot[1] + (top[1] - bot[1]) * t
            w = math.sin(t * math.pi) * r * 0.5
            pts.append((x + w * 0.75, y + w * 0.66))
        for i in range(20, -1, -1):
            t = i / 20
            x = bot[0] + (top[0] - bot[0]) * t
            y = bot[1] + (top[1] - bot[1]) * t
            w = math.sin(t * math.pi) * r * 0.5
            pts.append((x - w * 0.75, y - w * 0.66))
        c.polygon(pts, fill=a)
        c.line([(bot[0] - r * 0.2, bot[1] + r * 0.2), top], a2, max(0.5, r * 0.08))
    elif kind == "star":
        c.polygon(star_points(cx, cy, r), fill=a, outline=a2, width=max(0.5, r * 0.06))
    elif kind == "ring":
        c.ellipse(cx, cy, r * 0.95, outline=a, width=max(1, r * 0.22))
        c.ellipse(cx, cy, r * 0.38, fill=a2)
    elif kind == "diamond":
        c.polygon([(cx, cy - r), (cx + r * 0.8, cy), (cx, cy + r), (cx - r * 0.8, cy)], fill=a)
        c.polygon([(cx, cy - r * 0.5), (cx + r * 0.4, cy), (cx, cy + r * 0.5), (cx - r * 0.4, cy)], fill=a2)
    elif kind == "crown":
        c.polygon([(cx - r, cy + r * 0.6), (cx - r, cy - r * 0.5), (cx - r * 0.5, cy),
                   (cx, cy - r * 0.8), (cx + r * 0.5, cy), (cx + r, cy - r * 0.5), (cx + r, cy + r * 0.6)], fill=a)
        for x in (-r, 0, r):
            c.ellipse(cx + x, cy - (r * 0.8 if x == 0 else r * 0.5) - r * 0.12, r * 0.14, fill=a2)
        c.rect(cx - r, cy + r * 0.35, cx + r, cy + r * 0.6, fill=a2)
    elif kind == "moon":
        c.ellipse(cx, cy, r * 0.9, fill=a)
        c.ellipse(cx + r * 0.4, cy - r * 0.25, r * 0.75, fill=look["bg"][0])
        c.polygon(star_points(cx + r * 0.55, cy + r * 0.45, r * 0.25), fill=a2)
    elif kind == "rose":
        for k in range(5):
            ang = math.radians(k * 72 - 90)
            c.ellipse(cx + math.cos(ang) * r * 0.45, cy + math.sin(ang) * r * 0.45, r * 0.5, fill=a)
        c.ellipse(cx, cy, r * 0.38, fill=a2)
        c.arc(cx, cy, r * 0.22, 200, 520, a, max(0.5, r * 0.08))
    elif kind == "bubbles":
        for dx, dy, rr in ((-0.4, 0.35, 0.55), (0.45, -0.2, 0.45), (0.1, -0.75, 0.25), (0.75, 0.6, 0.22)):
            c.ellipse(cx + dx * r, cy + dy * r, rr * r, fill=a, outline=a2, width=max(0.5, r * 0.07))
            c.ellipse(cx + (dx - rr * 0.35) * r, cy + (dy - rr * 0.35) * r, rr * r * 0.22, fill="#FFFFFF")


def _frame(c, kind, colour, w, h):
    if kind == "round":
        c.rect(1, 1, w - 1, h - 1, outline=colour, width=1.2, radius=min(6, h / 5))
    elif kind == "double":
        c.rect(0.5, 0.5, w - 0.5, h - 0.5, outline=colour, width=1)
        c.rect(2.5, 2.5, w - 2.5, h - 2.5, outline=colour, width=0.6)
    elif kind == "corners":
        k = min(w, h) * 0.25
        for x, y, dx, dy in ((2, 2, 1, 1), (w - 2, 2, -1, 1), (2, h - 2, 1, -1), (w - 2, h - 2, -1, -1)):
            c.line([(x, y + dy * k), (x, y), (x + dx * k, y)], colour, 1.4)
    elif kind == "band":
        c.rect(0, 0, w, h * 0.12, fill=colour)
        c.rect(0, h * 0.88, w, h, fill=colour)
    elif kind == "line":
        c.rect(0, 0, w, h, outline=colour, width=1)


def _name(c, name, x0, x1, y_mid, max_h, look):
    """Writes the name in the room between x0 and x1; accent_chars leading
    characters take the accent colour, as 17K's digits do."""
    face = look.get("face", "sans")
    stroke = look.get("stroke", 0)
    sc = look.get("stroke_colour")
    shadow = look.get("shadow")
    size = c.fit(name, face, x1 - x0, max_h, stroke)
    n = look.get("accent_chars", 0)
    cx = (x0 + x1) / 2
    if not n:
        c.text(name, cx, y_mid, face, size, look["ink"], stroke=stroke, stroke_colour=sc, shadow=shadow)
        return
    # Two runs side by side, measured so together they stay centred.
    f = font(face, size)
    head, tail = name[:n], name[n:]
    total = f.getlength(name) / SCALE
    left = cx - total / 2
    head_w = f.getlength(head) / SCALE
    _, t, _, b = f.getbbox(name)
    y = c.s(y_mid) - (t + b) // 2
    for text, x, colour in ((head, left, look["accent"]), (tail, left + head_w, look["ink"])):
        if shadow:
            c.draw.text((c.s(x + shadow[0]), y + c.s(shadow[1])), text, font=f, fill=rgb(shadow[2]))
        c.draw.text((c.s(x), y), text, font=f, fill=rgb(colour), stroke_width=c.s(stroke),
                    stroke_fill=rgb(sc) if sc else None)


def draw_logo(name, w, h, look, frame_index=0):
    """One frame of a site's logo; frame_index > 0 only for animated logos."""
    if frame_index % 2 and "ink_alt" in look:
        look = dict(look, ink=look["ink_alt"], accent=look.get("accent_alt", look["accent"]))
    c = Canvas(w, h)
    bg = look["bg"]
    c.gradient(bg[0], bg[1], horizontal=look.get("horizontal", False))
    if look.get("stripes"):
        for x in range(-h, w, 8):
            c.polygon([(x, h), (x + h, 0), (x + h + 3, 0), (x + 3, h)], fill=look["stripes"])
    pad = max(2.0, h * 0.08)
    tagline = look.get("tagline")
    emblem = look.get("emblem")
    text_x0, text_x1 = pad + 1, w - pad - 1
    if emblem:
        r = min(h * 0.36, w * 0.14)
        ex = pad + 1 + r
        _emblem(c, emblem, ex, h / 2, r, look, name[0])
        text_x0 = ex + r + pad
    if tagline and h >= 40:
        name_h, tag_h = h * 0.46, h * 0.17
        y_name = h * 0.40
        _name(c, name, text_x0, text_x1, y_name, name_h, look)
        c.fitted_text(tagline, (text_x0 + text_x1) / 2, h * 0.78, look.get("tag_face", "latin"),
                      (text_x1 - text_x0) * 0.9, tag_h, look.get("tag_ink", look["ink"]))
    else:
        _name(c, name, text_x0, text_x1, h / 2, h * 0.62, look)
    if look.get("frame"):
        _frame(c, look["frame"], look.get("frame_colour", look["ink"]), w, h)
    for k, (fx, fy, fr) in enumerate(look.get("sparkles", ())):
        # Animated logos light their sparkles in turn: each frame shows its own.
        if k % 2 == frame_index % 2:
            colour = look.get("sparkle_colours", ("#FFFFFF", "#FFFFFF"))[frame_index % 2]
            c.polygon(star_points(fx * w, fy * h, fr, fr * 0.28, n=4), fill=colour, outline="#FFFFFF", width=0.5)
    return c.result()
