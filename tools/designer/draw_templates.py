#!/usr/bin/env python3
"""Draws the example dialog templates of the end-plate connection: each picture (a 24-bit
BMP, black lines and hatching on white) and its template file (a properties list whose
control rectangles are fractions of the picture's size).

    tools/designer/draw_templates.py [LIBRARY]   (default: examples/library)

The rectangles are given in pixels and written as pixel / picture size with the fewest digits
that read back exactly, as the module writes them, so that the designer saves the files
unchanged.
"""
import os
import struct
import sys

WHITE, BLACK, GREY = (255, 255, 255), (0, 0, 0), (128, 128, 128)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def dot(self, x, y, colour=BLACK):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour=BLACK):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def rect(self, left, top, right, bottom, colour=BLACK):
        self.line(left, top, right, top, colour)
        self.line(right, top, right, bottom, colour)
        self.line(right, bottom, left, bottom, colour)
        self.line(left, bottom, left, top, colour)

    def hatch(self, left, top, right, bottom, step=6, colour=GREY):
        """Diagonal hatching (45 degrees) inside the rectangle."""
        for start in range(-(bottom - top), right - left, step):
            for t in range(bottom - top + 1):
                x = left + start + t
                if left < x < right and top < bottom - t < bottom:
                    self.dot(x, bottom - t, colour)

    def circle(self, cx, cy, r, colour=BLACK):
        x, y, err = r, 0, 1 - r
        while x >= y:
            for px, py in ((x, y), (y, x), (-y, x), (-x, y), (-x, -y), (-y, -x), (y, -x), (x, -y)):
                self.dot(cx + px, cy + py, colour)
            y += 1
            if err < 0:
                err += 2 * y + 1
            else:
                x -= 1
                err += 2 * (y - x) + 1

    def cross(self, cx, cy, r, colour=GREY):
        self.line(cx - r, cy, cx + r, cy, colour)
        self.line(cx, cy - r, cx, cy + r, colour)

    def dimension(self, x0, y0, x1, y1):
        """A dimension line with arrow ticks at both ends."""
        self.line(x0, y0, x1, y1)
        if y0 == y1:
            for x, d in ((x0, 1), (x1, -1)):
                self.line(x, y0, x + 5 * d, y0 - 3)
                self.line(x, y0, x + 5 * d, y0 + 3)
                self.line(x, y0 - 6, x, y0 + 6)
        else:
            for y, d in ((y0, 1), (y1, -1)):
                self.line(x0, y, x0 - 3, y + 5 * d)
                self.line(x0, y, x0 + 3, y + 5 * d)
                self.line(x0 - 6, y, x0 + 6, y)

    def bmp(self):
        """An 8-bit bitmap with a palette of the colours used, rows bottom-up."""
        colours = sorted({p for row in self.pixels for p in row})
        index = {colour: i for i, colour in enumerate(colours)}
        palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
        row_size = (self.width + 3) & ~3
        image = bytearray()
        for row in reversed(self.pixels):
            image += bytes(index[p] for p in row) + bytes(row_size - self.width)
        offset = 54 + len(palette)
        header = struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 8, 0, len(image),
                           2835, 2835, len(colours), 0)
        return header + info + palette + bytes(image)


def shortest(value):
    for precision in (15, 16, 17):
        text = '%.*g' % (precision, value)
        if float(text) == value:
            return text
    return text


def template_text(width, height, controls):
    lines = ['nrOfControls=%d' % len(controls)]
    for i, (kind, (left, top, right, bottom), contents, extension) in enumerate(controls):
        lines += ['type%d=%d' % (i, kind),
                  'topLeftX%d=%s' % (i, shortest(left / width)),
                  'topLeftY%d=%s' % (i, shortest(top / height)),
                  'bottomRightX%d=%s' % (i, shortest(right / width)),
                  'bottomRightY%d=%s' % (i, shortest(bottom / height)),
                  'contents%d=%s' % (i, contents),
                  'comboList%d=%s' % (i, extension)]
    return ''.join(line + '\r\n' for line in lines)


LABEL, EDIT, COMBO, CHECK, FLEX, GROUP = 0, 2, 3, 29, 30, 1
THICKNESS_LIST = 'Dialog Templates\\Lists\\plate_thicknesses.txt'


def plate_side_view():
    """The connection seen from the side: column flange, end plate, beam, two bolt rows."""
    c = Canvas(360, 260)
    c.rect(30, 10, 60, 250)
    c.hatch(30, 10, 60, 250)
    c.rect(60, 40, 74, 220)
    c.hatch(60, 40, 74, 220, step=4)
    c.rect(74, 60, 350, 200)
    c.line(74, 72, 350, 72)
    c.line(74, 188, 350, 188)
    for y in (95, 165):
        c.rect(22, y - 4, 84, y + 4)
        c.rect(14, y - 7, 22, y + 7)
        c.rect(84, y - 7, 92, y + 7)
    c.dimension(100, 40, 100, 220)
    c.line(74, 40, 106, 40)
    c.line(74, 220, 106, 220)
    c.dimension(60, 232, 74, 232)
    c.dimension(120, 40, 120, 95)
    c.line(84, 95, 126, 95)
    controls = [
        (LABEL, (150, 8, 300, 26), 'End plate', ''),
        (LABEL, (106, 120, 128, 136), 'h', ''),
        (EDIT, (106, 138, 166, 156), 'PlateHeight', ''),
        (LABEL, (126, 58, 150, 74), 'e1', ''),
        (EDIT, (126, 76, 176, 94), 'EdgeDist', ''),
        (LABEL, (80, 236, 100, 252), 't', ''),
        (COMBO, (100, 234, 160, 252), 'PlateThickness', THICKNESS_LIST),
        (LABEL, (208, 106, 240, 122), 'b', ''),
        (EDIT, (240, 104, 300, 122), 'PlateWidth', ''),
        (FLEX, (304, 104, 324, 122), 'PlateWidth', 'PlateSize;;1;'),
        (FLEX, (172, 138, 192, 156), 'PlateHeight', 'PlateSize;;;'),
        (CHECK, (208, 140, 330, 158), 'Stiffened', 'Stiffened'),
        # Last, so that a press on a control inside the frame selects that control.
        (GROUP, (200, 90, 340, 176), 'Plate', ''),
    ]
    return c, controls


def bolt_front_view():
    """The end plate seen from the front: two columns of bolts in three rows, with the
    gauge, pitch and edge distances dimensioned."""
    c = Canvas(360, 260)
    left, top, right, bottom = 110, 20, 250, 240
    c.rect(left, top, right, bottom)
    c.rect(100, 50, 260, 62)
    c.hatch(100, 50, 260, 62, step=4)
    c.rect(175, 62, 185, 198)
    c.rect(100, 198, 260, 210)
    c.hatch(100, 198, 260, 210, step=4)
    for x in (145, 215):
        for y in (85, 130, 175):
            c.circle(x, y, 9)
            c.cross(x, y, 12)
    c.dimension(145, 250, 215, 250)
    c.line(145, 187, 145, 256)
    c.line(215, 187, 215, 256)
    c.dimension(270, 85, 270, 130)
    c.line(224, 85, 276, 85)
    c.line(224, 130, 276, 130)
    c.dimension(90, 20, 90, 85)
    c.line(84, 20, 110, 20)
    c.line(84, 85, 136, 85)
    c.dimension(110, 8, 145, 8)
    controls = [
        (LABEL, (4, 4, 80, 20), 'Bolts', ''),
        (LABEL, (150, 224, 170, 240), 'g', ''),
        (EDIT, (170, 222, 214, 240), 'Gauge', ''),
        (LABEL, (280, 90, 300, 106), 'p', ''),
        (EDIT, (280, 106, 330, 124), 'Pitch', ''),
        (LABEL, (30, 36, 50, 52), 'e1', ''),
        (EDIT, (30, 54, 80, 72), 'EdgeDist', ''),
        (LABEL, (150, 0, 180, 16), 'e2', ''),
        (EDIT, (180, 0, 230, 16), 'EdgeSide', ''),
        (LABEL, (280, 160, 330, 176), 'Rows', ''),
        (EDIT, (280, 176, 330, 194), 'BoltRows', ''),
        (LABEL, (4, 150, 60, 166), 'Hole', ''),
        (EDIT, (30, 168, 80, 186), 'HoleDia', ''),
    ]
    return c, controls


def write(path, data, binary=False):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data if binary else data.encode('cp1252'))


def main():
    library = sys.argv[1] if len(sys.argv) > 1 else os.path.join('examples', 'library')
    folder = os.path.join(library, 'Dialog Templates', 'Dialog Design', 'EndPlate')
    for name, draw in (('Plate', plate_side_view), ('Bolts', bolt_front_view)):
        canvas, controls = draw()
        write(os.path.join(folder, name + '.bmp'), canvas.bmp(), binary=True)
        write(os.path.join(folder, name + '.txt'),
              template_text(canvas.width, canvas.height, controls))
    thicknesses = ''.join('%d\r\n' % t for t in (8, 10, 12, 15, 20, 25, 30))
    # Beside the template folder, so that it is not taken for a template.
    write(os.path.join(library, 'Dialog Templates', 'Lists', 'plate_thicknesses.txt'), thicknesses)


if __name__ == '__main__':
    main()
