#!/usr/bin/env python3
"""Paints the three full-moon pictures of the moon control from a procedural
surface: a bright disc with dark seas, cratered highlands and a rayed crater,
grey and white on black, in 16 grey levels. The disc of each picture has the
centre and radius that the control's shadow painting uses, row by row, so the
shadow covers it exactly. Run it here after changing the drawing; the PNGs
are committed. Needs nothing beyond Python's standard library."""

import math
import random
import struct
import zlib

# picture file, size, disc centre x, y and radius
PICTURES = [
    ("moon_large.png", 64, 31, 28, 28),
    ("moon_small.png", 32, 15, 14, 14),
    ("moon_tiny.png", 16, 7, 7, 7),
]
LEVELS = 16
SAMPLES = 4  # per pixel and axis

# Dark seas: centre u, v on the unit disc (v down), radii, darkness.
SEAS = [
    (-0.30, -0.38, 0.30, 0.24, 0.42),  # the large round sea at the upper left
    (0.05, -0.30, 0.18, 0.16, 0.40),
    (0.22, -0.05, 0.24, 0.20, 0.38),
    (0.62, -0.22, 0.13, 0.11, 0.45),  # the isolated sea at the right
    (-0.60, 0.00, 0.26, 0.48, 0.33),  # the broad ocean at the left
    (-0.22, 0.28, 0.20, 0.15, 0.30),
    (0.40, 0.22, 0.16, 0.14, 0.30),
    (-0.05, 0.05, 0.14, 0.12, 0.25),
]


def craters(rng):
    found = []
    for _ in range(70):
        r = rng.uniform(0.025, 0.09)
        while True:
            u, v = rng.uniform(-1, 1), rng.uniform(-1, 1)
            if u * u + v * v < (1 - r) ** 2:
                break
        found.append((u, v, r))
    return found


def smooth_noise(u, v, seed):
    """Value noise of a few octaves, in 0..1."""
    total, weight, scale = 0.0, 0.0, 4.0
    for octave in range(4):
        x, y = u * scale + 17.3 * octave, v * scale + 5.1 * octave
        x0, y0 = math.floor(x), math.floor(y)
        fx, fy = x - x0, y - y0
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)

        def corner(i, j):
            h = (i * 374761393 + j * 668265263 + seed * 144665) & 0xFFFFFFFF
            h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
            return (h & 0xFFFF) / 0xFFFF

        top = corner(x0, y0) * (1 - fx) + corner(x0 + 1, y0) * fx
        bottom = corner(x0, y0 + 1) * (1 - fx) + corner(x0 + 1, y0 + 1) * fx
        amplitude = 0.5**octave
        total += (top * (1 - fy) + bottom * fy) * amplitude
        weight += amplitude
        scale *= 2
    return total / weight


def surface(u, v, crater_list):
    """Brightness 0..1 of the full moon at (u, v) on the unit disc."""
    brightness = 0.80 + 0.16 * (smooth_noise(u, v, 7) - 0.5)
    for cu, cv, ru, rv, dark in SEAS:
        d = ((u - cu) / ru) ** 2 + ((v - cv) / rv) ** 2
        brightness -= dark * math.exp(-d * d) * (0.8 + 0.4 * smooth_noise(u, v, 11))
    for cu, cv, r in crater_list:
        d = math.hypot(u - cu, v - cv) / r
        if d < 0.8:
            brightness -= 0.10
        elif d < 1.0:
            brightness += 0.12
    # The rayed crater in the south: a bright spot with streaks.
    tu, tv = -0.12, 0.68
    d = math.hypot(u - tu, v - tv)
    angle = math.atan2(v - tv, u - tu)
    brightness += 0.35 * math.exp(-((d / 0.05) ** 2))
    brightness += 0.10 * max(0.0, math.cos(7 * angle)) ** 8 * math.exp(-d / 0.5)
    # A little darkening towards the limb.
    brightness *= 0.88 + 0.12 * math.sqrt(max(0.0, 1 - u * u - v * v))
    return min(1.0, max(0.0, brightness))


def half_width(r, dy):
    """The disc's half width in row dy, rounded as the shadow painting does."""
    return round(math.sqrt(r * r - dy * dy))  # Python rounds halves to even


def render(size, xc, yc, r, crater_list):
    rows = []
    for y in range(size):
        row = []
        dy = y - yc
        w = half_width(r, dy) if abs(dy) <= r else -1
        for x in range(size):
            if abs(x - xc) > w:
                row.append(0)
                continue
            total = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x - xc + (sx + 0.5) / SAMPLES - 0.5) / (r + 0.5)
                    v = (y - yc + (sy + 0.5) / SAMPLES - 0.5) / (r + 0.5)
                    total += surface(u, v, crater_list)
            level = round(total / SAMPLES**2 * (LEVELS - 1))
            row.append(max(1, min(LEVELS - 1, level)))  # the disc never turns black
        rows.append(row)
    return rows


def write_png(path, rows):
    """A 4-bit palette PNG with LEVELS grey levels."""
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        padded = row + [0] * (len(row) % 2)
        raw.extend((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    palette = bytearray()
    for level in range(LEVELS):
        grey = round(level * 255 / (LEVELS - 1))
        palette.extend((grey, grey, grey))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)))
        out.write(chunk(b"PLTE", bytes(palette)))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def main():
    crater_list = craters(random.Random(1582))
    for name, size, xc, yc, r in PICTURES:
        write_png(name, render(size, xc, yc, r, crater_list))


if __name__ == "__main__":
    main()
