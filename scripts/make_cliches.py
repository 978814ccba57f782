#!/usr/bin/env python3
"""Draws the clichés the program ships (data/cliches) as 24-bit BMP files.

Run it again after changing a drawing: python3 scripts/make_cliches.py
"""
import math
import os
import struct

SIZE = 48
WHITE = (255, 255, 255)


def bmp(pixels, w, h):
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):  # bottom-up rows
        line = bytearray()
        for x in range(w):
            r, g, b = pixels[y][x]
            line += bytes((b, g, r))
        line += bytes(row - len(line))
        data += line
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def canvas():
    return [[WHITE] * SIZE for _ in range(SIZE)]


def sun():
    p = canvas()
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - c, y - c
            d = math.hypot(dx, dy)
            angle = math.atan2(dy, dx)
            if d <= 11:
                p[y][x] = (255, 200, 0)
            elif d <= 22 and (math.cos(angle * 12) > 0.6):
                p[y][x] = (255, 140, 0)
    return p


def heart():
    p = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            u = (x - 23.5) / 18.0
            v = -(y - 22.0) / 18.0
            if (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0:
                p[y][x] = (220, 20, 60)
    return p


def star():
    p = canvas()
    c = (SIZE - 1) / 2
    pts = []
    for i in range(10):
        r = 22 if i % 2 == 0 else 9
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((c + r * math.cos(a), c + r * math.sin(a)))
    for y in range(SIZE):
        for x in range(SIZE):
            inside = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            if inside:
                p[y][x] = (30, 90, 220)
    return p


def house():
    p = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            if 24 <= y <= 44 and 8 <= x <= 39:
                p[y][x] = (200, 160, 110)
            if 32 <= y <= 44 and 20 <= x <= 27:
                p[y][x] = (110, 60, 20)
            if 28 <= y <= 33 and 11 <= x <= 16 or 28 <= y <= 33 and 31 <= x <= 36:
                p[y][x] = (150, 210, 255)
            if 4 <= y < 24 and abs(x - 23.5) <= (y - 4) * 1.05:
                p[y][x] = (180, 30, 30)
    return p


def tree():
    p = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            if 34 <= y <= 45 and 21 <= x <= 26:
                p[y][x] = (120, 70, 30)
            if math.hypot(x - 23.5, y - 18) <= 16:
                p[y][x] = (40, 150, 40)
    return p


def arrow():
    p = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            if 19 <= y <= 28 and 4 <= x <= 28:
                p[y][x] = (0, 140, 120)
            if 28 < x <= 44 and abs(y - 23.5) <= (44 - x) * 1.1:
                p[y][x] = (0, 140, 120)
    return p


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'cliches')
    os.makedirs(folder, exist_ok=True)
    for name, draw in (('Sol', sun), ('Hjerte', heart), ('Stjerne', star), ('Hus', house), ('Trae', tree),
                       ('Pil', arrow)):
        with open(os.path.join(folder, name + '.bmp'), 'wb') as f:
            f.write(bmp(draw(), SIZE, SIZE))


if __name__ == '__main__':
    main()
