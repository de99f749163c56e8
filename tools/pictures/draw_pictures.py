#!/usr/bin/env python3
"""Draws the module's pictures: simple glyphs of our own, made from lines, boxes and discs.

Writes
  src/frame/module_pictures_art.cpp  the module's icon and bitmap resources by id, one
                                     character per pixel (the palette is in module_pictures.cpp)
  examples/library/icons/*.bmp       the constraint commands' bitmaps of the example library

Run from anywhere: python3 tools/pictures/draw_pictures.py [--check]
With --check nothing is written; the exit status tells whether the files are up to date.
"""
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Palette characters; '.' is transparent (icons) or the button face (bitmaps).
PALETTE = {
    '.': None, 'k': (0, 0, 0), 'w': (255, 255, 255), 'e': (128, 128, 128),
    'l': (192, 192, 192), 'r': (200, 30, 30), 'g': (20, 140, 40), 'b': (30, 70, 190),
    'c': (40, 160, 200), 'y': (240, 200, 40), 'o': (230, 120, 20), 'n': (130, 80, 30),
    'm': (170, 40, 160),
}


class Canvas:
    def __init__(self, size=16):
        self.size = size
        self.px = [['.'] * size for _ in range(size)]

    def dot(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return self
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def thick(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y1, c)
        if abs(x1 - x0) >= abs(y1 - y0):
            return self.line(x0, y0 + 1, x1, y1 + 1, c)
        return self.line(x0 + 1, y0, x1 + 1, y1, c)

    def box(self, x0, y0, x1, y1, c, fill=None):
        if fill:
            self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)
        return self

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)
        return self

    def ring(self, cx, cy, r, c, fill=None):
        for y in range(self.size):
            for x in range(self.size):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if fill and d < r - 0.5:
                    self.dot(x, y, fill)
                if abs(d - r) < 0.55:
                    self.dot(x, y, c)
        return self

    def arrow_up(self, x, top, bottom, c):
        self.fill(x - 1, top + 3, x + 1, bottom, c)
        for i in range(4):
            self.line(x - i, top + i, x + i, top + i, c)
        return self

    def arrow_down(self, x, top, bottom, c):
        self.fill(x - 1, top, x + 1, bottom - 3, c)
        for i in range(4):
            self.line(x - i, bottom - i, x + i, bottom - i, c)
        return self

    def rows(self):
        return [''.join(r) for r in self.px]


def page(c, x0, y0, x1, y1):
    c.box(x0, y0, x1, y1, 'k', 'w')
    for y in range(y0 + 3, y1 - 1, 2):
        c.line(x0 + 2, y, x1 - 2, y, 'e')


def picture_frame(c):
    c.box(1, 2, 14, 13, 'k', 'c')
    c.ring(10, 5, 1.5, 'y', 'y')
    for i in range(5):
        c.line(2 + i, 12 - i, 8 - i + 2 * i, 12 - i, 'g')
    c.fill(2, 12, 13, 12, 'g')


def view_cube(c):
    c.box(2, 6, 10, 14, 'k', 'l')
    c.line(2, 6, 6, 2, 'k').line(10, 6, 14, 2, 'k').line(6, 2, 14, 2, 'k')
    c.line(14, 2, 14, 10, 'k').line(10, 14, 14, 10, 'k')


def module_pictures():
    """(id, kind, canvas) for every picture of the module; kind 'icon' or 'bitmap'."""
    out = []

    def add(pid, kind, draw):
        c = Canvas()
        draw(c)
        out.append((pid, kind, c))

    def beam(c):  # the module's own icon: a steel I-beam section
        c.box(2, 1, 13, 4, 'k', 'b').box(2, 11, 13, 14, 'k', 'b')
        c.fill(6, 4, 9, 11, 'k').fill(7, 3, 8, 12, 'b')

    add(148, 'icon', beam)
    add(206, 'icon', lambda c: (c.thick(3, 3, 12, 12, 'r'), c.thick(12, 3, 3, 12, 'r')))
    add(212, 'icon', lambda c: (c.fill(7, 2, 8, 13, 'g'), c.fill(2, 7, 13, 8, 'g')))

    def select(c):
        c.box(6, 6, 14, 14, 'e', 'l')
        for i in range(8):
            c.line(1, 1 + i, 1 + i, 1 + i, 'k')
        c.line(4, 7, 7, 11, 'k').line(5, 7, 8, 11, 'k')

    add(217, 'icon', select)
    add(218, 'icon', view_cube)

    def view(mark):
        def draw(c):
            c.box(2, 2, 13, 13, 'k', 'l')
            mark(c)
        return draw

    add(220, 'icon', view(lambda c: c.ring(7.5, 7.5, 2, 'b', 'b')))
    add(221, 'icon', view(lambda c: c.fill(4, 7, 11, 8, 'b')))
    add(222, 'icon', view(lambda c: c.fill(7, 4, 8, 11, 'b')))
    add(223, 'icon', lambda c: (page(c, 1, 1, 9, 11), page(c, 6, 4, 14, 14)))

    def paste(c):
        c.box(2, 2, 11, 14, 'n', 'o').fill(5, 1, 8, 3, 'e')
        page(c, 7, 6, 14, 15)

    add(224, 'icon', paste)

    def find(c):
        c.ring(6, 6, 4, 'k', 'c')
        c.thick(9, 9, 13, 13, 'n')

    add(225, 'icon', find)
    add(231, 'icon', picture_frame)

    def folder(c):
        c.box(1, 3, 6, 5, 'n', 'y')
        c.box(1, 5, 14, 13, 'n', 'y')

    add(232, 'icon', folder)

    def disk(c):
        c.box(1, 1, 14, 14, 'k', 'b')
        c.box(4, 1, 11, 6, 'k', 'l').fill(8, 2, 9, 5, 'b')
        c.box(3, 9, 12, 14, 'k', 'w')

    add(233, 'icon', disk)

    def zoom(c):
        c.ring(6, 6, 4, 'k', 'w')
        c.fill(4, 6, 8, 6, 'k').fill(6, 4, 6, 8, 'k')
        c.thick(9, 9, 13, 13, 'n')

    add(234, 'icon', zoom)

    def width(c):
        c.fill(1, 3, 1, 12, 'k').fill(14, 3, 14, 12, 'k').fill(3, 7, 12, 8, 'b')
        for i in range(3):
            c.line(3 + i, 7 - i, 3 + i, 8 + i, 'b').line(12 - i, 7 - i, 12 - i, 8 + i, 'b')

    def height(c):  # the width glyph turned a quarter
        w = Canvas()
        width(w)
        for y in range(16):
            for x in range(16):
                c.px[x][y] = w.px[y][x]

    add(235, 'icon', width)
    add(236, 'icon', height)

    def clash(c):
        c.box(1, 1, 9, 9, 'b', 'c').box(6, 6, 14, 14, 'b', 'c').fill(6, 6, 9, 9, 'r')

    add(237, 'icon', clash)

    def flex(c):  # a spring between two plates
        c.fill(1, 2, 2, 13, 'e').fill(13, 2, 14, 13, 'e')
        pts = [(3, 8), (5, 3), (7, 12), (9, 3), (11, 12), (12, 8)]
        for a, b in zip(pts, pts[1:]):
            c.line(a[0], a[1], b[0], b[1], 'b')

    add(239, 'icon', flex)

    def chevron(up):
        def draw(c):
            c.box(1, 1, 14, 14, "e", "w")
            for i in range(5):
                y = 5 + i if up else 10 - i
                c.line(7 - 4 + i, y, 7 - 4 + i, y, 'k')
                c.line(8 + 4 - i, y, 8 + 4 - i, y, 'k')
                c.line(7 - 4 + i, y + (1 if up else -1), 7 - 4 + i, y + (1 if up else -1), 'k')
                c.line(8 + 4 - i, y + (1 if up else -1), 8 + 4 - i, y + (1 if up else -1), 'k')
        return draw

    add(240, 'icon', chevron(True))
    add(241, 'icon', chevron(False))
    add(251, 'bitmap', picture_frame)
    add(257, 'icon', lambda c: c.arrow_up(7, 1, 14, 'g'))
    add(258, 'icon', lambda c: c.arrow_down(7, 1, 14, 'g'))

    def from_standards(c):
        c.box(1, 1, 11, 11, 'k', 'w')
        for v in (4, 7):
            c.line(v, 1, v, 11, 'e').line(1, v, 11, v, 'e')
        c.arrow_down(12, 6, 15, 'g')

    add(259, 'icon', from_standards)
    add(261, 'icon', lambda c: (c.fill(2, 1, 13, 2, 'k'), c.arrow_up(7, 4, 14, 'b')))
    add(262, 'icon', lambda c: (c.fill(2, 13, 13, 14, 'k'), c.arrow_down(7, 1, 11, 'b')))
    return out


def constraint_pictures():
    """(file name, canvas) of the constraint commands' bitmaps, drawn at 16 x 16."""
    out = []

    def add(name, draw):
        c = Canvas()
        draw(c)
        out.append((name, c))

    add('Parallel', lambda c: (c.thick(2, 12, 10, 2, 'b'), c.thick(6, 14, 14, 4, 'b')))
    add('Perpendicular', lambda c: (c.fill(2, 12, 13, 13, 'b'), c.fill(7, 2, 8, 11, 'b'),
                                    c.box(8, 9, 10, 11, 'k')))
    add('Coincident', lambda c: (c.thick(1, 14, 7, 7, 'b'), c.thick(8, 7, 14, 1, 'g'),
                                 c.ring(7.5, 7.5, 2, 'r', 'r')))

    def symmetric(c):
        for y in range(0, 16, 3):
            c.line(7, y, 7, y + 1, 'k')
        c.ring(3, 8, 2, 'b', 'b').ring(12, 8, 2, 'b', 'b')

    add('Symmetric', symmetric)
    add('Tangent', lambda c: (c.ring(7, 9, 5, 'b'), c.thick(0, 3, 15, 3, 'g')))
    add('Concentric', lambda c: (c.ring(7.5, 7.5, 6.5, 'b'), c.ring(7.5, 7.5, 3, 'g'),
                                 c.dot(7, 7, 'k'), c.dot(8, 8, 'k')))
    add('EqualRadius', lambda c: (c.ring(4, 8, 3.5, 'b'), c.ring(11, 8, 3.5, 'b'),
                                  c.fill(6, 2, 9, 2, 'k'), c.fill(6, 4, 9, 4, 'k')))

    def distance(c):
        c.fill(1, 3, 1, 12, 'k').fill(14, 3, 14, 12, 'k')
        c.line(2, 8, 13, 8, 'r')
        for i in range(3):
            c.line(2 + i, 8 - i, 2 + i, 8 + i, 'r').line(13 - i, 8 - i, 13 - i, 8 + i, 'r')

    add('Distance', distance)

    def angle(c):
        c.thick(1, 13, 14, 13, 'b').thick(1, 13, 11, 2, 'b')
        c.ring(1, 13, 7, 'r')
        for y in range(16):
            for x in range(16):
                if c.px[y][x] == 'r' and (x < 1 or y > 12):
                    c.px[y][x] = '.'

    add('Angle', angle)
    add('Radius', lambda c: (c.ring(7.5, 7.5, 6.5, 'b'), c.thick(8, 8, 13, 4, 'r'),
                             c.fill(7, 7, 8, 8, 'k')))

    def add_module(c):
        c.box(1, 4, 10, 13, 'b', 'l')
        c.fill(11, 1, 12, 8, 'g').fill(8, 4, 15, 5, 'g')

    add('AddModule', add_module)

    def bolts(c):
        for x in (3, 12):
            for y in (3, 12):
                c.ring(x, y, 2.2, 'k', 'e')
        c.box(0, 0, 15, 15, 'b')

    add('BoltPattern', bolts)

    def coords(c):
        c.thick(2, 13, 14, 13, 'r').thick(2, 1, 2, 13, 'g')
        c.thick(2, 13, 9, 6, 'b')
        for i in range(3):
            c.line(14 - i, 13 - i, 14 - i, 14 + i, 'r').line(2 - i, 1 + i, 3 + i, 1 + i, 'g')

    add('CoordSys', coords)
    return out


def cpp_table(pictures):
    lines = [
        '// Generated by tools/pictures/draw_pictures.py: do not edit, change the script and run it.',
        '// One string per picture, a character per pixel, row by row (palette in',
        '// module_pictures.cpp).',
        '#include "module_pictures.h"',
        '',
        'const VnPictureArt kModulePictureArt[] = {',
    ]
    for pid, kind, c in pictures:
        k = 'VnPictureKind::Icon' if kind == 'icon' else 'VnPictureKind::Bitmap'
        lines.append('    {%d, %s, %d, %d,' % (pid, k, c.size, c.size))
        rows = c.rows()
        for i, r in enumerate(rows):
            lines.append('     "%s"%s' % (r, '},' if i == len(rows) - 1 else ''))
    lines += ['};', '',
              'const int kModulePictureArtCount = sizeof kModulePictureArt / sizeof kModulePictureArt[0];',
              '']
    return '\n'.join(lines).encode()


def bmp(canvas, scale=2, face=(192, 192, 192)):
    """A 24-bit bottom-up BMP of the canvas, each pixel drawn scale x scale."""
    n = canvas.size * scale
    stride = (n * 3 + 3) // 4 * 4
    body = bytearray()
    for y in reversed(range(n)):
        row = bytearray()
        for x in range(n):
            rgb = PALETTE[canvas.px[y // scale][x // scale]] or face
            row += bytes((rgb[2], rgb[1], rgb[0]))
        body += row + b'\0' * (stride - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(body), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, n, n, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


def outputs():
    files = {os.path.join(ROOT, 'src', 'frame', 'module_pictures_art.cpp'): cpp_table(module_pictures())}
    for name, c in constraint_pictures():
        files[os.path.join(ROOT, 'examples', 'library', 'icons', name + '.bmp')] = bmp(c)
    return files


def main(argv):
    check = '--check' in argv
    if '-h' in argv or '--help' in argv:
        print(__doc__)
        return 0
    stale = []
    for path, data in outputs().items():
        old = open(path, 'rb').read() if os.path.exists(path) else None
        if old == data:
            continue
        stale.append(path)
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path + '.tmp', 'wb') as f:
                f.write(data)
            os.replace(path + '.tmp', path)
    for path in stale:
        print(('out of date: ' if check else 'wrote ') + os.path.relpath(path, ROOT))
    return 1 if check and stale else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
