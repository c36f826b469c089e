"""Shared by the image-strip scripts: a 16x16 pixel canvas with a few
drawing primitives, and the writer of an 8-bit strip bitmap whose first
palette entry is the transparent key colour."""
import os
import struct
import sys

SIZE = 16
KEY = (255, 0, 255)


def blank():
    return [[KEY] * SIZE for _ in range(SIZE)]


def put(img, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def hline(img, x0, x1, y, colour):
    for x in range(x0, x1 + 1):
        put(img, x, y, colour)


def vline(img, x, y0, y1, colour):
    for y in range(y0, y1 + 1):
        put(img, x, y, colour)


def rect(img, x0, y0, x1, y1, colour, fill=None):
    if fill is not None:
        for y in range(y0 + 1, y1):
            hline(img, x0 + 1, x1 - 1, y, fill)
    hline(img, x0, x1, y0, colour)
    hline(img, x0, x1, y1, colour)
    vline(img, x0, y0, y1, colour)
    vline(img, x1, y0, y1, colour)


def line(img, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        put(img, round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


def write_bmp8(path, pixels, who):
    """pixels: rows top to bottom of RGB tuples; 8 bits, palette in order of use."""
    h, w = len(pixels), len(pixels[0])
    colours = [KEY]
    for row in pixels:
        for c in row:
            if c not in colours:
                colours.append(c)
    if len(colours) > 256:
        sys.exit(f"{who}: more than 256 colours")
    index = {c: i for i, c in enumerate(colours)}
    row_bytes = (w + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytes(index[c] for c in row)
        data += packed + b"\0" * (row_bytes - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 2835, 2835,
                       len(colours), len(colours))
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def write_strip(path, count, icons, who):
    """Draws icons[0..count-1] side by side; every image must exist and differ."""
    missing = [i for i in range(count) if i not in icons]
    extra = [i for i in icons if i >= count]
    if missing or extra:
        sys.exit(f"{who}: no drawing for {missing}, too many: {extra}")
    strip = [[KEY] * (SIZE * count) for _ in range(SIZE)]
    seen = {}
    for i in range(count):
        img = blank()
        icons[i](img)
        frozen = tuple(tuple(r) for r in img)
        if frozen in seen:
            sys.exit(f"{who}: images {seen[frozen]} and {i} are the same")
        seen[frozen] = i
        for y in range(SIZE):
            strip[y][i * SIZE:(i + 1) * SIZE] = img[y]
    write_bmp8(path, strip, who)
    print(f"wrote {os.path.normpath(path)}: {count} images")
