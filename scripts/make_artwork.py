#!/usr/bin/env python3
"""Draws the tool's own artwork: the 658 x 90 banner (24-bit BMP, rows bottom-up), the
167 x 167 window icon (ICO, 24-bit with its 1-bit mask) and a 128 x 128 PNG for the desktop
icon theme. Run from the repository root; the files land in resources/."""
import math
import struct
import zlib


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def inside(poly, x, y):
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


NAVY, TEAL, AMBER, WHITE = (16, 32, 72), (20, 120, 140), (255, 190, 40), (235, 240, 245)


def bolt(cx, cy, s):
    pts = [(0.15, -0.5), (-0.25, 0.05), (0.0, 0.05), (-0.15, 0.5), (0.25, -0.08), (0.0, -0.08)]
    return [(cx + px * s, cy + py * s) for px, py in pts]


def banner_pixel(x, y, shape):
    w, h = 658, 90
    c = lerp(NAVY, TEAL, x / (w - 1))
    # A speed trace across the banner.
    wave = h * 0.62 + 14 * math.sin(x / 38.0) * math.exp(-x / 900.0)
    if abs(y - wave) < 1.6:
        c = lerp(c, WHITE, 0.7)
    # The motor: a ring with the bolt inside, at the left.
    d = math.hypot(x - 52, y - 45)
    if 30 <= d <= 36:
        c = WHITE
    if inside(shape, x, y):
        c = AMBER
    # Speed lines to the right of the motor.
    for i, yy in enumerate((30, 45, 60)):
        if abs(y - yy) < 1.5 and 100 + i * 12 < x < 200 + i * 30:
            c = lerp(c, AMBER, 0.8)
    return c


def icon_pixel(x, y, n, shape):
    r = n * 0.18
    cx = min(max(x, r), n - 1 - r)
    cy = min(max(y, r), n - 1 - r)
    if math.hypot(x - cx, y - cy) > r:
        return None  # transparent corner
    c = lerp(NAVY, TEAL, (x + y) / (2 * n))
    d = math.hypot(x - n / 2, y - n / 2)
    if n * 0.36 <= d <= n * 0.42:
        c = WHITE
    if inside(shape, x, y):
        c = AMBER
    return c


def write_bmp(path, w, h, pixel):
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def write_ico(path, n, pixel):
    row = (n * 3 + 3) & ~3
    mrow = ((n + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for y in range(n - 1, -1, -1):
        line, bits = bytearray(), bytearray(mrow)
        for x in range(n):
            c = pixel(x, y)
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                c = (0, 0, 0)
            line += bytes((c[2], c[1], c[0]))
        xor += line + bytes(row - len(line))
        mask += bits
    info = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    head = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', n % 256, n % 256, 0, 0, 1, 24, len(image), 22)
    with open(path, 'wb') as f:
        f.write(head + entry + image)


def write_png(path, n, pixel):
    raw = bytearray()
    for y in range(n):
        raw.append(0)
        for x in range(n):
            c = pixel(x, y)
            raw += bytes((0, 0, 0, 0)) if c is None else bytes((c[0], c[1], c[2], 255))

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack(
            '>I', zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', n, n, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


if __name__ == '__main__':
    shape = bolt(52, 45, 44)
    write_bmp('resources/banner.bmp', 658, 90, lambda x, y: banner_pixel(x, y, shape))
    for n, writer, name in ((167, write_ico, 'vt350-config.ico'),
                            (128, write_png, 'vt350-config.png')):
        s = bolt(n / 2, n / 2, n * 0.62)
        writer('resources/' + name, n, lambda x, y, n=n, s=s: icon_pixel(x, y, n, s))
