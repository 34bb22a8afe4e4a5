#!/usr/bin/env python3
"""Draws the 30 fill textures of the library as 8-bit BMP files.

Every texture tiles seamlessly: the noise lattice wraps at the image size.
Run from anywhere; writes fill_<id>.bmp beside this script.  The output is
deterministic (fixed seeds), so re-running reproduces the committed files.
"""
import math
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class PeriodicNoise:
    """Smooth value noise that wraps after `period` lattice cells."""

    def __init__(self, seed, period):
        rng = random.Random(seed)
        self.period = period
        self.values = [[rng.random() for _ in range(period)] for _ in range(period)]

    def at(self, u, v):
        # u, v in lattice units; wraps at the period.
        p = self.period
        x0 = math.floor(u)
        y0 = math.floor(v)
        fx = u - x0
        fy = v - y0
        sx = fx * fx * (3 - 2 * fx)
        sy = fy * fy * (3 - 2 * fy)
        a = self.values[y0 % p][x0 % p]
        b = self.values[y0 % p][(x0 + 1) % p]
        c = self.values[(y0 + 1) % p][x0 % p]
        d = self.values[(y0 + 1) % p][(x0 + 1) % p]
        top = a + (b - a) * sx
        bottom = c + (d - c) * sx
        return top + (bottom - top) * sy


def fractal(seed, w, h, octaves=4, base=3):
    """Tileable fractal noise over a w by h image, values 0..1."""
    layers = [PeriodicNoise(seed * 31 + i, base * (2 ** i)) for i in range(octaves)]

    def sample(x, y):
        total = 0.0
        weight = 0.0
        amp = 1.0
        for i, layer in enumerate(layers):
            cells = base * (2 ** i)
            total += amp * layer.at(x * cells / w, y * cells / h)
            weight += amp
            amp *= 0.5
        return total / weight

    return sample


def ramp(colors):
    """A 256-entry palette through the given (r, g, b) stops."""
    palette = []
    n = len(colors) - 1
    for i in range(256):
        t = i / 255 * n
        k = min(int(t), n - 1)
        f = t - k
        c0, c1 = colors[k], colors[k + 1]
        palette.append(tuple(int(c0[j] + (c1[j] - c0[j]) * f + 0.5) for j in range(3)))
    return palette


def clamp01(v):
    return 0.0 if v < 0 else 1.0 if v > 1 else v


def write_bmp(path, w, h, palette, pixels):
    """8-bit bottom-up DIB with a 256-colour table."""
    row_bytes = (w + 3) & ~3
    image_size = row_bytes * h
    offset = 14 + 40 + 256 * 4
    with open(path, "wb") as f:
        f.write(b"BM")
        f.write(struct.pack("<IHHI", offset + image_size, 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, image_size, 2835, 2835, 256, 0))
        for r, g, b in palette:
            f.write(struct.pack("<BBBB", b, g, r, 0))
        for y in range(h - 1, -1, -1):
            row = bytes(pixels[y * w:(y + 1) * w]) + b"\0" * (row_bytes - w)
            f.write(row)


# Each texture: a function (x, y, w, h, seed) -> 0..1 and a colour ramp.

def paper(x, y, w, h, s):
    n = fractal(s, w, h, 4, 4)
    return clamp01(0.35 + 0.5 * n(x, y))


def fibres(x, y, w, h, s):
    n = fractal(s, w, h, 3, 3)
    fine = fractal(s + 7, w, h, 2, 12)
    return clamp01(0.2 + 0.5 * n(x, y) + 0.3 * fine(x, y))


def woven(x, y, w, h, s):
    # Over-under weave with 6-pixel threads; both sizes divide the tile.
    cell = 6 if w % 6 == 0 else 7 if w % 7 == 0 else 2
    cx, cy = x // cell, y // cell
    fx = (x % cell) / cell
    fy = (y % cell) / cell
    if (cx + cy) % 2 == 0:
        v = 0.55 + 0.4 * math.sin(math.pi * fy)
    else:
        v = 0.55 + 0.4 * math.sin(math.pi * fx)
    n = fractal(s, w, h, 2, 6)
    return clamp01(v * 0.85 + 0.15 * n(x, y))


def canvas(x, y, w, h, s):
    n = fractal(s, w, h, 3, 6)
    thread = 0.5 + 0.25 * math.cos(2 * math.pi * x * 14 / w) * math.cos(2 * math.pi * y * 14 / h)
    return clamp01(0.4 * thread + 0.6 * n(x, y))


def denim(x, y, w, h, s):
    n = fractal(s, w, h, 3, 6)
    twill = 0.5 + 0.5 * math.sin(2 * math.pi * (x + y) * 7 / w)
    return clamp01(0.45 * twill + 0.55 * n(x, y))


def droplets(x, y, w, h, s):
    rng = random.Random(s)
    drops = [(rng.random() * w, rng.random() * h, 2 + rng.random() * 5) for _ in range(9)]
    v = 0.35
    for dx, dy, r in drops:
        for ox in (-w, 0, w):
            for oy in (-h, 0, h):
                d = math.hypot(x - dx - ox, y - dy - oy)
                if d < r:
                    v = max(v, 0.55 + 0.45 * (1 - d / r) * (1 if (x - dx - ox) < 0 else 0.6))
    return clamp01(v)


def marble(x, y, w, h, s):
    n = fractal(s, w, h, 4, 3)
    v = math.sin(2 * math.pi * (x / w + y / h) * 2 + 6.0 * n(x, y))
    return clamp01(0.5 + 0.5 * v)


def granite(x, y, w, h, s):
    n = fractal(s, w, h, 4, 6)
    speck = fractal(s + 3, w, h, 1, 23 if w % 23 == 0 else 21 if w % 21 == 0 else 19)
    return clamp01(0.5 * n(x, y) + 0.5 * speck(x, y) ** 2 * 1.6)


def sand(x, y, w, h, s):
    rng = random.Random(s * 1000 + y * w + x)
    n = fractal(s, w, h, 2, 3)
    return clamp01(0.3 + 0.4 * n(x, y) + 0.3 * rng.random())


def wood(x, y, w, h, s):
    n = fractal(s, w, h, 3, 3)
    rings = math.sin(2 * math.pi * (y / h * 5 + 0.8 * n(x, y)))
    grain = fractal(s + 11, w, h, 2, 14)(x, y)
    return clamp01(0.5 + 0.35 * rings + 0.15 * (grain - 0.5) * 2)


def cork(x, y, w, h, s):
    n = fractal(s, w, h, 4, 7)
    rng = random.Random(s * 977 + y * w + x)
    v = n(x, y)
    return clamp01(v * 0.8 + (0.2 if rng.random() < 0.15 else 0.1))


def mesh(x, y, w, h, s):
    period = 7 if w % 7 == 0 else 6
    a = abs(((x + y) % period) - period / 2) / (period / 2)
    b = abs(((x - y) % period) - period / 2) / (period / 2)
    return clamp01(1.0 - min(a, b) * 1.2)


def flowers(x, y, w, h, s):
    rng = random.Random(s)
    centres = [(rng.random() * w, rng.random() * h) for _ in range(5)]
    v = 0.25 + 0.2 * fractal(s, w, h, 2, 3)(x, y)
    for cx, cy in centres:
        for ox in (-w, 0, w):
            for oy in (-h, 0, h):
                dx, dy = x - cx - ox, y - cy - oy
                d = math.hypot(dx, dy)
                petal = 5 + 2.5 * math.cos(5 * math.atan2(dy, dx))
                if d < petal:
                    v = max(v, 1.0 - 0.5 * d / petal)
    return clamp01(v)


def waves(x, y, w, h, s):
    n = fractal(s, w, h, 3, 3)
    v = math.sin(2 * math.pi * (y / h * 4 + 0.15 * math.sin(2 * math.pi * x / w * 2)) + 3 * n(x, y))
    return clamp01(0.5 + 0.5 * v)


def clouds(x, y, w, h, s):
    n = fractal(s, w, h, 5, 2)
    return clamp01((n(x, y) - 0.3) * 1.8)


def bricks(x, y, w, h, s):
    bh = h / 4
    bw = w / 2
    row = int(y // bh)
    shift = bw / 2 if row % 2 else 0
    fx = (x + shift) % bw
    fy = y % bh
    n = fractal(s, w, h, 3, 6)(x, y)
    if fx < 2 or fy < 2:
        return clamp01(0.9 + 0.1 * n)
    return clamp01(0.2 + 0.5 * n)


def leather(x, y, w, h, s):
    n = fractal(s, w, h, 4, 6)
    v = n(x, y)
    crease = abs(v - 0.5) < 0.03
    return clamp01(v * 0.8 + (0.0 if crease else 0.2))


def stone(x, y, w, h, s):
    n = fractal(s, w, h, 5, 3)
    v = n(x, y)
    return clamp01((v - 0.2) * 1.6)


# (resource id, width, height, pattern, colour stops); the order is the
# fill order: ids 25000-25023, then 26222-26227.
TEXTURES = [
    (25000, 46, 46, paper, [(140, 120, 70), (222, 205, 150), (246, 236, 200)]),      # papyrus
    (25001, 46, 46, canvas, [(150, 130, 100), (214, 200, 172), (240, 230, 210)]),    # canvas
    (25002, 46, 46, denim, [(25, 40, 80), (55, 80, 130), (120, 145, 185)]),          # denim
    (25003, 46, 46, woven, [(95, 75, 40), (176, 150, 95), (230, 210, 160)]),         # woven mat
    (25004, 46, 46, droplets, [(60, 90, 130), (110, 150, 190), (235, 245, 255)]),    # water droplets
    (25005, 46, 46, fibres, [(130, 95, 55), (178, 140, 95), (205, 170, 125)]),       # paper bag
    (25006, 46, 46, stone, [(120, 110, 95), (180, 170, 150), (225, 215, 195)]),      # fossil stone
    (25007, 46, 46, sand, [(180, 150, 100), (220, 195, 145), (245, 228, 190)]),      # sand
    (25008, 46, 46, marble, [(20, 70, 45), (60, 130, 90), (190, 225, 200)]),         # green marble
    (25009, 46, 46, marble, [(160, 160, 170), (225, 225, 230), (252, 252, 252)]),    # white marble
    (25010, 46, 46, marble, [(70, 40, 25), (140, 95, 60), (220, 190, 150)]),         # brown marble
    (25011, 46, 46, granite, [(60, 55, 60), (150, 140, 140), (235, 225, 220)]),      # granite
    (25012, 42, 42, fibres, [(170, 170, 165), (215, 215, 210), (240, 240, 235)]),    # newsprint
    (25013, 42, 42, fibres, [(150, 140, 120), (200, 192, 172), (228, 222, 205)]),    # recycled paper
    (25014, 42, 42, paper, [(200, 170, 110), (238, 220, 175), (252, 244, 220)]),     # parchment
    (25015, 42, 42, paper, [(215, 225, 235), (240, 244, 250), (255, 255, 255)]),     # stationery
    (25016, 42, 42, clouds, [(120, 160, 215), (170, 200, 235), (225, 238, 252)]),    # blue tissue
    (25017, 42, 42, clouds, [(220, 150, 170), (240, 195, 210), (252, 232, 238)]),    # pink tissue
    (25018, 42, 42, mesh, [(60, 30, 90), (130, 80, 170), (210, 180, 235)]),          # purple mesh
    (25019, 42, 42, flowers, [(40, 90, 50), (200, 90, 120), (250, 220, 230)]),       # bouquet
    (25020, 42, 42, cork, [(110, 70, 35), (175, 125, 75), (215, 170, 115)]),         # cork
    (25021, 42, 42, wood, [(60, 35, 20), (105, 65, 40), (150, 100, 65)]),            # walnut
    (25022, 42, 42, wood, [(150, 110, 60), (200, 160, 100), (230, 200, 145)]),       # oak
    (25023, 42, 42, wood, [(120, 70, 35), (170, 110, 60), (210, 150, 95)]),          # medium wood
    (26222, 42, 42, waves, [(10, 60, 120), (40, 110, 170), (170, 215, 240)]),        # water
    (26223, 58, 57, clouds, [(70, 130, 210), (140, 185, 235), (255, 255, 255)]),     # sky
    (26224, 42, 42, woven, [(120, 20, 30), (180, 50, 60), (235, 140, 140)]),         # red fabric
    (26225, 42, 42, bricks, [(120, 45, 30), (170, 75, 50), (215, 205, 190)]),        # bricks
    (26226, 42, 42, leather, [(60, 30, 15), (115, 65, 35), (160, 105, 65)]),         # leather
    (26227, 42, 42, granite, [(70, 70, 75), (125, 125, 130), (190, 190, 195)]),      # rock
]


def main():
    for rid, w, h, pattern, stops in TEXTURES:
        palette = ramp(stops)
        pixels = [min(255, int(pattern(x, y, w, h, rid) * 255 + 0.5)) for y in range(h) for x in range(w)]
        write_bmp(os.path.join(HERE, "fill_%d.bmp" % rid), w, h, palette, pixels)


if __name__ == "__main__":
    main()
