#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the savings calculator's pictures: the window's background, the corner picture and
the icon. Needs Python 3 with Pillow (Debian: python3-pil). Run from anywhere; it writes
background.gif, corner.gif, savecalc.ico and icons/SIZE.png beside itself, and the build uses those files."""
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from icotool import write_icon  # noqa: E402

GOLD = (240, 190, 40)
GOLD_DARK = (190, 130, 20)
GOLD_LIGHT = (255, 228, 120)
PINK = (246, 160, 180)
PINK_DARK = (205, 105, 130)


def vertical_gradient(size, top, bottom):
    w, h = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(h):
        t = y / (h - 1)
        draw.line([(0, y), (w, y)], fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return image


def coin(draw, cx, cy, r, edge=GOLD_DARK, face=GOLD, shine=GOLD_LIGHT):
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=edge)
    draw.ellipse([cx - r * 0.84, cy - r * 0.84, cx + r * 0.84, cy + r * 0.84], fill=face)
    draw.arc([cx - r * 0.66, cy - r * 0.66, cx + r * 0.66, cy + r * 0.66], 200, 290, fill=shine, width=max(1, round(r * 0.12)))
    # the yuan sign: two arms, a stem and two bars
    s = r * 0.45
    w = max(1, round(r * 0.13))
    draw.line([(cx - s, cy - s), (cx, cy)], fill=edge, width=w)
    draw.line([(cx + s, cy - s), (cx, cy)], fill=edge, width=w)
    draw.line([(cx, cy), (cx, cy + s * 1.1)], fill=edge, width=w)
    draw.line([(cx - s * 0.6, cy + s * 0.15), (cx + s * 0.6, cy + s * 0.15)], fill=edge, width=w)
    draw.line([(cx - s * 0.6, cy + s * 0.55), (cx + s * 0.6, cy + s * 0.55)], fill=edge, width=w)


def coin_stack(draw, cx, bottom, r, count):
    step = r * 0.32
    for i in range(count):
        y = bottom - i * step
        draw.ellipse([cx - r, y - r * 0.38, cx + r, y + r * 0.38], fill=GOLD_DARK)
        draw.ellipse([cx - r, y - r * 0.38 - step * 0.6, cx + r, y + r * 0.38 - step * 0.6], fill=GOLD)
    top = bottom - (count - 1) * step - step * 0.6
    draw.ellipse([cx - r * 0.7, top - r * 0.26, cx + r * 0.7, top + r * 0.26], fill=GOLD_LIGHT)


def background():
    """A calm morning sky over green hills where stacks of coins grow from left to right.
    The window shows the sky's top-left corner behind its banner."""
    scale = 2
    w, h = 600 * scale, 500 * scale
    sky = vertical_gradient((w, h), (168, 206, 250), (226, 240, 255))
    glow = Image.new("L", (w, h), 0)
    ImageDraw.Draw(glow).ellipse([w * 0.72, -h * 0.25, w * 1.15, h * 0.3], fill=170)
    glow = glow.filter(ImageFilter.GaussianBlur(60 * scale))
    sky.paste((255, 246, 214), mask=glow)
    draw = ImageDraw.Draw(sky)
    draw.ellipse([w * 0.84, h * 0.03, w * 0.96, h * 0.17], fill=(255, 226, 130))

    clouds = Image.new("L", (w, h), 0)
    cloud_draw = ImageDraw.Draw(clouds)
    rng = random.Random(7)
    for cx, cy, size in [(0.12, 0.05, 1.0), (0.42, 0.09, 0.8), (0.3, 0.22, 0.6), (0.68, 0.2, 0.9), (0.05, 0.3, 0.7)]:
        for _ in range(7):
            dx = rng.uniform(-60, 60) * size * scale
            dy = rng.uniform(-12, 12) * size * scale
            rx = rng.uniform(30, 55) * size * scale
            ry = rx * 0.55
            cloud_draw.ellipse([cx * w + dx - rx, cy * h + dy - ry, cx * w + dx + rx, cy * h + dy + ry], fill=210)
    clouds = clouds.filter(ImageFilter.GaussianBlur(6 * scale))
    sky.paste((255, 255, 255), mask=clouds)

    draw = ImageDraw.Draw(sky)
    draw.ellipse([-w * 0.2, h * 0.70, w * 0.7, h * 1.3], fill=(150, 205, 130))
    draw.ellipse([w * 0.35, h * 0.74, w * 1.3, h * 1.35], fill=(120, 185, 110))
    for i, count in enumerate([2, 4, 6, 9, 12]):
        coin_stack(draw, w * (0.18 + i * 0.16), h * 0.93, 26 * scale, count)
    coin(draw, w * 0.82, h * 0.62, 22 * scale)
    coin(draw, w * 0.9, h * 0.5, 16 * scale)

    image = sky.resize((600, 500), Image.Resampling.LANCZOS)
    indexed = image.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.FLOYDSTEINBERG)
    palette = indexed.getpalette()[: 256 * 3]
    indexed.putpalette(palette + [0] * (256 * 3 - len(palette)))
    indexed.save(os.path.join(HERE, "background.gif"), optimize=False)


def piggy_bank(size):
    """A pink piggy bank with a gold coin dropping into its slot, on a transparent ground."""
    s = 8
    n = size * s
    image = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    u = n / 58
    outline = PINK_DARK
    d.ellipse([8 * u, 38 * u, 17 * u, 55 * u], fill=outline)      # back leg
    d.ellipse([36 * u, 38 * u, 45 * u, 55 * u], fill=outline)     # front leg
    d.ellipse([4 * u, 18 * u, 50 * u, 50 * u], fill=outline)      # body edge
    d.ellipse([6 * u, 20 * u, 48 * u, 48 * u], fill=PINK)         # body
    d.ellipse([12 * u, 23 * u, 30 * u, 31 * u], fill=(252, 200, 212))  # shine
    d.polygon([(34 * u, 22 * u), (38 * u, 12 * u), (43 * u, 24 * u)], fill=outline)  # ear
    d.ellipse([44 * u, 28 * u, 56 * u, 40 * u], fill=outline)     # snout edge
    d.ellipse([45.5 * u, 29.5 * u, 54.5 * u, 38.5 * u], fill=(250, 180, 196))
    d.ellipse([47.5 * u, 32 * u, 49.5 * u, 35.5 * u], fill=PINK_DARK)
    d.ellipse([50.5 * u, 32 * u, 52.5 * u, 35.5 * u], fill=PINK_DARK)
    d.ellipse([38 * u, 27 * u, 42 * u, 31 * u], fill=(60, 40, 50))  # eye
    d.arc([0 * u, 26 * u, 10 * u, 36 * u], 90, 300, fill=outline, width=round(2 * u))  # tail
    d.rounded_rectangle([20 * u, 18.5 * u, 32 * u, 21.5 * u], radius=1.5 * u, fill=(120, 60, 80))  # slot
    coin(d, 26 * u, 10 * u, 9 * u)
    return image.resize((size, size), Image.Resampling.LANCZOS)


def corner():
    image = piggy_bank(58)
    alpha = image.split()[3]
    flat = Image.new("RGB", image.size, (255, 255, 255))
    flat.paste(image, mask=alpha)
    indexed = flat.quantize(colors=31, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = indexed.getpalette()[: 31 * 3]
    transparent = 31
    pixels = indexed.load()
    for y in range(58):
        for x in range(58):
            if alpha.getpixel((x, y)) < 128:
                pixels[x, y] = transparent
    indexed.putpalette(palette + [0] * (31 * 3 - len(palette)) + [255, 0, 255])
    indexed.save(os.path.join(HERE, "corner.gif"), transparency=transparent, optimize=False)


def icon():
    images = []
    for size in (16, 32):
        art = piggy_bank(size)
        images += [(art, 8), (art, 32)]
    write_icon(os.path.join(HERE, "savecalc.ico"), images)
    # The desktop's icon theme takes PNG files, one a size.
    os.makedirs(os.path.join(HERE, "icons"), exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        piggy_bank(size).save(os.path.join(HERE, "icons", f"{size}.png"))


if __name__ == "__main__":
    background()
    corner()
    icon()
