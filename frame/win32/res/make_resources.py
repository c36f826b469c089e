#!/usr/bin/env python3
"""Writes the plug-in's own bitmaps and cursors into this folder.

Bitmaps 101-103 (16x16) and 104-106 (24x24), 16 colours: the button the
host shows for the plug-in, in its plain, hot and pressed looks. The
picture is a page with a large "V" on it. Cursors 126 (a pointing hand,
for links) and 127 (an arrow with a drop-down mark, for buttons that open
menus or windows) are 32x32 monochrome.

Run it again after changing a drawing: python3 make_resources.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, so the bitmaps look the same on any display.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, FACE, SHADOW, BLUE, WHITE = 0, 4, 7, 8, 12, 15


def write_bmp4(path, pixels):
    """pixels: rows top to bottom of palette indices."""
    h, w = len(pixels), len(pixels[0])
    row_bytes = ((w * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytearray()
        for x in range(0, w, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < w else 0
            packed.append((hi << 4) | lo)
        packed += b"\0" * (row_bytes - len(packed))
        data += packed
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def line(img, x0, y0, x1, y1, colour, width=1):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        for dx in range(width):
            if 0 <= y < len(img) and 0 <= x + dx < len(img[0]):
                img[y][x + dx] = colour


def button(size, look):
    """look: 'plain', 'hot' or 'pressed'."""
    s = size / 16.0
    img = [[FACE] * size for _ in range(size)]
    shift = 1 if look == "pressed" else 0
    left, top = round(2 * s) + shift, round(1 * s) + shift
    right, bottom = round(13 * s) + shift, round(14 * s) + shift
    fold = round(3 * s)
    border = BLUE if look == "hot" else (BLACK if look == "pressed" else SHADOW)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x - left + (top + fold - y) > right - left:  # the folded corner
                continue
            img[y][x] = WHITE
    line(img, left, top, right - fold, top, border)
    line(img, right - fold, top, right, top + fold, border)
    line(img, right - fold, top, right - fold, top + fold, border)
    line(img, right - fold, top + fold, right, top + fold, border)
    line(img, right, top + fold, right, bottom, border)
    line(img, left, bottom, right, bottom, border)
    line(img, left, top, left, bottom, border)
    # The "V": two strokes meeting at the page's lower middle.
    stroke = 2 if size >= 24 else 1
    colour = BLUE if look == "hot" else DARK_BLUE
    vx0, vy0 = left + round(2 * s), top + round(4 * s)
    vx1, vy1 = (left + right) // 2, bottom - round(2 * s)
    vx2 = right - round(2 * s) - (stroke - 1)
    line(img, vx0, vy0, vx1, vy1, colour, stroke + (0 if size >= 24 else 1))
    line(img, vx2, vy0, vx1, vy1, colour, stroke + (0 if size >= 24 else 1))
    return img


def write_cursor(path, shape, hotspot):
    """shape: 32 strings of 32 chars: '.' transparent, '#' black, 'o' white."""
    xor, and_ = bytearray(), bytearray()
    for row in reversed(shape):
        xbits = abits = 0
        for c in row:
            xbits = (xbits << 1) | (1 if c == "o" else 0)
            abits = (abits << 1) | (1 if c == "." else 0)
        xor += struct.pack(">I", xbits)
        and_ += struct.pack(">I", abits)
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 2)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + palette + bytes(xor) + bytes(and_)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def pad(rows):
    rows = [r.ljust(32, ".") for r in rows]
    return rows + ["." * 32] * (32 - len(rows))


HAND = pad([
    ".....##",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo###",
    "....#oo#oo###",
    "....#oo#oo#oo##",
    "....#oo#oo#oo#o#",
    ".##.#oooooooo#oo#",
    "#oo##ooooooooooo#",
    "#ooo#ooooooooooo#",
    ".#oooooooooooooo#",
    "..#ooooooooooooo#",
    "..#oooooooooooo#",
    "...#ooooooooooo#",
    "...#oooooooooo#",
    "....#ooooooooo#",
    "....#ooooooooo#",
    "....###########",
])

ARROW_MENU = pad([
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooo#####",
    "#oo#oo#",
    "#o#.#oo#",
    "##..#oo#",
    "#....#oo#",
    ".....#oo#",
    "......##",
    "",
    "........###########",
    "........#ooooooooo#",
    ".........#ooooooo#",
    "..........#ooooo#",
    "...........#ooo#",
    "............#o#",
    ".............#",
])


def main():
    for ident, size, look in [(101, 16, "plain"), (102, 16, "hot"), (103, 16, "pressed"),
                              (104, 24, "hot"), (105, 24, "plain"), (106, 24, "pressed")]:
        write_bmp4(os.path.join(HERE, "button%d.bmp" % ident), button(size, look))
    write_cursor(os.path.join(HERE, "link.cur"), HAND, (6, 0))
    write_cursor(os.path.join(HERE, "menu_button.cur"), ARROW_MENU, (0, 0))


if __name__ == "__main__":
    main()
