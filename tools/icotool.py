# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Windows icon files whose images keep the colour depth they are given.

Pillow's own writer stores every image of an icon in one depth; the calculators' icons carry
the same size in several depths (2, 16, 256 colours and 32-bit), so the entries are laid out
here as the icon format describes them: a directory, then per image a bitmap header, a palette
for the indexed depths, the colour rows bottom-up and the 1-bit transparency mask.
"""
import struct

from PIL import Image

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def _rows(width, bits):
    return ((width * bits + 31) // 32) * 4


def _mask_and_rgba(image):
    rgba = image.convert("RGBA")
    opaque = [[rgba.getpixel((x, y))[3] >= 128 for x in range(rgba.width)] for y in range(rgba.height)]
    return rgba, opaque


def _palette_image(rgba, opaque, colours):
    """Indexes of the opaque pixels into a fixed palette of `colours` (nearest colour)."""
    if colours == 2:
        palette = [(0, 0, 0), (255, 255, 255)]
    elif colours == 16:
        palette = VGA16
    else:
        flat = Image.new("RGB", rgba.size, (255, 255, 255))
        flat.paste(rgba, mask=rgba.split()[3])
        quantised = flat.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        raw = quantised.getpalette()[: 256 * 3]
        raw += [0] * (256 * 3 - len(raw))
        palette = [tuple(raw[i : i + 3]) for i in range(0, 256 * 3, 3)]
        indexes = [[quantised.getpixel((x, y)) for x in range(rgba.width)] for y in range(rgba.height)]
        return palette, indexes

    def nearest(rgb):
        return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))

    indexes = [[nearest(rgba.getpixel((x, y))[:3]) if opaque[y][x] else 0 for x in range(rgba.width)]
               for y in range(rgba.height)]
    return palette, indexes


def _entry(image, bits):
    rgba, opaque = _mask_and_rgba(image)
    w, h = rgba.size
    colour_rows = bytearray()
    palette_bytes = b""
    if bits == 32:
        for y in reversed(range(h)):
            for x in range(w):
                r, g, b, a = rgba.getpixel((x, y))
                colour_rows += bytes((b, g, r, a))
    else:
        palette, indexes = _palette_image(rgba, opaque, 1 << bits)
        palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        stride = _rows(w, bits)
        for y in reversed(range(h)):
            row = bytearray(stride)
            for x in range(w):
                value = indexes[y][x] if opaque[y][x] else 0
                bit = x * bits
                row[bit // 8] |= value << (8 - bits - bit % 8)
            colour_rows += row
    mask_stride = _rows(w, 1)
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    colours_used = 0 if bits > 8 else (1 << bits)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(colour_rows) + len(mask), 0, 0,
                         colours_used, 0)
    return header + palette_bytes + bytes(colour_rows) + bytes(mask)


def write_icon(path, images):
    """`images` is a list of (PIL image, bits per pixel) with bits 1, 4, 8 or 32."""
    entries = [(_entry(image, bits), image.size, bits) for image, bits in images]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    body = b""
    for data, (w, h), bits in entries:
        colour_count = (1 << bits) if bits < 8 else 0
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, colour_count, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    with open(path, "wb") as out:
        out.write(directory + body)
