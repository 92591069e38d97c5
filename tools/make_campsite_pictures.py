#!/usr/bin/env python3
"""Draws the campsite program's pictures as Windows BMP files.

The five template pictures are 24-bit bitmaps (14-byte file header, 40-byte
information header, no colour table, bottom-up rows padded to 4 bytes): the
51 x 45 ones are 7074 bytes, the 91 x 69 hills 19098 bytes. The arrow button's
mouse pointer (24 x 24) and the design switch's push-pin (15 x 14) are 16-colour
(4-bit) bitmaps. Run it from the repository root; it writes assets/campsite/.
Only the standard library is used, so the output is the same on every machine.
"""
import math
import os
import struct
import sys

LIME = (0, 255, 0)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class Canvas:
    def __init__(self, width, height, ground):
        self.width, self.height = width, height
        self.pixels = [[ground] * width for _ in range(height)]  # top-down

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, inside, colour):
        """Paints every pixel whose centre satisfies inside(x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        self.fill(lambda x, y: left <= x < right and top <= y < bottom, colour)

    def polygon(self, points, colour):
        def inside(px, py):
            result = False
            j = len(points) - 1
            for i in range(len(points)):
                (xi, yi), (xj, yj) = points[i], points[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result
        self.fill(inside, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        self.fill(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        def near(px, py):
            dx, dy = x1 - x0, y1 - y0
            length = dx * dx + dy * dy
            t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length))
            return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= width / 2
        self.fill(near, colour)

    def arc(self, cx, cy, radius, width, colour):
        """The upper half of a ring: a hill's contour line seen from above."""
        self.fill(lambda x, y: y <= cy and abs(math.hypot(x - cx, y - cy) - radius) <= width / 2,
                  colour)

    def text(self, left, top, words, scale, colour):
        x = left
        for char in words:
            glyph = FONT[char]
            for row, bits in enumerate(glyph):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        self.rect(x + column * scale, top + row * scale,
                                  x + (column + 1) * scale, top + (row + 1) * scale, colour)
            x += (len(glyph[0]) + 1) * scale


# A small pixel font, just the letters the sign needs.
FONT = {
    "F": ["###", "#..", "##.", "#..", "#.."],
    "a": ["...", "##.", "..#", "###", "###"],
    "l": ["#", "#", "#", "#", "#"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "n": ["...", "##.", "#.#", "#.#", "#.#"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "i": ["#", ".", "#", "#", "#"],
    "t": [".#.", "###", ".#.", ".#.", ".##"],
    "e": [".#.", "#.#", "###", "#..", ".##"],
    " ": ["..", "..", "..", "..", ".."],
}


def bmp24(canvas):
    row_size = (canvas.width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(canvas.height)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in canvas.pixels[y])
        rows.append(row + b"\0" * (row_size - len(row)))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                       3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return header + info + data


def bmp4(canvas):
    palette = sorted(set(colour for row in canvas.pixels for colour in row))
    assert len(palette) <= 16, "a 16-colour picture"
    palette += [BLACK] * (16 - len(palette))
    index = {colour: i for i, colour in reversed(list(enumerate(palette)))}
    row_size = ((canvas.width + 1) // 2 + 3) // 4 * 4
    rows = []
    for y in reversed(range(canvas.height)):
        nibbles = [index[c] for c in canvas.pixels[y]] + [0]
        row = bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, canvas.width, 2))
        rows.append(row + b"\0" * (row_size - len(row)))
    data = b"".join(rows)
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0, len(data),
                       3780, 3780, 16, 0)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + colours + data


def tent():
    c = Canvas(51, 45, LIME)
    grey, dark, shade = (150, 150, 150), (60, 60, 60), (112, 112, 112)
    c.polygon([(25.5, 4), (47, 40), (4, 40)], grey)           # the fly
    c.polygon([(25.5, 4), (47, 40), (36, 40)], shade)          # its shaded side
    c.polygon([(25.5, 16), (32, 40), (19, 40)], dark)          # the open door
    c.line(25.5, 1, 25.5, 7, 2, dark)                          # the pole's top
    c.line(4, 40, 1, 43, 1.5, dark)                            # guy lines
    c.line(47, 40, 50, 43, 1.5, dark)
    c.rect(2, 40, 49, 42, dark)                                # the ground line
    return c


def popup():
    c = Canvas(51, 45, WHITE)
    red, dark, leg = (210, 30, 30), (130, 10, 10), (70, 70, 70)
    c.polygon([(25.5, 3), (48, 16), (3, 16)], red)             # the roof
    c.polygon([(25.5, 3), (48, 16), (36, 16)], dark)
    c.rect(3, 16, 48, 21, dark)                                # the valance
    for x in (4, 10, 41, 47):
        c.line(x, 20, x, 42, 3 if x in (4, 47) else 2, leg)    # the four legs
    c.rect(1, 41, 8, 44, leg)                                  # feet
    c.rect(43, 41, 50, 44, leg)
    return c


def sign():
    c = Canvas(51, 45, (192, 192, 192))
    frame, board, letters = (64, 64, 64), (160, 160, 160), BLACK
    c.rect(0, 0, 51, 45, frame)
    c.rect(3, 3, 48, 42, board)
    c.text(7, 8, "Fall In", 1, letters)
    c.text(11, 24, "Site", 2, letters)
    return c


def fire_circle():
    c = Canvas(51, 45, WHITE)
    stone, stone_dark = (128, 128, 128), (80, 80, 80)
    for i in range(12):
        angle = 2 * math.pi * i / 12
        x, y = 25.5 + 20 * math.cos(angle), 22.5 + 17 * math.sin(angle)
        c.ellipse(x, y, 4.2, 3.6, stone_dark)
        c.ellipse(x - 0.6, y - 0.6, 3.0, 2.5, stone)
    c.polygon([(25.5, 6), (34, 22), (33, 32), (18, 32), (17, 22)], (230, 40, 0))   # flames
    c.polygon([(25.5, 13), (31, 24), (30, 32), (21, 32), (20, 24)], (255, 140, 0))
    c.polygon([(25.5, 20), (28, 27), (28, 32), (23, 32), (23, 27)], (255, 230, 0))
    c.line(17, 34, 34, 30, 3, (110, 60, 20))                   # logs
    c.line(17, 30, 34, 34, 3, (140, 80, 30))
    return c


def hills():
    c = Canvas(91, 69, LIME)
    contour = (0, 110, 0)
    for radius in (40, 27, 14):
        c.arc(45.5, 62, radius, 4, contour)
    c.rect(2, 62, 89, 65, contour)                              # the foot of the hill
    c.ellipse(45.5, 55, 3, 3, contour)                          # the summit mark
    return c


def arrow():
    c = Canvas(24, 24, (192, 192, 192))
    outline = [(5, 2), (5, 19), (9, 15), (12, 22), (15, 21), (12, 14), (18, 14)]
    c.polygon(outline, BLACK)
    c.polygon([(6.3, 5), (6.3, 16.3), (9.4, 13.2), (12.6, 20.4), (13.6, 20), (10.6, 12.8),
               (15.2, 12.8)], WHITE)
    return c


def push_pin():
    c = Canvas(15, 14, (192, 192, 192))
    red, dark, needle = (255, 0, 0), (128, 0, 0), (64, 64, 64)
    c.line(4, 10, 1, 13, 1.2, needle)                           # the needle
    c.polygon([(4, 6), (8, 10), (5, 11), (3, 9)], dark)         # the collar
    c.polygon([(8, 1), (14, 7), (10, 10), (5, 5)], red)         # the head
    c.polygon([(11, 4), (14, 7), (10, 10), (9, 8)], dark)
    return c


PICTURES = {
    "tent.bmp": (tent, bmp24),
    "popup.bmp": (popup, bmp24),
    "fallin.bmp": (sign, bmp24),
    "firecircle.bmp": (fire_circle, bmp24),
    "hills.bmp": (hills, bmp24),
    "arrow.bmp": (arrow, bmp4),
    "pushpin.bmp": (push_pin, bmp4),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("assets", "campsite")
    os.makedirs(folder, exist_ok=True)
    for name, (draw, encode) in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(encode(draw()))


if __name__ == "__main__":
    main()
