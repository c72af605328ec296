#!/usr/bin/env python3
"""Reads a window dump (xwd) after a calculation and checks, from the pixels alone, that
every text of the window is legible and every designed colour is as designed.

usage: legibility.py DUMP WINDOW SCALE
WINDOW is savecalc or loancalc; SCALE the display scale the window was drawn at.
Each text's contrast (WCAG 2.1) is that of its most contrasting pixel against the colour
most of its box shows; the results' boxes must also keep ink off their sides and bottom.
Prints one line per text and exits 1 on the first failure."""
import sys
from collections import Counter

from same_pixels import read_xwd

# Client-area boxes (x, y, w, h) in unscaled pixels, worked out from the designs and cut
# back where a neighbour overlaps them; text boxes and buttons inset past their borders.
TEXTS = {
    "savecalc": {
        "banner": (64, 8, 217, 33), "deposit caption": (24, 80, 104, 33), "rate caption": (24, 120, 104, 33),
        "count caption": (24, 160, 97, 33), "total caption": (24, 208, 64, 25), "total": (88, 208, 161, 33),
        "yuan unit": (248, 80, 36, 33), "percent unit": (250, 122, 29, 29),
        "deposit": (131, 75, 107, 27), "rate": (131, 115, 107, 27), "count": (131, 155, 107, 27),
        "calculate button": (139, 251, 43, 19), "clear button": (211, 251, 43, 19),
    },
    "loancalc": {
        # A frame's caption is set 10 pixels in, where it hides the border line.
        "input panel caption": (34, 16, 96, 15), "plan panel caption": (274, 16, 64, 15),
        "note panel caption": (36, 202, 32, 15), "question panel caption": (274, 246, 48, 15),
        "amount caption": (34, 42, 105, 24), "term caption": (42, 80, 101, 25), "count caption": (46, 116, 83, 19),
        "rate caption": (50, 154, 79, 23), "every": (274, 52, 33, 24), "months once": (356, 52, 73, 16),
        "each payment is": (274, 82, 89, 29), "wan yuan 1": (274, 110, 79, 19), "total is": (274, 134, 71, 19),
        "wan yuan 2": (274, 158, 57, 19), "note": (30, 218, 217, 71), "question": (282, 266, 155, 21),
        "interval": (316, 52, 25, 18), "payment": (364, 68, 61, 29), "total": (346, 132, 81, 21),
        "amount": (151, 41, 77, 19), "term": (151, 81, 77, 17), "count": (151, 117, 77, 16), "rate": (151, 155, 77, 17),
        "confirm button": (273, 219, 49, 17), "clear button": (327, 219, 49, 17), "exit button": (383, 219, 49, 17),
    },
}
RESULTS = {"savecalc": [], "loancalc": ["interval", "payment", "total"]}

# Designed colours at points no text covers, as RGB.
DESIGNED = {
    "savecalc": {"panel grey": ((20, 240), (0xE0, 0xE0, 0xE0))},
    "loancalc": {
        "window grey": ((455, 300), (0xE0, 0xE0, 0xE0)), "interval cyan": ((340, 69), (0xC0, 0xFF, 0xFF)),
        "payment cyan": ((364, 95), (0xC0, 0xFF, 0xFF)), "total cyan": ((426, 152), (0xC0, 0xFF, 0xFF)),
        "note white": ((246, 288), (0xFF, 0xFF, 0xFF)), "note panel pink": ((29, 250), (0xFF, 0xC0, 0xFF)),
        "question white": ((436, 286), (0xFF, 0xFF, 0xFF)), "question panel pink": ((268, 290), (0xFF, 0xC0, 0xFF)),
    },
}


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def main():
    dump, window, scale = sys.argv[1], sys.argv[2], float(sys.argv[3])
    data, stride, bpp, width, height = read_xwd(dump)

    def pixel(x, y):
        b, g, r = data[y * stride + x * bpp : y * stride + x * bpp + 3]  # xwd's 24-bit TrueColor, little-endian
        return (r, g, b)

    def box(rect):
        x, y, w, h = rect
        x0, y0 = round(x * scale), round(y * scale)
        return x0, y0, round((x + w) * scale) - x0, round((y + h) * scale) - y0

    failed = False
    for name, (point, expected) in DESIGNED[window].items():
        seen = pixel(round(point[0] * scale), round(point[1] * scale))
        ok = seen == expected
        failed |= not ok
        print(f"{'ok' if ok else 'FAIL'}: designed {name} {seen}")
    worst = None
    for name, rect in TEXTS[window].items():
        x0, y0, w, h = box(rect)
        counts = Counter(pixel(x, y) for y in range(y0, y0 + h) for x in range(x0, x0 + w))
        paper = counts.most_common(1)[0][0]
        ratio = max(contrast(colour, paper) for colour in counts)
        ok = ratio >= 4.5
        if name in RESULTS[window]:
            edges = [(x0, y) for y in range(y0, y0 + h)] + [(x0 + w - 1, y) for y in range(y0, y0 + h)]
            edges += [(x, y0 + h - 1) for x in range(x0, x0 + w)]
            ok &= all(pixel(x, y) == paper for x, y in edges)
        failed |= not ok
        worst = min(worst or (ratio, name), (ratio, name))
        print(f"{'ok' if ok else 'FAIL'}: {name} {ratio:.2f} : 1 on {paper}")
    print(f"worst: {worst[1]} {worst[0]:.2f} : 1")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
