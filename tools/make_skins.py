#!/usr/bin/python3
"""Makes the 58 built-in skins, assets/skins/skin_01.she ... skin_58.she.

Each skin is a ".SHE" file (the format is described in
skins/engine/she_format.h) of the exact size the catalogue carries for its
number. The bytes beyond the colours are a window texture as large as the size
allows, and a final padding chunk takes up the rest.

The output depends on nothing but this file: run it again and every byte is
the same.

    /usr/bin/python3 tools/make_skins.py [output folder]
"""
import colorsys
import os
import struct
import sys

# Sizes in bytes as the catalogue carries them, by skin number.
SIZES = {
    1: 18930, 2: 13192, 3: 24409, 4: 30738, 5: 8321, 6: 26370,
    7: 15733, 8: 12105, 9: 23603, 10: 20863, 11: 11676, 12: 17997,
    13: 11725, 14: 37461, 15: 30958, 16: 25715, 17: 34523, 18: 28961,
    19: 29447, 20: 15562, 21: 20738, 22: 18765, 23: 31134, 24: 44110,
    25: 20275, 26: 20703, 27: 17460, 28: 16675, 29: 11121, 30: 10017,
    31: 8490, 32: 11740, 33: 19752, 34: 26506, 35: 18056, 36: 8565,
    37: 7177, 38: 10937, 39: 10008, 40: 10591, 41: 32808, 42: 5057,
    43: 7497, 44: 16746, 45: 9026, 46: 27155, 47: 24495, 48: 5088,
    49: 11135, 50: 7715, 51: 8099, 52: 5319, 53: 10218, 54: 28555,
    55: 6896, 56: 16551, 57: 49705, 58: 20975,
}

# Colour roles and gradient targets, numbered as in she_format.h.
ROLES = """WindowBack WindowText ButtonFace ButtonText ButtonHoverFace ButtonHoverText
    ButtonPressedFace ButtonPressedText ButtonDisabledFace ButtonDisabledText ButtonBorder
    EditBack EditText EditBorder EditFocusBorder Selection SelectionText
    ComboBack ComboText ComboBorder ComboButton ListBack ListText ListSelection ListSelectionText
    GroupFrame GroupCaption TabStrip TabFace TabText TabSelectedFace TabSelectedText
    TabHoverFace PageBack PageBorder ProgressGroove ProgressChunk ProgressText ProgressBorder
    LabelText DisabledText""".split()
GRADIENTS = "ButtonNormal ButtonHover ButtonPressed Tab TabSelected ProgressChunk ComboFace".split()
MAX_SIDE = 128


def rgb(hex_text):
    v = int(hex_text.lstrip("#"), 16)
    return (v >> 16 & 255, v >> 8 & 255, v & 255)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def hls(h, l, s):
    return tuple(round(c * 255) for c in colorsys.hls_to_rgb(h % 1.0, l, s))


WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def light_theme(back, accent, face_top=None, face_bottom=None, border=None, text=BLACK):
    """A light skin: pale window, light button faces, accent for selection and progress."""
    face_top = face_top or mix(back, WHITE, 0.8)
    face_bottom = face_bottom or mix(back, accent, 0.18)
    border = border or mix(accent, BLACK, 0.35)
    hover_top, hover_bottom = mix(face_top, accent, 0.12), mix(face_bottom, accent, 0.3)
    return {
        "colors": {
            "WindowBack": back, "WindowText": text,
            "ButtonFace": face_bottom, "ButtonText": text,
            "ButtonHoverFace": hover_bottom, "ButtonPressedFace": mix(face_bottom, accent, 0.5),
            "ButtonDisabledFace": mix(back, WHITE, 0.3), "ButtonDisabledText": mix(back, BLACK, 0.4),
            "ButtonBorder": border, "EditBack": WHITE, "EditText": text,
            "EditBorder": mix(border, back, 0.35), "EditFocusBorder": accent,
            "Selection": accent, "SelectionText": WHITE,
            "ComboButton": mix(face_bottom, WHITE, 0.3),
            "GroupFrame": mix(border, back, 0.45), "GroupCaption": mix(accent, BLACK, 0.45),
            "TabStrip": back, "TabFace": mix(back, border, 0.12), "TabText": text,
            "TabSelectedFace": mix(back, WHITE, 0.7), "TabHoverFace": mix(back, accent, 0.2),
            "PageBack": mix(back, WHITE, 0.5), "PageBorder": mix(border, back, 0.4),
            "ProgressGroove": mix(back, WHITE, 0.6), "ProgressChunk": accent,
            "ProgressText": text, "ProgressBorder": mix(border, back, 0.3),
            "LabelText": text, "DisabledText": mix(back, BLACK, 0.45),
        },
        "gradients": {
            "ButtonNormal": (face_top, face_bottom), "ButtonHover": (hover_top, hover_bottom),
            "ButtonPressed": (mix(face_bottom, accent, 0.45), mix(face_top, accent, 0.25)),
            "Tab": (mix(back, WHITE, 0.5), mix(back, border, 0.15)),
            "TabSelected": (WHITE, mix(back, WHITE, 0.7)),
            "ProgressChunk": (mix(accent, WHITE, 0.35), mix(accent, BLACK, 0.15)),
            "ComboFace": (WHITE, mix(back, WHITE, 0.6)),
        },
    }


def dark_theme(back, accent, text=(232, 232, 232), face_top=None, face_bottom=None, border=None):
    """A dark skin: deep window, raised darker-grey faces, light text."""
    face_top = face_top or mix(back, WHITE, 0.22)
    face_bottom = face_bottom or mix(back, WHITE, 0.08)
    border = border or mix(back, WHITE, 0.3)
    edit = mix(back, BLACK, 0.35)
    return {
        "colors": {
            "WindowBack": back, "WindowText": text,
            "ButtonFace": face_bottom, "ButtonText": text,
            "ButtonHoverFace": mix(face_top, accent, 0.25), "ButtonPressedFace": mix(back, BLACK, 0.3),
            "ButtonDisabledFace": mix(back, WHITE, 0.04), "ButtonDisabledText": mix(back, WHITE, 0.35),
            "ButtonBorder": border, "EditBack": edit, "EditText": text,
            "EditBorder": mix(border, back, 0.2), "EditFocusBorder": accent,
            "Selection": accent, "SelectionText": WHITE if sum(accent) < 450 else BLACK,
            "ComboButton": face_top, "ListBack": edit,
            "GroupFrame": mix(border, back, 0.3), "GroupCaption": mix(text, accent, 0.5),
            "TabStrip": back, "TabFace": mix(back, WHITE, 0.1), "TabText": mix(text, back, 0.2),
            "TabSelectedFace": mix(back, WHITE, 0.18), "TabSelectedText": text,
            "TabHoverFace": mix(back, accent, 0.25), "PageBack": mix(back, WHITE, 0.05),
            "PageBorder": border, "ProgressGroove": edit, "ProgressChunk": accent,
            "ProgressText": text, "ProgressBorder": border,
            "LabelText": text, "DisabledText": mix(back, WHITE, 0.4),
        },
        "gradients": {
            "ButtonNormal": (face_top, face_bottom),
            "ButtonHover": (mix(face_top, accent, 0.35), mix(face_bottom, accent, 0.25)),
            "ButtonPressed": (mix(back, BLACK, 0.4), mix(back, BLACK, 0.15)),
            "Tab": (mix(back, WHITE, 0.14), mix(back, WHITE, 0.05)),
            "TabSelected": (mix(back, WHITE, 0.26), mix(back, WHITE, 0.12)),
            "ProgressChunk": (mix(accent, WHITE, 0.25), mix(accent, BLACK, 0.2)),
            "ComboFace": (mix(back, WHITE, 0.14), edit),
        },
    }


def named_skins():
    """The eight skins that the skin list names, and the first-start skin 6."""
    skins = {}
    # 1 蓝色经典: classic blue, white-to-blue buttons, deep blue frames.
    t = light_theme(rgb("#D6E4F5"), rgb("#2F6DB5"), face_top=rgb("#FFFFFF"), face_bottom=rgb("#B4CDEC"),
                    border=rgb("#3A6AA8"))
    t["colors"].update({"GroupCaption": rgb("#1B4F93"), "TabSelectedFace": rgb("#FFFFFF")})
    skins[1] = dict(t, name="Blue Classic", shape=(3, 1), pattern="hlines", amplitude=5)
    # 3 大气纯黑: bold black with gold accents.
    t = dark_theme(rgb("#151515"), rgb("#D4A843"), face_top=rgb("#4A4A4A"), face_bottom=rgb("#242424"),
                   border=rgb("#6B6B6B"))
    t["colors"].update({"GroupCaption": rgb("#E8C46A"), "TabSelectedText": rgb("#F0D080")})
    skins[3] = dict(t, name="Bold Black", shape=(4, 1), pattern="brushed", amplitude=6)
    # 2 灰色淡橙: neutral grey, light orange highlights.
    t = light_theme(rgb("#D5D5D5"), rgb("#F29A3F"), face_top=rgb("#F7F7F7"), face_bottom=rgb("#CFCFCF"),
                    border=rgb("#8A8A8A"))
    t["colors"].update({"GroupCaption": rgb("#C86A14"), "ButtonHoverFace": rgb("#FFD7A8"),
                        "TabSelectedFace": rgb("#FFF1E0")})
    t["gradients"]["ButtonHover"] = (rgb("#FFF4E6"), rgb("#FFC98A"))
    t["gradients"]["TabSelected"] = (rgb("#FFFFFF"), rgb("#FFE3C2"))
    skins[2] = dict(t, name="Grey Light Orange", shape=(2, 1), pattern="noise", amplitude=5)
    # 4 仿WIN7、8: near-white glassy panels, soft grey buttons, pale blue hover, green progress.
    t = light_theme(rgb("#EEF3FA"), rgb("#3399FF"), face_top=rgb("#F6F6F6"), face_bottom=rgb("#DDDDDD"),
                    border=rgb("#707070"))
    t["colors"].update({"ProgressChunk": rgb("#06B025"), "ButtonHoverFace": rgb("#BEE6FD"),
                        "GroupFrame": rgb("#C5D3E3"), "GroupCaption": rgb("#1E395B"),
                        "TabSelectedFace": rgb("#FFFFFF"), "PageBack": rgb("#FFFFFF")})
    t["gradients"].update({"ButtonHover": (rgb("#EAF6FD"), rgb("#A7D9F5")),
                           "ButtonPressed": (rgb("#C4E5F6"), rgb("#98D1EF")),
                           "ProgressChunk": (rgb("#37D34F"), rgb("#06B025")),
                           "Tab": (rgb("#F8F8F8"), rgb("#E6EAF0")),
                           "TabSelected": (rgb("#FFFFFF"), rgb("#FFFFFF"))})
    skins[4] = dict(t, name="Seven Eight Glass", shape=(3, 1), pattern="glass", amplitude=6)
    # 6: the first-start skin, calm slate grey-blue.
    t = light_theme(rgb("#E9EDF1"), rgb("#4A7FB0"), face_top=rgb("#FCFDFE"), face_bottom=rgb("#DDE3EA"),
                    border=rgb("#8F9CAA"))
    skins[6] = dict(t, name="Calm Slate", shape=(3, 1), pattern="noise", amplitude=3)
    # 8 深蓝气氛: deep navy window, bright blue accents.
    t = dark_theme(rgb("#0F2A4A"), rgb("#4FA3FF"), text=rgb("#E0ECFF"), face_top=rgb("#2E629B"),
                   face_bottom=rgb("#163B66"), border=rgb("#5C8BC4"))
    skins[8] = dict(t, name="Deep Blue", shape=(3, 1), pattern="diag", amplitude=6)
    # 9 仿XP皮肤: beige dialog, white-to-cream buttons with navy frames, blue captions, green blocks.
    t = light_theme(rgb("#ECE9D8"), rgb("#316AC5"), face_top=rgb("#FFFFFF"), face_bottom=rgb("#E3E0D0"),
                    border=rgb("#003C74"))
    t["colors"].update({"GroupFrame": rgb("#D0D0BF"), "GroupCaption": rgb("#0046D5"),
                        "ProgressChunk": rgb("#2FB12F"), "ButtonHoverFace": rgb("#FFE9B8"),
                        "EditBorder": rgb("#7F9DB9"), "ComboBorder": rgb("#7F9DB9"),
                        "ComboButton": rgb("#B9D1FA"), "PageBack": rgb("#FCFCFE"),
                        "TabSelectedFace": rgb("#FCFCFE"), "PageBorder": rgb("#919B9C")})
    t["gradients"].update({"ButtonHover": (rgb("#FFFFFF"), rgb("#F8D890")),
                           "ButtonPressed": (rgb("#E5E4DD"), rgb("#F1F0EC")),
                           "ProgressChunk": (rgb("#8CE88C"), rgb("#2FB12F")),
                           "ComboFace": (rgb("#FFFFFF"), rgb("#FFFFFF")),
                           "Tab": (rgb("#FFFFFF"), rgb("#ECEBE6")),
                           "TabSelected": (rgb("#FFC83C"), rgb("#FCFCFE"))})
    skins[9] = dict(t, name="Luna Like", shape=(3, 1), pattern="noise", amplitude=2)
    # 15 绿色生机: fresh spring green.
    t = light_theme(rgb("#DFF2D6"), rgb("#4CAF3A"), face_top=rgb("#FFFFFF"), face_bottom=rgb("#A8DC8C"),
                    border=rgb("#3F8A2A"))
    t["colors"].update({"GroupCaption": rgb("#2D7A1C")})
    skins[15] = dict(t, name="Fresh Green", shape=(5, 1), pattern="leaf", amplitude=6)
    # 36 一片乌黑: black all over, grey text, no ornament.
    t = dark_theme(BLACK, rgb("#5A5A5A"), text=rgb("#B8B8B8"), face_top=rgb("#141414"),
                   face_bottom=rgb("#050505"), border=rgb("#2C2C2C"))
    t["colors"].update({"EditBack": BLACK, "ListBack": BLACK, "PageBack": BLACK, "TabStrip": BLACK,
                        "ProgressGroove": BLACK, "GroupCaption": rgb("#A0A0A0")})
    t["gradients"]["ComboFace"] = (rgb("#0A0A0A"), BLACK)
    skins[36] = dict(t, name="All Black", shape=(0, 1), pattern="noise", amplitude=2)
    return skins


PATTERNS = ["noise", "hlines", "vlines", "diag", "checker", "dots", "weave", "brushed", "glass", "leaf"]


def catalogue():
    """All 58: the named ones above, the rest spread over the colour wheel."""
    skins = named_skins()
    others = [n for n in range(1, 59) if n not in skins]
    for i, n in enumerate(others):
        hue = (i * 0.381966) % 1.0  # golden-ratio steps keep neighbours apart
        kind = i % 5
        accent = hls(hue + 0.03, 0.45, 0.75)
        if kind == 3:
            t = dark_theme(hls(hue, 0.13, 0.35), hls(hue + 0.08, 0.6, 0.8))
        elif kind == 4:
            t = dark_theme(hls(hue, 0.22, 0.18), hls(hue - 0.1, 0.55, 0.7))
        elif kind == 1:
            t = light_theme(hls(hue, 0.80, 0.55), accent)
        elif kind == 2:
            t = light_theme(hls(hue, 0.90, 0.20), accent, face_top=WHITE, face_bottom=hls(hue, 0.78, 0.45))
        else:
            t = light_theme(hls(hue, 0.86, 0.38), accent)
        skins[n] = dict(t, name="Skin %02d" % n, shape=(i * 5 % 7, 1 + (i % 9 == 4)),
                        pattern=PATTERNS[i % len(PATTERNS)], amplitude=3 + i % 5)
    return skins


class Noise:
    """A small linear congruential generator: the same numbers everywhere."""

    def __init__(self, seed):
        self.state = seed * 2654435761 % 2**32 or 1

    def next(self, span):
        self.state = (self.state * 1664525 + 1013904223) % 2**32
        return (self.state >> 16) % span


def texture_pixels(base, pattern, amplitude, width, height, seed):
    """A seamless tile around the window colour (width and height are multiples of 8)."""
    noise = Noise(seed)
    out = bytearray()
    for y in range(height):
        for x in range(width):
            if pattern == "hlines":
                d = amplitude if y % 4 == 0 else 0
            elif pattern == "vlines":
                d = amplitude if x % 4 == 0 else 0
            elif pattern == "diag":
                d = amplitude if (x + y) % 8 < 2 else 0
            elif pattern == "checker":
                d = amplitude if (x // 8 + y // 8) % 2 else 0
            elif pattern == "dots":
                d = amplitude if x % 8 == 3 and y % 8 == 3 else 0
            elif pattern == "weave":
                d = amplitude if (x % 8 < 4) != (y % 8 < 4) and (x + y) % 2 else 0
            elif pattern == "brushed":
                d = (noise.next(2 * amplitude + 1) - amplitude) // 2 + (amplitude // 2 if y % 2 else 0)
            elif pattern == "glass":
                d = amplitude if (x - y) % 16 < 3 else 0
            elif pattern == "leaf":
                d = amplitude if (x * 3 + y * 5) % 16 < 2 else 0
            else:
                d = noise.next(2 * amplitude + 1) - amplitude
            # Light skins darken their texture, dark ones lighten it.
            sign = -1 if sum(base) > 384 else 1
            out += bytes(max(0, min(255, c + sign * abs(d) if pattern != "noise" else c + d)) for c in base)
    return bytes(out)


def chunk(tag, payload):
    return tag + struct.pack("<I", len(payload)) + payload


def skin_bytes(number, skin, size):
    colors = b"".join(struct.pack("<B3B", ROLES.index(role), *c) for role, c in skin["colors"].items())
    gradients = b"".join(struct.pack("<B3B3B", GRADIENTS.index(target), *top, *bottom)
                         for target, (top, bottom) in skin["gradients"].items())
    data = b".SHE" + struct.pack("<HH", 1, 0)
    data += chunk(b"NAME", skin["name"].encode("utf-8"))
    data += chunk(b"COLR", colors)
    data += chunk(b"GRAD", gradients)
    data += chunk(b"SHAP", struct.pack("<BB", *skin["shape"]))
    # The largest tile that leaves room for the padding chunk's header.
    room = size - len(data) - 8 - 14
    width = min(MAX_SIDE, int((room / 3) ** 0.5)) // 8 * 8
    height = min(MAX_SIDE, room // (3 * width)) // 8 * 8
    pixels = texture_pixels(skin["colors"]["WindowBack"], skin["pattern"], skin["amplitude"], width, height, number)
    data += chunk(b"TEXR", struct.pack("<BBHH", 0, 0, width, height) + pixels)
    data += chunk(b"PAD ", bytes(size - len(data) - 8))
    assert len(data) == size, (number, len(data), size)
    return data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "skins")
    os.makedirs(out, exist_ok=True)
    skins = catalogue()
    for number in range(1, 59):
        with open(os.path.join(out, "skin_%02d.she" % number), "wb") as f:
            f.write(skin_bytes(number, skins[number], SIZES[number]))
    assert sum(SIZES.values()) == 1074149


if __name__ == "__main__":
    main()
