#!/usr/bin/env python3
"""Draws the program's icon: a round red seal with a star, as an electronic
seal is stamped. Writes pellorin.ico: one 32x32 image, 24 bits per pixel,
with a 1-bit transparency mask. Run it again after changing the drawing:

    python3 res/make_icon.py res/pellorin.ico
"""
import math
import struct
import sys

SIZE = 32
SUB = 4  # samples per pixel side, for smooth edges inside the seal

RED = (0xC8, 0x10, 0x2E)
PAPER = (0xFF, 0xF7, 0xEE)

CENTER = SIZE / 2
OUTER = 15.5   # outer edge of the ring
RING = 2.6     # ring width
STAR_R = 7.6   # star's outer radius
STAR_CY = CENTER - 1.6


def star_polygon():
    points = []
    for k in range(10):
        radius = STAR_R if k % 2 == 0 else STAR_R * 0.382
        angle = -math.pi / 2 + k * math.pi / 5
        points.append((CENTER + radius * math.cos(angle), STAR_CY + radius * math.sin(angle)))
    return points


STAR = star_polygon()


def inside_polygon(x, y, poly):
    inside = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def is_red(x, y):
    """Ink of the seal at a point: the ring, the star, and a bar for the
    seal's text under the star."""
    d = math.hypot(x - CENTER, y - CENTER)
    if OUTER - RING <= d <= OUTER:
        return True
    if inside_polygon(x, y, STAR):
        return True
    return 10.5 <= x <= 21.5 and 22.5 <= y <= 24.5


def pixel(px, py):
    """(colour, opaque) of one pixel."""
    inside = red = 0
    for sy in range(SUB):
        for sx in range(SUB):
            x = px + (sx + 0.5) / SUB
            y = py + (sy + 0.5) / SUB
            if math.hypot(x - CENTER, y - CENTER) <= OUTER:
                inside += 1
                red += is_red(x, y)
    if inside * 2 < SUB * SUB:
        return (0, 0, 0), False
    t = red / inside
    colour = tuple(round(r * t + p * (1 - t)) for r, p in zip(RED, PAPER))
    # The seal's rim meets whatever lies behind the icon: keep it solid ink.
    if inside < SUB * SUB:
        colour = RED
    return colour, True


def build():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps run bottom-up
        bits = 0
        for x in range(SIZE):
            (r, g, b), opaque = rows[y][x]
            xor += bytes((b, g, r))
            bits = (bits << 1) | (0 if opaque else 1)
        mask += bits.to_bytes(SIZE // 8, "big")  # 32 bits: already a 4-byte row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "pellorin.ico", "wb") as f:
        f.write(build())
