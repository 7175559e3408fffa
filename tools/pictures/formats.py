"""Writes pictures in the exact container formats the program carries.

BMP is written by hand so that the bit depth and header are exactly what we
choose (PIL picks for itself); GIF and JPEG go through PIL with every option
pinned, so the same drawing gives the same bytes on every run.
"""
import io
import struct

from PIL import Image

BI_RGB = 0
BI_BITFIELDS = 3
LCS_SRGB = 0x73524742  # 'sRGB'


def _to_palette(img, colours):
    return img.convert("RGB").quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                                       dither=Image.Dither.NONE)


def _rows_bottom_up(width, height, row_bytes_of):
    """BMP rows run bottom to top, each padded to a multiple of four bytes."""
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = row_bytes_of(y)
        out += row
        out += b"\0" * (-len(row) % 4)
    return bytes(out)


def _file_header(size, pixel_offset):
    return b"BM" + struct.pack("<IHHI", size, 0, 0, pixel_offset)


def _info_header(width, height, bits, compression, image_size, colours=0):
    # 2835 pixels per metre is 72 dpi, what most painting programs write.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression,
                       image_size, 2835, 2835, colours, 0)


def bmp_24(img):
    """24-bit uncompressed BMP: the common case for the logos."""
    img = img.convert("RGB")
    w, h = img.size
    raw = img.tobytes("raw", "BGR")
    pixels = _rows_bottom_up(w, h, lambda y: raw[y * w * 3:(y + 1) * w * 3])
    offset = 14 + 40
    return _file_header(offset + len(pixels), offset) + _info_header(w, h, 24, BI_RGB, len(pixels)) + pixels


def bmp_8(img, colours=64):
    """8-bit palette BMP, quantised without dithering so flat logo colours stay flat."""
    pal_img = _to_palette(img, colours)
    w, h = pal_img.size
    palette = pal_img.getpalette()[: colours * 3]
    palette += [0] * (colours * 3 - len(palette))
    table = b"".join(bytes((palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0))
                     for i in range(colours))
    raw = pal_img.tobytes()
    pixels = _rows_bottom_up(w, h, lambda y: raw[y * w:(y + 1) * w])
    offset = 14 + 40 + len(table)
    return (_file_header(offset + len(pixels), offset)
            + _info_header(w, h, 8, BI_RGB, len(pixels), colours) + table + pixels)


def bmp_32(img):
    """32-bit BI_RGB BMP, fully opaque: the fourth byte is 255 everywhere, so the
    picture looks the same whether a reader honours that byte or ignores it."""
    img = img.convert("RGB")
    w, h = img.size
    rgba = img.convert("RGBA").tobytes("raw", "BGRA")
    pixels = _rows_bottom_up(w, h, lambda y: rgba[y * w * 4:(y + 1) * w * 4])
    offset = 14 + 40
    return _file_header(offset + len(pixels), offset) + _info_header(w, h, 32, BI_RGB, len(pixels)) + pixels


def bmp_32_alpha(img):
    """32-bit BMP with a real alpha channel: BI_BITFIELDS in a version 5 header,
    whose alpha mask says that the fourth byte is opacity (straight, not premultiplied)."""
    img = img.convert("RGBA")
    w, h = img.size
    raw = img.tobytes("raw", "BGRA")
    pixels = _rows_bottom_up(w, h, lambda y: raw[y * w * 4:(y + 1) * w * 4])
    header = struct.pack("<IiiHHIIiiII", 124, w, h, 1, 32, BI_BITFIELDS, len(pixels), 2835, 2835, 0, 0)
    header += struct.pack("<IIIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, LCS_SRGB)
    header += b"\0" * 36 + struct.pack("<III", 0, 0, 0)  # endpoints and gamma: unused with sRGB
    header += struct.pack("<IIII", 4, 0, 0, 0)  # LCS_GM_IMAGES, no profile
    assert len(header) == 124
    offset = 14 + len(header)
    return _file_header(offset + len(pixels), offset) + header + pixels


def ico(images):
    """A Windows icon holding each image (square, largest 256): 32-bit BMP
    entries with their alpha, and an all-clear AND mask, up to 128 pixels; the
    256-pixel one PNG-compressed, as Windows Vista and later read it."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for img in images:
        img = img.convert("RGBA")
        w, h = img.size
        if w >= 256:
            out = io.BytesIO()
            img.save(out, format="PNG", optimize=True)
            blob = out.getvalue()
        else:
            raw = img.tobytes("raw", "BGRA")
            pixels = _rows_bottom_up(w, h, lambda y: raw[y * w * 4:(y + 1) * w * 4])
            mask_row = ((w + 31) // 32) * 4
            blob = (struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, BI_RGB, len(pixels), 0, 0, 0, 0)
                    + pixels + b"\0" * (mask_row * h))
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def _force_89a(data):
    # PIL labels a file without extensions GIF87a; every GIF we carry says GIF89a.
    assert data[:6] in (b"GIF87a", b"GIF89a")
    return b"GIF89a" + data[6:]


def gif(img, colours=128):
    out = io.BytesIO()
    _to_palette(img, colours).save(out, format="GIF", optimize=False)
    return _force_89a(out.getvalue())


def gif_animated(frames, delay_ms, colours=128):
    """Every frame quantised alone; they loop for ever, each shown delay_ms."""
    pal = [_to_palette(f, colours) for f in frames]
    out = io.BytesIO()
    pal[0].save(out, format="GIF", save_all=True, append_images=pal[1:], duration=delay_ms,
                loop=0, optimize=False, disposal=1)
    return _force_89a(out.getvalue())


def jpeg(img, quality=90):
    """Baseline (SOF0) JPEG with 4:2:0 chroma, no progressive scan, no metadata."""
    out = io.BytesIO()
    img.convert("RGB").save(out, format="JPEG", quality=quality, optimize=False,
                            progressive=False, subsampling=2)
    return out.getvalue()
