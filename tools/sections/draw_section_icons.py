#!/usr/bin/env python3
"""Draws the section pictures of the section library: for each section type an outline of its
cross-section, as "<base>-big.bmp" (96 x 96) and "<base>-small.bmp" (32 x 32), and the
"Unknown" pair, into an "icons" folder.

Usage: draw_section_icons.py ICONS_DIR

Each outline is a list of closed polygons (and circles) in a 100 x 100 box, y downwards. The
inside is filled (even-odd rule) and the outline drawn as lines. Files are 8-bit paletted BMPs.
"""
import math
import os
import struct
import sys

WHITE, FILL, LINE = 0, 1, 2
PALETTE = [(255, 255, 255), (205, 218, 235), (30, 50, 110)]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def i_shape(top=10, bottom=90, w=70, tw=10, tf=12):
    l, r, c = 50 - w / 2, 50 + w / 2, 50
    return [(l, top), (r, top), (r, top + tf), (c + tw / 2, top + tf), (c + tw / 2, bottom - tf),
            (r, bottom - tf), (r, bottom), (l, bottom), (l, bottom - tf), (c - tw / 2, bottom - tf),
            (c - tw / 2, top + tf), (l, top + tf)]


def channel(l=25, r=75, top=10, bottom=90, tw=10, tf=12):
    return [(l, top), (r, top), (r, top + tf), (l + tw, top + tf), (l + tw, bottom - tf),
            (r, bottom - tf), (r, bottom), (l, bottom)]


def thin_path(points, t):
    """A closed outline around a polyline of wall thickness t (mitred corners)."""
    def offset(pts, d):
        out = []
        for k, (x, y) in enumerate(pts):
            dirs = []
            if k > 0:
                dirs.append((x - pts[k - 1][0], y - pts[k - 1][1]))
            if k < len(pts) - 1:
                dirs.append((pts[k + 1][0] - x, pts[k + 1][1] - y))
            normals = []
            for dx, dy in dirs:
                n = math.hypot(dx, dy)
                normals.append((-dy / n, dx / n))
            nx = sum(n[0] for n in normals)
            ny = sum(n[1] for n in normals)
            n = math.hypot(nx, ny)
            nx, ny = nx / n, ny / n
            cos = nx * normals[0][0] + ny * normals[0][1]
            out.append((x + nx * d / cos, y + ny * d / cos))
        return out
    return offset(points, t / 2) + list(reversed(offset(points, -t / 2)))


def circle(cx, cy, r):
    return ("circle", cx, cy, r)


def outlines():
    sigma = [(72, 12), (30, 12), (30, 35), (42, 45), (42, 55), (30, 65), (30, 88), (72, 88)]
    c_lip = [(70, 25), (70, 12), (30, 12), (30, 88), (70, 88), (70, 75)]
    return {
        "ProfSectionI": [i_shape()],
        "ProfSectionCL": [[(25, 10), (37, 10), (37, 78), (80, 78), (80, 90), (25, 90)]],
        "ProfSectionHL": [channel()],
        "ProfSectionCU": [thin_path([(22, 20), (22, 85), (78, 85), (78, 35)], 5)],
        "ProfSectionT": [[(15, 15), (85, 15), (85, 28), (56, 28), (56, 88), (44, 88), (44, 28),
                          (15, 28)]],
        "ProfSectionOI": [i_shape(top=20, bottom=80), rect(10, 10, 90, 20), rect(10, 80, 90, 90)],
        "ProfSectionOU": [channel(top=20, bottom=80), rect(20, 10, 80, 20), rect(20, 80, 80, 90)],
        "ProfSectionRect": [rect(10, 38, 90, 62)],
        "ProfSectionRound": [circle(50, 50, 38)],
        "ProfSectionRectTube": [rect(15, 10, 85, 90), rect(24, 19, 76, 81)],
        "ProfSectionRoundTube": [circle(50, 50, 40), circle(50, 50, 31)],
        "ProfSectionC": [thin_path(c_lip, 5)],
        "ProfSectionZ": [thin_path([(82, 25), (82, 12), (50, 12), (50, 88), (18, 88), (18, 75)],
                                   5)],
        "ProfSectionV": [thin_path([(12, 20), (50, 85), (88, 20)], 8)],
        "ProfSectionO": [thin_path([(8, 75), (28, 75), (28, 25), (72, 25), (72, 75), (92, 75)],
                                   5)],
        "ProfSectionQ": [thin_path([(8, 25), (28, 25), (28, 75), (72, 75), (72, 25), (92, 25)],
                                   5)],
        "ProfSectionCuttedI": [[(15, 15), (85, 15), (85, 28), (56, 28), (56, 70), (60, 76),
                                (52, 82), (56, 88), (44, 88), (40, 82), (48, 76), (44, 70),
                                (44, 28), (15, 28)]],
        "ProfSectionSigma": [thin_path(sigma, 5)],
        "ProfSectionSigma+": [thin_path([(72, 25)] + sigma + [(72, 75)], 5)],
        "ProfSectionSigma Sleeve": [thin_path([(60, 20), (30, 20), (30, 38), (40, 46), (40, 54),
                                               (30, 62), (30, 80), (60, 80)], 5)],
        "ProfSectionC+": [thin_path([(85, 25), (70, 25), (70, 12), (30, 12), (30, 88), (70, 88),
                                     (70, 75), (85, 75)], 5)],
        "ProfSectionC Sleeve": [thin_path([(65, 20), (30, 20), (30, 80), (65, 80)], 5)],
        "ProfSectionSingle Cleat": [[(25, 10), (36, 10), (36, 79), (85, 79), (85, 90), (25, 90)],
                                    circle(30.5, 40, 4), circle(60, 84.5, 4)],
        "ProfSectionDouble Cleat": [[(42, 10), (49, 10), (49, 90), (8, 90), (8, 82), (42, 82)],
                                    [(51, 10), (58, 10), (58, 82), (92, 82), (92, 90), (51, 90)]],
        "Unknown": [rect(15, 15, 85, 85)],
    }


def polygon_of(shape, steps=64):
    if shape[0] == "circle":
        _, cx, cy, r = shape
        return [(cx + r * math.cos(2 * math.pi * k / steps),
                 cy + r * math.sin(2 * math.pi * k / steps)) for k in range(steps)]
    return shape


def draw(shapes, size, question=False):
    px = [[WHITE] * size for _ in range(size)]
    scale = size / 100.0
    polys = [[(x * scale, y * scale) for x, y in polygon_of(s)] for s in shapes]
    for y in range(size):
        for x in range(size):
            inside = False
            for poly in polys:
                inside ^= contains(poly, x + 0.5, y + 0.5)
            if inside:
                px[y][x] = FILL
    width = 2 if size >= 64 else 1
    for poly in polys:
        for k in range(len(poly)):
            line(px, poly[k], poly[(k + 1) % len(poly)], width)
    if question:
        mark = [(38, 35), (42, 26), (50, 23), (58, 26), (62, 35), (58, 44), (50, 50), (50, 62)]
        mark = [(x * scale, y * scale) for x, y in mark]
        for k in range(len(mark) - 1):
            line(px, mark[k], mark[k + 1], width)
        line(px, (50 * scale, 70 * scale), (50 * scale, 74 * scale), width)
    return px


def contains(poly, x, y):
    inside = False
    n = len(poly)
    for k in range(n):
        (x0, y0), (x1, y1) = poly[k], poly[(k + 1) % n]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def line(px, a, b, width):
    size = len(px)
    steps = int(max(abs(b[0] - a[0]), abs(b[1] - a[1])) * 2) + 1
    for k in range(steps + 1):
        x = a[0] + (b[0] - a[0]) * k / steps
        y = a[1] + (b[1] - a[1]) * k / steps
        for dx in range(width):
            for dy in range(width):
                ix, iy = int(x - width / 2 + dx + 0.5), int(y - width / 2 + dy + 0.5)
                if 0 <= ix < size and 0 <= iy < size:
                    px[iy][ix] = LINE


def bmp_bytes(px):
    size = len(px)
    stride = (size + 3) & ~3
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    palette += b"\0" * (4 * 256 - len(palette))
    rows = b"".join(bytes(px[y]) + b"\0" * (stride - size) for y in range(size - 1, -1, -1))
    offset = 14 + 40 + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    return head + info + palette + rows


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for base, shapes in outlines().items():
        for suffix, size in (("-big", 96), ("-small", 32)):
            pixels = draw(shapes, size, question=(base == "Unknown"))
            with open(os.path.join(folder, base + suffix + ".bmp"), "wb") as f:
                f.write(bmp_bytes(pixels))
    print(f"{folder}: {2 * len(outlines())} pictures")


if __name__ == "__main__":
    main()
