#!/usr/bin/env python3
"""Draws the tool's own artwork: the 658 x 90 banner (24-bit BMP, rows bottom-up) and its
1316 x 180 twin for a scale factor of 2 (PNG), the installer's 164 x 314 side picture
(BMP, on its finish page), the 167 x 167 window icon (ICO, 24-bit with
its 1-bit mask), and the desktop icon as SVG and as PNGs at the icon theme's sizes (16 to
256). The PNGs are drawn smoothly: every pixel is the average of 4 x 4 samples, and the
icon's rounded corners get partial transparency. Run from the repository root; the files
land in resources/."""
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


def side_pixel(x, y, shape):
    """The installer's side picture: the banner's colours running downwards, the motor
    above a speed trace."""
    w, h = 164, 314
    c = lerp(NAVY, TEAL, y / (h - 1))
    wave = 200 + 16 * math.sin(x / 20.0)
    if abs(y - wave) < 1.6:
        c = lerp(c, WHITE, 0.7)
    d = math.hypot(x - w / 2, y - 100)
    if 48 <= d <= 56:
        c = WHITE
    if inside(shape, x, y):
        c = AMBER
    for i, yy in enumerate((240, 255, 270)):
        if abs(y - yy) < 1.5 and 30 + i * 10 < x < 134 - i * 10:
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


def smooth(pixel, samples=4):
    """A pixel function of (x, y) -> (r, g, b, a), averaging samples x samples points of
    `pixel`, which gives a colour or None (transparent) at any real coordinate."""
    offsets = [(i + 0.5) / samples for i in range(samples)]

    def averaged(x, y):
        total, r, g, b = 0, 0, 0, 0
        for dy in offsets:
            for dx in offsets:
                c = pixel(x + dx - 0.5, y + dy - 0.5)
                if c is not None:
                    total += 1
                    r, g, b = r + c[0], g + c[1], b + c[2]
        if total == 0:
            return (0, 0, 0, 0)
        return (round(r / total), round(g / total), round(b / total),
                round(255 * total / samples ** 2))
    return averaged


def write_png(path, w, h, pixel):
    """`pixel` gives (r, g, b, a)."""
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw += bytes(pixel(x, y))

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack(
            '>I', zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def write_svg(path):
    """The desktop icon as a vector picture, the same shapes as icon_pixel at size 1."""
    n = 256
    pts = ' '.join('%.1f,%.1f' % p for p in bolt(n / 2, n / 2, n * 0.62))
    svg = f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{n}" height="{n}" viewBox="0 0 {n} {n}">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="rgb{NAVY}"/>
      <stop offset="1" stop-color="rgb{TEAL}"/>
    </linearGradient>
  </defs>
  <rect width="{n}" height="{n}" rx="{n * 0.18:.1f}" fill="url(#face)"/>
  <circle cx="{n / 2}" cy="{n / 2}" r="{n * 0.39:.1f}" fill="none" stroke="rgb{WHITE}"
          stroke-width="{n * 0.06:.1f}"/>
  <polygon points="{pts}" fill="rgb{AMBER}"/>
</svg>
"""
    with open(path, 'w') as f:
        f.write(svg)


if __name__ == '__main__':
    import os
    os.makedirs('resources/icons', exist_ok=True)
    shape = bolt(52, 45, 44)
    write_bmp('resources/banner.bmp', 658, 90, lambda x, y: banner_pixel(x, y, shape))
    side = bolt(82, 100, 70)
    write_bmp('resources/installer-side.bmp', 164, 314, lambda x, y: side_pixel(x, y, side))
    write_png('resources/banner@2x.png', 1316, 180,
              smooth(lambda x, y: banner_pixel(x / 2, y / 2, shape)))
    n = 167
    s = bolt(n / 2, n / 2, n * 0.62)
    write_ico('resources/vt350-config.ico', n, lambda x, y: icon_pixel(x, y, n, s))
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        s = bolt(n / 2, n / 2, n * 0.62)
        write_png('resources/icons/vt350-config-%d.png' % n, n, n,
                  smooth(lambda x, y, n=n, s=s: icon_pixel(x, y, n, s)))
    write_svg('resources/icons/vt350-config.svg')
