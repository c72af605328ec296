#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the loan calculator's icon: a calendar page whose days are ticked off, with a gold coin
in front, for a plan of equal repayments. Needs Python 3 with Pillow (Debian: python3-pil).
Writes loancalc.ico beside itself (32 x 32 in two colours, 32 x 32 and 16 x 16 in 16 colours)
and the icon theme's PNG files in icons/."""
import os
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from icotool import write_icon  # noqa: E402

# Colours of the 16-colour palette, so the picture keeps its look when reduced to it.
NAVY, RED, WHITE, GREY, SILVER, YELLOW, OLIVE, BLACK = (
    (0, 0, 128), (255, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192), (255, 255, 0),
    (128, 128, 0), (0, 0, 0))


def calendar(size):
    """The icon in full colour at `size`, drawn on an 8x grid and reduced without smoothing so
    that every pixel keeps one of the palette's colours."""
    s = 8
    n = size * s
    u = n / 32
    image = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    d.rectangle([2 * u, 4 * u, 26 * u - 1, 28 * u - 1], fill=BLACK)
    d.rectangle([3 * u, 5 * u, 25 * u - 1, 27 * u - 1], fill=WHITE)
    d.rectangle([3 * u, 5 * u, 25 * u - 1, 10 * u - 1], fill=RED)
    for x in (7, 19):
        d.rectangle([x * u, 2 * u, (x + 2) * u - 1, 7 * u - 1], fill=GREY)
    if size >= 32:
        for row in range(3):
            for col in range(4):
                x = 5 + col * 5
                y = 12 + row * 5
                colour = NAVY if (row * 4 + col) % 3 == 2 else SILVER
                d.rectangle([x * u, y * u, (x + 3) * u - 1, (y + 3) * u - 1], fill=colour)
    else:
        for row in range(2):
            for col in range(3):
                x = 5 + col * 7
                y = 13 + row * 7
                d.rectangle([x * u, y * u, (x + 4) * u - 1, (y + 4) * u - 1], fill=NAVY if col == 2 else SILVER)
    # the coin
    d.ellipse([17 * u, 17 * u, 31 * u - 1, 31 * u - 1], fill=BLACK)
    d.ellipse([18 * u, 18 * u, 30 * u - 1, 30 * u - 1], fill=YELLOW)
    if size >= 32:
        w = max(1, round(1.2 * u))
        d.line([(21 * u, 20.5 * u), (24 * u, 24 * u), (27 * u, 20.5 * u)], fill=OLIVE, width=w)
        d.line([(24 * u, 24 * u), (24 * u, 28.5 * u)], fill=OLIVE, width=w)
        d.line([(21.5 * u, 25 * u), (26.5 * u, 25 * u)], fill=OLIVE, width=w)
    return image.resize((size, size), Image.Resampling.NEAREST)


def two_colour(image):
    """Black ink on white paper: the coin and the frame black, the paper white."""
    out = Image.new("RGBA", image.size, (0, 0, 0, 0))
    for y in range(image.height):
        for x in range(image.width):
            r, g, b, a = image.getpixel((x, y))
            if a >= 128:
                light = (r * 30 + g * 59 + b * 11) / 100
                out.putpixel((x, y), WHITE + (255,) if light > 200 else BLACK + (255,))
    return out


if __name__ == "__main__":
    big = calendar(32)
    write_icon(os.path.join(HERE, "loancalc.ico"), [(two_colour(big), 1), (big, 4), (calendar(16), 4)])
    # The desktop's icon theme takes PNG files, one a size.
    os.makedirs(os.path.join(HERE, "icons"), exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        calendar(size).save(os.path.join(HERE, "icons", f"{size}.png"))
