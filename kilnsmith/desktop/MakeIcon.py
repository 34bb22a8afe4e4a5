#!/usr/bin/env python3
"""Draws Kilnsmith's application icon: a source page with coloured lines of
code on a slate tile, and a glowing ember in the corner (the kiln where
classes are made).  Writes one RGBA PNG per size.

usage: MakeIcon.py <output-folder> <size>...
Each size N is written as <output-folder>/<N>x<N>/apps/kilnsmith.png.
"""
import pathlib
import struct
import sys
import zlib

SAMPLES = 3  # sub-samples per pixel and axis, for smooth edges

SLATE = (43, 74, 111, 255)
PAGE = (250, 250, 246, 255)
FOLD = (200, 206, 214, 255)
EMBER = (232, 112, 28, 255)
GLOW = (255, 204, 64, 255)
LINES = [  # (top, left, right, colour) in units of the icon's side
    (0.30, 0.30, 0.58, (31, 95, 191, 255)),
    (0.40, 0.34, 0.66, (46, 139, 87, 255)),
    (0.50, 0.34, 0.60, (138, 43, 226, 255)),
    (0.60, 0.30, 0.52, (192, 57, 43, 255)),
]
LINE_HEIGHT = 0.055


def in_rounded_square(x, y):
    inset, radius = 0.06, 0.18
    lo, hi = inset + radius, 1 - inset - radius
    dx = max(lo - x, 0, x - hi)
    dy = max(lo - y, 0, y - hi)
    return inset <= x <= 1 - inset and inset <= y <= 1 - inset and dx * dx + dy * dy <= radius * radius


def in_page(x, y):
    # A sheet whose top-right corner is folded down.
    left, top, right, bottom, fold = 0.24, 0.16, 0.76, 0.86, 0.14
    return left <= x <= right and top <= y <= bottom and (x - (right - fold)) <= (y - top)


def in_fold(x, y):
    right, top, fold = 0.76, 0.16, 0.14
    return right - fold <= x <= right and top <= y <= top + fold and (x - (right - fold)) >= (y - top)


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def colour_at(x, y):
    """The colour at a point of the unit square, shapes painted in order."""
    colour = (0, 0, 0, 0)
    if in_rounded_square(x, y):
        colour = SLATE
    if in_page(x, y):
        colour = PAGE
        for top, left, right, line in LINES:
            if top <= y <= top + LINE_HEIGHT and left <= x <= right:
                colour = line
    if in_fold(x, y):
        colour = FOLD
    if in_circle(x, y, 0.72, 0.76, 0.15):
        colour = EMBER
    if in_circle(x, y, 0.72, 0.76, 0.075):
        colour = GLOW
    return colour


def render(size):
    rows = []
    step = 1.0 / (size * SAMPLES)
    for py in range(size):
        row = bytearray([0])  # filter type: none
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px * SAMPLES + sx + 0.5) * step, (py * SAMPLES + sy + 0.5) * step)
                    # Premultiplied, so edges against transparency stay clean.
                    total[0] += c[0] * c[3]
                    total[1] += c[1] * c[3]
                    total[2] += c[2] * c[3]
                    total[3] += c[3]
            alpha = total[3]
            if alpha == 0:
                row += bytes(4)
            else:
                row += bytes([round(total[0] / alpha), round(total[1] / alpha), round(total[2] / alpha),
                              round(alpha / (SAMPLES * SAMPLES))])
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b""))


def main():
    folder = pathlib.Path(sys.argv[1])
    for size in (int(text) for text in sys.argv[2:]):
        target = folder / f"{size}x{size}" / "apps" / "kilnsmith.png"
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(png(size, render(size)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
