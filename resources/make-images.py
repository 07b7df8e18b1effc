#!/usr/bin/env python3
"""Draws the program's images and writes them as .ico files into resources/images:
the application icon (a clock with blue parts, 16x16 and 32x32), the stop icon (the
same clock with its blue parts red), the four 32x32 frames of the swinging bell
(straight, swung one way, straight, swung the other way) and the 16x16 glyphs of the
OK, Cancel and end buttons. Standard library only; run it from anywhere:
    python3 resources/make-images.py
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")
SAMPLES = 4  # per axis, for smooth edges

BLUE = (0x1F, 0x5F, 0xD0)
RED = (0xD0, 0x20, 0x20)
WHITE = (0xFF, 0xFF, 0xFF)
DARK = (0x20, 0x20, 0x28)
GOLD = (0xE8, 0xB0, 0x20)
GOLD_DARK = (0x90, 0x60, 0x10)
GREEN = (0x20, 0x9A, 0x30)
BROWN = (0x8A, 0x55, 0x25)


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rotated(shape, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return lambda x, y: shape(cx + (x - cx) * c + (y - cy) * s, cy - (x - cx) * s + (y - cy) * c)


def render(size, layers, units=32):
    """layers: (shape in a square of that many units, colour), painted in order. Returns BGRA rows."""
    scale = float(units) / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for shape, fill in layers:
                        if shape(x, y):
                            colour = fill
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = SAMPLES * SAMPLES
            if a:
                row.append((int(b / a), int(g / a), int(r / a), int(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def clock(accent):
    return [
        (circle(16, 16, 15), accent),
        (circle(16, 16, 12), WHITE),
        (segment(16, 16, 16, 7, 2.6), DARK),
        (segment(16, 16, 22.5, 16, 2.6), DARK),
        (circle(16, 16, 2.2), accent),
    ] + [(circle(16 + 10 * math.sin(k * math.pi / 6), 16 - 10 * math.cos(k * math.pi / 6), 1.0), accent)
         for k in range(12) if k % 3 == 0]


def bell(degrees):
    body = polygon([(9, 23), (10.5, 12), (13, 8), (19, 8), (21.5, 12), (23, 23), (26, 26), (6, 26)])
    parts = [
        (body, GOLD),
        (rect(6, 24.5, 26, 26), GOLD_DARK),
        (circle(16, 7, 2.2), GOLD_DARK),
        (circle(16, 27.5, 2.4), GOLD_DARK),
    ]
    return [(rotated(shape, 16, 5, degrees), colour) for shape, colour in parts]


def check_mark():
    return [(segment(3, 9, 6.5, 13, 2.4), GREEN), (segment(6.5, 13, 13, 3.5, 2.4), GREEN)]


def cross():
    return [(segment(3.5, 3.5, 12.5, 12.5, 2.6), RED), (segment(12.5, 3.5, 3.5, 12.5, 2.6), RED)]


def door():
    return [
        (rect(3, 1.5, 10.5, 14.5), BROWN),
        (rect(4.5, 3, 9, 13), (0xC8, 0x8A, 0x45)),
        (circle(8, 8.3, 0.9), DARK),
        (segment(10, 8, 15, 8, 1.8), GREEN),
        (polygon([(15.5, 8), (12.5, 5), (12.5, 11)]), GREEN),
    ]


def icon_image(pixels):
    """One ICO image: a BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, an AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(p) for row in reversed(pixels) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_icon(name, images):
    blobs = [icon_image(p) for p in images]
    offset = 6 + 16 * len(blobs)
    data = struct.pack("<HHH", 0, 1, len(blobs))
    for pixels, blob in zip(images, blobs):
        size = len(pixels)
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data + b"".join(blobs))


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon("app.ico", [render(32, clock(BLUE)), render(16, clock(BLUE))])
    write_icon("stop.ico", [render(32, clock(RED)), render(16, clock(RED))])
    for frame, degrees in enumerate([0, 22, 0, -22], start=1):
        write_icon("bell%d.ico" % frame, [render(32, bell(degrees))])
    write_icon("ok.ico", [render(16, check_mark(), units=16)])
    write_icon("cancel.ico", [render(16, cross(), units=16)])
    write_icon("close.ico", [render(16, door(), units=16)])


if __name__ == "__main__":
    main()
