#!/usr/bin/env python3
"""Draws the roster program's pictures into assets/roster/.

Standard library only: a small polygon rasterizer with supersampling, and
writers for a 16-colour BMP, a GIF with a transparent colour and RGBA PNGs.

    tools/roster-pictures.py [output folder]
"""
import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- canvas


class Canvas:
    """RGBA pixels drawn with `ss` x `ss` samples each; shapes are opaque."""

    def __init__(self, width, height, ss=4, background=None):
        self.w, self.h, self.ss = width, height, ss
        self.sw, self.sh = width * ss, height * ss
        self.px = [background] * (self.sw * self.sh)

    def polygon(self, points, colour):
        s = self.ss
        pts = [(x * s, y * s) for x, y in points]
        n = len(pts)
        ymin = max(0, int(math.floor(min(p[1] for p in pts))))
        ymax = min(self.sh - 1, int(math.ceil(max(p[1] for p in pts))))
        for sy in range(ymin, ymax + 1):
            y = sy + 0.5
            xs = []
            for i in range(n):
                x0, y0 = pts[i]
                x1, y1 = pts[(i + 1) % n]
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            row = sy * self.sw
            for a, b in zip(xs[0::2], xs[1::2]):
                start = max(0, int(math.ceil(a - 0.5)))
                end = min(self.sw - 1, int(math.floor(b - 0.5)))
                for sx in range(start, end + 1):
                    self.px[row + sx] = colour

    def rect(self, x, y, w, h, colour):
        self.polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], colour)

    def ellipse(self, cx, cy, rx, ry, colour, start=0.0, end=360.0, steps=48):
        if end - start >= 360:
            pts = [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
                   for a in (start + i * 360.0 / steps for i in range(steps))]
        else:
            pts = [(cx, cy)] + [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
                                for a in (start + i * (end - start) / steps for i in range(steps + 1))]
        self.polygon(pts, colour)

    def circle(self, cx, cy, r, colour):
        self.ellipse(cx, cy, r, r, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    def polyline(self, points, width, colour):
        for a, b in zip(points, points[1:]):
            self.line(a[0], a[1], b[0], b[1], width, colour)
            self.circle(b[0], b[1], width / 2, colour)

    def arc(self, cx, cy, r, start, end, width, colour, steps=24):
        pts = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
               for a in (start + i * (end - start) / steps for i in range(steps + 1))]
        self.polyline(pts, width, colour)

    def pixels(self):
        """Averaged RGBA rows (alpha 0..255)."""
        s = self.ss
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r = g = b = a = 0
                for yy in range(y * s, y * s + s):
                    base = yy * self.sw + x * s
                    for c in self.px[base:base + s]:
                        if c is not None:
                            r += c[0]; g += c[1]; b += c[2]; a += 1
                n = s * s
                if a:
                    row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
                else:
                    row.append((0, 0, 0, 0))
            out.append(row)
        return out

# ---------------------------------------------------------------- writers


def write_png(path, rows):
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def nearest(palette, c):
    return min(range(len(palette)), key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))


def write_bmp16(path, rows):
    """A 4-bit (16-colour) Windows bitmap with the standard VGA palette."""
    h, w = len(rows), len(rows[0])
    stride = ((w + 1) // 2 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(rows):
        idx = [nearest(VGA16, p) for p in row]
        if len(idx) % 2:
            idx.append(0)
        line = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        data += line + b"\x00" * (stride - len(line))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16)
    offset = 14 + 40 + len(palette)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 16))
        f.write(palette)
        f.write(data)


def lzw_gif(indices, min_code_size):
    """LZW-compresses palette indices as GIF image data (variable-width codes)."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bitbuf, bitcount = bytearray(), 0, 0

    def emit(code, width):
        nonlocal bitbuf, bitcount
        bitbuf |= code << bitcount
        bitcount += width
        while bitcount >= 8:
            out.append(bitbuf & 0xFF)
            bitbuf >>= 8
            bitcount -= 8

    def reset():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    current = b""
    for i in indices:
        candidate = current + bytes([i])
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        current = bytes([i])
    if current:
        emit(table[current], width)
    emit(end, width)
    if bitcount:
        out.append(bitbuf & 0xFF)
    blocks = bytearray()
    for k in range(0, len(out), 255):
        part = out[k:k + 255]
        blocks += bytes([len(part)]) + part
    return bytes(blocks) + b"\x00"


def write_gif(path, rows):
    """A GIF89a picture; pixels under half covered are the transparent colour 0."""
    h, w = len(rows), len(rows[0])
    colours = {}
    for row in rows:
        for p in row:
            if p[3] >= 128:
                key = tuple(v // 8 * 8 for v in p[:3])
                colours[key] = colours.get(key, 0) + 1
    palette = [(255, 0, 255)] + sorted(colours, key=lambda c: -colours[c])[:255]
    lookup = {}
    indices = []
    for row in rows:
        for p in row:
            if p[3] < 128:
                indices.append(0)
                continue
            key = tuple(v // 8 * 8 for v in p[:3])
            if key not in lookup:
                lookup[key] = 1 + nearest(palette[1:], key)
            indices.append(lookup[key])
    bits = max(1, (len(palette) - 1).bit_length())
    size = 1 << bits
    table = b"".join(bytes(c) for c in palette) + b"\x00\x00\x00" * (size - len(palette))
    with open(path, "wb") as f:
        f.write(b"GIF89a" + struct.pack("<HHBBB", w, h, 0x80 | 0x70 | (bits - 1), 0, 0))
        f.write(table)
        f.write(b"\x21\xF9\x04\x01\x00\x00\x00\x00")  # graphic control: colour 0 is transparent
        f.write(b"\x2C" + struct.pack("<HHHHB", 0, 0, w, h, 0))
        min_code = max(2, bits)
        f.write(bytes([min_code]) + lzw_gif(indices, min_code))
        f.write(b"\x3B")

# ---------------------------------------------------------------- pictures

SKY, NIGHT, MOON, STAR = (0, 0, 128), (0, 0, 0), (255, 255, 0), (255, 255, 255)
PINE, GRASS, HILL = (0, 128, 0), (0, 255, 0), (0, 128, 0)
TENT, TENT_SHADE, DOOR = (255, 0, 0), (128, 0, 0), (0, 0, 0)
LOG, FLAME, FLAME_CORE = (128, 128, 0), (255, 0, 0), (255, 255, 0)
STONE, FLAGPOLE, FLAG = (128, 128, 128), (192, 192, 192), (255, 255, 0)


def pine(c, x, base, height, width, colour=PINE):
    c.rect(x - 2, base - 8, 4, 8, LOG)
    for k in range(3):
        top = base - height + k * height * 0.25
        bottom = base - 6 - (2 - k) * height * 0.12
        half = width * (0.45 + 0.25 * k)
        c.polygon([(x, top), (x + half, bottom), (x - half, bottom)], colour)


def fleur_de_lis(c, cx, cy, s, colour):
    """The scout badge, roughly: three petals and a band."""
    c.polygon([(cx, cy - 10 * s), (cx + 3 * s, cy - 4 * s), (cx + 1.5 * s, cy + 2 * s),
               (cx - 1.5 * s, cy + 2 * s), (cx - 3 * s, cy - 4 * s)], colour)
    for side in (-1, 1):
        c.polygon([(cx + side * 1.5 * s, cy + 1 * s), (cx + side * 6 * s, cy - 5 * s), (cx + side * 8 * s, cy - 2 * s),
                   (cx + side * 6 * s, cy + 2 * s), (cx + side * 3 * s, cy + 5 * s)], colour)
    c.rect(cx - 5 * s, cy + 2.5 * s, 10 * s, 2 * s, colour)
    c.polygon([(cx - 1.5 * s, cy + 4 * s), (cx + 1.5 * s, cy + 4 * s), (cx, cy + 8 * s)], colour)


def campsite():
    """Image1: a camp at night, tent, fire and pines, under a scout flag."""
    c = Canvas(179, 180, ss=1, background=SKY)
    c.rect(0, 0, 179, 44, NIGHT)
    for x, y in [(12, 10), (40, 24), (70, 8), (95, 30), (150, 14), (165, 40), (20, 50), (120, 20), (60, 45)]:
        c.rect(x, y, 2, 2, STAR)
    c.circle(140, 20, 12, MOON)
    c.circle(146, 15, 10, NIGHT)
    c.polygon([(0, 112), (40, 92), (90, 104), (140, 88), (179, 100), (179, 180), (0, 180)], HILL)
    for x, h in [(14, 62), (34, 78), (160, 70)]:
        pine(c, x, 118, h, 26)
    c.polygon([(0, 124), (60, 116), (179, 122), (179, 180), (0, 180)], GRASS)
    # the tent
    c.polygon([(58, 150), (92, 96), (126, 150)], TENT)
    c.polygon([(92, 96), (126, 150), (138, 146), (104, 94)], TENT_SHADE)
    c.polygon([(82, 150), (92, 118), (102, 150)], DOOR)
    c.line(92, 96, 92, 90, 2, LOG)
    # the flag with the badge
    c.rect(44, 70, 2, 82, FLAGPOLE)
    c.rect(46, 70, 24, 17, TENT_SHADE)
    fleur_de_lis(c, 58, 78, 0.75, FLAG)
    # the fire
    c.ellipse(36, 166, 18, 5, STONE)
    c.line(22, 166, 50, 158, 4, LOG)
    c.line(22, 158, 50, 166, 4, LOG)
    c.polygon([(26, 162), (30, 146), (34, 154), (37, 138), (41, 152), (45, 146), (46, 162)], FLAME)
    c.polygon([(31, 162), (35, 152), (38, 146), (41, 162)], FLAME_CORE)
    return c.pixels()


def cookpot():
    """Image2: a pot of stew over a camp fire, steaming."""
    c = Canvas(84, 89, ss=3)
    steam = (215, 215, 225)
    for x in (30, 42, 54):
        c.polyline([(x, 24), (x - 4, 18), (x, 12), (x - 4, 6), (x, 2)], 3, steam)
    # tripod and hook
    c.line(10, 86, 42, 8, 3, (90, 60, 30))
    c.line(74, 86, 42, 8, 3, (90, 60, 30))
    c.line(42, 8, 42, 30, 2, (60, 60, 60))
    c.arc(42, 44, 20, 200, 340, 2, (60, 60, 60))
    # pot
    c.ellipse(42, 62, 24, 18, (45, 45, 50), 0, 180)
    c.rect(18, 38, 48, 24, (45, 45, 50))
    c.rect(18, 38, 48, 5, (95, 95, 105))
    c.ellipse(42, 38, 24, 5, (150, 90, 40))
    c.ellipse(36, 37, 4, 2, (220, 150, 70))
    c.ellipse(49, 38, 3, 1.5, (110, 170, 60))
    c.rect(14, 41, 5, 4, (45, 45, 50))
    c.rect(65, 41, 5, 4, (45, 45, 50))
    # fire under it
    c.line(22, 86, 62, 78, 6, (110, 70, 35))
    c.line(22, 78, 62, 86, 6, (130, 85, 40))
    c.polygon([(26, 80), (30, 70), (35, 76), (42, 64), (49, 76), (54, 70), (58, 80)], (235, 80, 20))
    c.polygon([(33, 80), (38, 73), (42, 68), (46, 73), (51, 80)], (255, 200, 40))
    return c.pixels()


def icon(size):
    """The program icon: a tent with a fire beside it, on a round green badge."""
    c = Canvas(64, 64, ss=4)
    c.circle(32, 32, 31, (30, 90, 45))
    c.circle(32, 32, 27, (20, 40, 90))
    c.polygon([(5, 44), (59, 44), (56, 52), (32, 59), (8, 52)], (40, 140, 60))
    c.polygon([(10, 46), (30, 14), (50, 46)], (220, 200, 120))
    c.polygon([(30, 14), (50, 46), (56, 44), (36, 14)], (180, 150, 80))
    c.polygon([(24, 46), (30, 30), (36, 46)], (70, 45, 25))
    c.polygon([(44, 50), (48, 40), (51, 46), (54, 36), (58, 50)], (245, 120, 20))
    c.circle(46, 20, 4, (250, 240, 190))
    rows = c.pixels()
    if size == 64:
        return rows
    step = 64 // size
    return [[tuple(round(sum(rows[y * step + j][x * step + i][k] for j in range(step) for i in range(step))
                         / step / step) for k in range(4)) for x in range(size)] for y in range(size)]


GREEN, DARK_GREEN = (40, 160, 60), (20, 90, 30)


def arrow(size, right=True):
    c = Canvas(size, size)
    s = size / 16
    pts = [(2, 6), (8, 6), (8, 2), (14.5, 8), (8, 14), (8, 10), (2, 10)]
    if not right:
        pts = [(16 - x, y) for x, y in pts]
    c.polygon([(x * s, y * s) for x, y in pts], DARK_GREEN)
    inner = [(3, 7), (9, 7), (9, 4.5), (12.8, 8), (9, 11.5), (9, 9), (3, 9)]
    if not right:
        inner = [(16 - x, y) for x, y in inner]
    c.polygon([(x * s, y * s) for x, y in inner], GREEN)
    return c.pixels()


def add_scout():
    """A scout (head and shoulders with a neckerchief) and a plus."""
    c = Canvas(16, 16)
    c.circle(6, 5, 3, (230, 180, 140))
    c.ellipse(6, 15, 6, 6, (120, 110, 60), 180, 360)
    c.polygon([(3.5, 9.5), (8.5, 9.5), (6, 13)], (220, 40, 30))
    c.rect(11, 2, 2, 7, GREEN)
    c.rect(8.5, 4.5, 7, 2, GREEN)
    return c.pixels()


def add_meal():
    """A bowl and a plus."""
    c = Canvas(16, 16)
    c.ellipse(7, 9, 6.5, 5, (200, 120, 40), 0, 180)
    c.ellipse(7, 9, 6.5, 1.5, (250, 220, 150))
    c.rect(4, 14, 6, 1.5, (150, 85, 30))
    c.rect(12, 1, 2, 7, GREEN)
    c.rect(9.5, 3.5, 7, 2, GREEN)
    return c.pixels()


def delete():
    c = Canvas(16, 16)
    red, dark = (220, 40, 30), (140, 20, 15)
    c.line(3, 3, 13, 13, 3.4, dark)
    c.line(13, 3, 3, 13, 3.4, dark)
    c.line(3.6, 3.6, 12.4, 12.4, 2, red)
    c.line(12.4, 3.6, 3.6, 12.4, 2, red)
    return c.pixels()


def print_preview():
    """A printer with a sheet coming out and a magnifier."""
    c = Canvas(24, 24)
    c.rect(6, 2, 11, 8, (250, 250, 250))
    c.rect(6, 2, 11, 8.6, (250, 250, 250))
    for y in (4, 6, 8):
        c.rect(7.5, y, 8, 0.8, (120, 120, 140))
    c.rect(2, 9, 19, 8, (110, 110, 120))
    c.rect(2, 9, 19, 2, (160, 160, 170))
    c.rect(5, 15, 13, 6, (250, 250, 250))
    c.circle(18, 12, 1, (60, 200, 60))
    c.circle(17, 17, 4.5, (40, 40, 50))
    c.circle(17, 17, 3.2, (190, 220, 250))
    c.line(20, 20, 23, 23, 2.4, (40, 40, 50))
    return c.pixels()


def save():
    """A floppy disk."""
    c = Canvas(24, 24)
    c.polygon([(3, 3), (19, 3), (21, 5), (21, 21), (3, 21)], (40, 70, 150))
    c.rect(7, 3, 10, 7, (220, 220, 230))
    c.rect(13, 4, 2.5, 5, (40, 70, 150))
    c.rect(6, 13, 12, 8, (250, 250, 250))
    for y in (15, 17, 19):
        c.rect(7.5, y, 9, 0.8, (150, 150, 170))
    return c.pixels()


def retry():
    """A circular arrow."""
    c = Canvas(16, 16)
    c.arc(8, 8, 5, 40, 330, 2.6, DARK_GREEN)
    c.arc(8, 8, 5, 40, 330, 1.4, GREEN)
    c.polygon([(13.9, 0.8), (14.8, 8.2), (7.8, 6.2)], DARK_GREEN)
    return c.pixels()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "roster")
    os.makedirs(out, exist_ok=True)
    write_bmp16(os.path.join(out, "campsite.bmp"), campsite())
    write_gif(os.path.join(out, "cookpot.gif"), cookpot())
    write_png(os.path.join(out, "icon.png"), icon(64))
    write_png(os.path.join(out, "continue.png"), arrow(16))
    write_png(os.path.join(out, "continue-large.png"), arrow(32))
    write_png(os.path.join(out, "back.png"), arrow(16, right=False))
    write_png(os.path.join(out, "add-scout.png"), add_scout())
    write_png(os.path.join(out, "add-meal.png"), add_meal())
    write_png(os.path.join(out, "delete.png"), delete())
    write_png(os.path.join(out, "print-preview.png"), print_preview())
    write_png(os.path.join(out, "save.png"), save())
    write_png(os.path.join(out, "retry.png"), retry())


if __name__ == "__main__":
    main()
