#!/usr/bin/env python3
"""Compares the top-left WIDTH x HEIGHT pixels of two xwd window dumps, leaving out the
rectangles named after them (x,y,w,h; a text box with a blinking caret, say).
Exits 0 when they are the same, 1 with the first difference otherwise."""
import struct
import sys


def read_xwd(path):
    with open(path, "rb") as f:
        data = f.read()
    header = struct.unpack(">25I", data[:100])
    header_size, ncolors = header[0], header[19]
    bytes_per_line, bits_per_pixel, width, height = header[12], header[11], header[4], header[5]
    start = header_size + 12 * ncolors
    return data[start:], bytes_per_line, bits_per_pixel // 8, width, height


def main():
    before, after, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    excluded = [tuple(map(int, r.split(","))) for r in sys.argv[5:]]
    a, a_stride, a_bpp, a_w, a_h = read_xwd(before)
    b, b_stride, b_bpp, b_w, b_h = read_xwd(after)
    if min(a_w, b_w) < width or min(a_h, b_h) < height or a_bpp != b_bpp:
        print(f"dumps too small: {a_w}x{a_h} and {b_w}x{b_h}")
        return 1
    for y in range(height):
        for x in range(width):
            if any(rx <= x < rx + rw and ry <= y < ry + rh for rx, ry, rw, rh in excluded):
                continue
            pa = a[y * a_stride + x * a_bpp : y * a_stride + (x + 1) * a_bpp]
            pb = b[y * b_stride + x * b_bpp : y * b_stride + (x + 1) * b_bpp]
            if pa != pb:
                print(f"pixel ({x}, {y}) changed: {pa.hex()} -> {pb.hex()}")
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
