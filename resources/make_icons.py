#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico (16 and 32 pixels) and,
for desktops that want one, the window icon as a 48-pixel PNG.

The icons are committed; run this again only to change a picture:
    python3 resources/make_icons.py resources
"""
import math
import os
import struct
import sys
import zlib

SUPER = 4  # supersampling factor for smooth edges


class Canvas:
    def __init__(self, size):
        self.size = size
        self.n = size * SUPER
        self.px = [[(0, 0, 0, 0)] * self.n for _ in range(self.n)]

    def _fill(self, inside, colour):
        n = self.n
        for y in range(n):
            fy = (y + 0.5) / n
            row = self.px[y]
            for x in range(n):
                if inside((x + 0.5) / n, fy):
                    row[x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self._fill(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, colour)

    def circle(self, cx, cy, r, colour, inner=0.0):
        self._fill(lambda x, y: inner ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r ** 2, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            px, py = x0 + t * dx, y0 + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2

        self._fill(inside, colour)

    def polygon(self, points, colour):
        def inside(x, y):
            hit = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit

        self._fill(inside, colour)

    def pixels(self):
        """Downsampled RGBA rows, top row first."""
        out = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                acc = [0, 0, 0, 0]
                for sy in range(SUPER):
                    for sx in range(SUPER):
                        r, g, b, a = self.px[y * SUPER + sy][x * SUPER + sx]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                a = acc[3]
                if a == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((acc[0] // a, acc[1] // a, acc[2] // a, a // (SUPER * SUPER)))
            out.append(row)
        return out


BLUE = (36, 99, 178, 255)
DARK = (40, 44, 52, 255)
PAPER = (250, 250, 245, 255)
BROWN = (160, 112, 60, 255)
GREEN = (46, 140, 80, 255)
RED = (200, 48, 48, 255)
WHITE = (255, 255, 255, 255)
GREY = (120, 126, 136, 255)


def draw_window_icon(c):
    # A sheet of text with a blue arrow: the clipboard made over.
    c.rect(0.10, 0.06, 0.74, 0.94, DARK)
    c.rect(0.16, 0.12, 0.68, 0.88, PAPER)
    for i, w in enumerate((0.40, 0.30, 0.44, 0.24)):
        y = 0.22 + i * 0.15
        c.rect(0.22, y, 0.22 + w, y + 0.06, GREY)
    c.line(0.50, 0.70, 0.86, 0.34, 0.14, BLUE)
    c.polygon([(0.94, 0.22), (0.94, 0.56), (0.62, 0.26)], BLUE)


def draw_paste_icon(c):
    # A clipboard with a green tick: fix what is on it.
    c.rect(0.14, 0.12, 0.86, 0.96, BROWN)
    c.rect(0.22, 0.22, 0.78, 0.88, PAPER)
    c.rect(0.34, 0.04, 0.66, 0.20, GREY)
    c.line(0.32, 0.58, 0.46, 0.74, 0.11, GREEN)
    c.line(0.46, 0.74, 0.72, 0.38, 0.11, GREEN)


def draw_reset_icon(c):
    # A clipboard with an arrow turning back: the text as it was.
    c.rect(0.14, 0.12, 0.86, 0.96, BROWN)
    c.rect(0.22, 0.22, 0.78, 0.88, PAPER)
    c.rect(0.34, 0.04, 0.66, 0.20, GREY)
    c.circle(0.50, 0.58, 0.20, BLUE, inner=0.12)
    c.rect(0.50, 0.36, 0.72, 0.58, PAPER)
    c.polygon([(0.44, 0.30), (0.60, 0.42), (0.44, 0.54)], BLUE)


def draw_close_icon(c):
    c.circle(0.5, 0.5, 0.46, RED)
    c.line(0.32, 0.32, 0.68, 0.68, 0.13, WHITE)
    c.line(0.68, 0.32, 0.32, 0.68, 0.13, WHITE)


ICONS = {
    "Rreplace.ico": draw_window_icon,
    "PASTE.ICO": draw_paste_icon,
    "CUT.ICO": draw_reset_icon,
    "Close.ico": draw_close_icon,
}


def dib(rows):
    """One icon image as a 32-bit DIB with its AND mask, bottom row first."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for rows in images:
        blob = dib(rows)
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def render(draw, size):
    canvas = Canvas(size)
    draw(canvas)
    return canvas.pixels()


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in ICONS.items():
        with open(os.path.join(target, name), "wb") as f:
            f.write(ico([render(draw, 16), render(draw, 32)]))
    with open(os.path.join(target, "morwick.png"), "wb") as f:
        f.write(png(render(draw_window_icon, 48)))


if __name__ == "__main__":
    main()
