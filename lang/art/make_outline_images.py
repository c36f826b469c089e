#!/usr/bin/env python3
"""Draws the outline window's image strip of the English language library.

Writes ../en/res/outline.bmp: 55 images of 16x16 pixels side by side
(880x16) as an 8-bit bitmap. Pixels in KEY colour (magenta, 255,0,255) are
transparent: the window builds its image lists with that colour as mask.

  0       the document
  1-14    part .. subparagraph headings, odd: in the open document,
          even: in another file (those carry a small link arrow)
  15      the labels group, 16 the heading-labels group
  17-40   label classes (part .. subparagraph, equation, figure, table,
          item, other), odd/even as for headings; the odd ones of
          equation .. other double as their group images
  41, 42  spare labels (unused by the window)
  43      bibliography group, 44/45 a bibliography item
  46      files group, 47 the open document's file, 48 another file
  49-54   toolbar: expand to depth, expand all, collapse all, jump,
          refresh, menu

Everything is drawn here pixel by pixel with a small built-in letter set,
so the script needs nothing but python3:
    python3 lang/art/make_outline_images.py
The build uses the committed bitmap; run this again only after a change.
"""
import os
import sys

from strip import KEY, hline, line, put, rect, vline, write_strip

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "en", "res", "outline.bmp")
COUNT = 55

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
NAVY = (0, 0, 128)
BLUE = (0, 0, 220)
TEAL = (0, 128, 128)
GREEN = (0, 140, 0)
RED = (200, 0, 0)
ORANGE = (240, 130, 0)
YELLOW = (255, 230, 0)
PALE = (255, 255, 200)
PURPLE = (128, 0, 128)
BROWN = (140, 80, 20)

# 3x5 letters: rows top to bottom, "#" is ink.
FONT = {
    "P": ["##.", "#.#", "##.", "#..", "#.."],
    "C": [".##", "#..", "#..", "#..", ".##"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "##.", "..#", "##."],
    "E": ["###", "#..", "##.", "#..", "###"],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
    "Y": ["#.#", "#.#", ".#.", ".#.", ".#."],
    "H": ["#.#", "#.#", "###", "#.#", "#.#"],
    "N": ["#.#", "###", "###", "###", "#.#"],
    "B": ["##.", "#.#", "##.", "#.#", "##."],
}


def letter(img, ch, x, y, colour):
    for dy, row in enumerate(FONT[ch]):
        for dx, c in enumerate(row):
            if c == "#":
                put(img, x + dx, y + dy, colour)


def page(img, x0=2, y0=0, x1=13, y1=15, fill=WHITE):
    rect(img, x0, y0, x1, y1, BLACK, fill)
    for i in range(3):
        hline(img, x1 - 2 + i, x1, y0 + i, KEY)
    line(img, x1 - 3, y0, x1, y0 + 3, BLACK)


def link_mark(img):
    """Another file: a small arrow pointing out of the bottom-right corner."""
    for y in range(10, 16):
        hline(img, 10, 15, y, KEY)
    rect(img, 10, 10, 15, 15, BLACK, WHITE)
    line(img, 12, 13, 14, 11, RED)
    hline(img, 13, 14, 11, RED)
    vline(img, 14, 11, 12, RED)


def heading(img, glyphs, colour):
    """A heading: a coloured bar with the level's letters over text lines."""
    for y in range(1, 8):
        hline(img, 0, 11, y, colour)
    x = 1
    for ch in glyphs:
        letter(img, ch, x, 2, WHITE)
        x += 4
    for y in (10, 12, 14):
        hline(img, 1, 9 if y != 14 else 6, y, GREY)


def tag(img, glyph, colour):
    """A label: a tag shape with a hole and the class letter."""
    for y in range(2, 13):
        hline(img, 3, 12, y, colour)
    for i in range(3):
        hline(img, 0 + i, 2, 7 - i, colour)
        hline(img, 0 + i, 2, 7 + i, colour)
    put(img, 0, 7, colour)
    put(img, 2, 7, WHITE)
    rect(img, 3, 2, 12, 12, BLACK)
    line(img, 0, 7, 3, 4, BLACK)
    line(img, 0, 7, 3, 10, BLACK)
    letter(img, glyph, 7, 5, WHITE)


def with_link(draw):
    def both(img):
        draw(img)
        link_mark(img)
    return both


ICONS = {}


def icon(i, draw):
    if i in ICONS:
        sys.exit(f"make_outline_images: image {i} drawn twice")
    ICONS[i] = draw


# 0 the document.
def document(img):
    page(img)
    letter(img, "T", 4, 3, BLUE)
    letter(img, "E", 8, 3, BLUE)
    for y in (10, 12):
        hline(img, 4, 11, y, GREY)


icon(0, document)

# 1-14 headings: part, chapter, section .. subparagraph.
HEADINGS = [("P", NAVY), ("C", BLUE), ("S", TEAL), ("S2", GREEN), ("S3", GREEN), ("N", BROWN), ("N2", BROWN)]
for level, (glyphs, colour) in enumerate(HEADINGS):
    draw = (lambda g, c: lambda img: heading(img, g, c))(glyphs, colour)
    icon(2 * level + 1, draw)
    icon(2 * level + 2, with_link(draw))


# 15 labels group: two tags.
def labels_group(img):
    tag(img, "L", ORANGE)
    for y in range(13, 16):
        hline(img, 5, 15, y, KEY)
    hline(img, 5, 14, 14, BLACK)
    vline(img, 14, 4, 14, BLACK)


icon(15, labels_group)


# 16 heading-labels group: a tag over a heading bar.
def heading_labels(img):
    for y in range(11, 16):
        hline(img, 0, 15, y, TEAL)
    letter(img, "H", 6, 11, WHITE)
    for y in range(0, 10):
        hline(img, 4, 13, y, ORANGE)
    rect(img, 4, 0, 13, 9, BLACK)
    letter(img, "L", 7, 2, WHITE)


icon(16, heading_labels)

# 17-40 labels by class.
LABELS = [("P", NAVY), ("C", BLUE), ("S", TEAL), ("2", GREEN), ("3", GREEN), ("4", BROWN), ("5", BROWN),
          ("E", RED), ("F", PURPLE), ("T", ORANGE), ("I", GREY), ("X", BLACK)]
for n, (glyph, colour) in enumerate(LABELS):
    draw = (lambda g, c: lambda img: tag(img, g, c))(glyph, colour)
    icon(17 + 2 * n, draw)
    icon(18 + 2 * n, with_link(draw))

# 41, 42 spare labels.
icon(41, lambda img: tag(img, "Y", TEAL))
icon(42, with_link(lambda img: tag(img, "Y", TEAL)))


# 43 bibliography: a stack of books.
def books(img):
    for x0, colour in ((1, RED), (5, NAVY), (9, GREEN)):
        rect(img, x0, 2, x0 + 3, 15, BLACK, colour)
        hline(img, x0 + 1, x0 + 2, 4, YELLOW)
    line(img, 12, 4, 15, 14, BROWN)


icon(43, books)


# 44/45 a bibliography item: one book with B.
def book(img):
    rect(img, 3, 1, 12, 14, BLACK, NAVY)
    vline(img, 4, 2, 13, GREY)
    letter(img, "B", 7, 5, YELLOW)


icon(44, book)
icon(45, with_link(book))


# 46 files group: a folder.
def folder(img):
    rect(img, 0, 4, 15, 14, BLACK, YELLOW)
    rect(img, 0, 2, 6, 4, BLACK, YELLOW)
    hline(img, 1, 14, 6, ORANGE)


icon(46, folder)


# 47 the open document's file, 48 another file.
def open_file(img):
    page(img, fill=PALE)
    for y in (5, 7, 9, 11):
        hline(img, 4, 11, y, BLUE)


def other_file(img):
    page(img, fill=WHITE)
    for y in (5, 7, 9):
        hline(img, 4, 9, y, GREY)
    link_mark(img)


icon(47, open_file)
icon(48, other_file)


# Toolbar 49-54.
def plus_box(img, x0, y0, colour=BLACK):
    rect(img, x0, y0, x0 + 6, y0 + 6, colour, WHITE)
    hline(img, x0 + 2, x0 + 4, y0 + 3, colour)
    vline(img, x0 + 3, y0 + 2, y0 + 4, colour)


def minus_box(img, x0, y0, colour=BLACK):
    rect(img, x0, y0, x0 + 6, y0 + 6, colour, WHITE)
    hline(img, x0 + 2, x0 + 4, y0 + 3, colour)


def expand_depth(img):
    plus_box(img, 0, 0)
    vline(img, 3, 7, 13, GREY)
    hline(img, 3, 6, 10, GREY)
    hline(img, 3, 6, 13, GREY)
    letter(img, "N", 8, 8, BLUE)
    letter(img, "1", 12, 1, BLUE)


def expand_all(img):
    plus_box(img, 0, 0)
    plus_box(img, 4, 4)
    plus_box(img, 8, 8)


def collapse_all(img):
    minus_box(img, 0, 0)
    minus_box(img, 4, 4)
    minus_box(img, 8, 8)


def jump(img):
    page(img, 6, 0, 15, 15)
    hline(img, 8, 12, 9, GREY)
    hline(img, 0, 8, 7, RED)
    line(img, 6, 4, 9, 7, RED)
    line(img, 6, 10, 9, 7, RED)
    hline(img, 0, 7, 6, RED)
    hline(img, 0, 7, 8, RED)


def refresh(img):
    rect(img, 2, 2, 13, 13, GREEN)
    rect(img, 3, 3, 12, 12, GREEN)
    for y in range(0, 5):
        hline(img, 10, 15, y, KEY)
    for i in range(4):
        hline(img, 9 + i, 15 - i, 1 + i, GREEN)
    for y in range(11, 16):
        hline(img, 0, 5, y, KEY)
    for i in range(4):
        hline(img, 0 + i, 6 - i, 14 - i, GREEN)


def menu(img):
    rect(img, 0, 0, 11, 11, BLACK, WHITE)
    for y in (3, 6, 9):
        hline(img, 2, 9, y, BLACK)
    for i, width in enumerate((5, 3, 1)):
        hline(img, 11 + i, 11 + i + width - 1, 13 + i, BLACK)


icon(49, expand_depth)
icon(50, expand_all)
icon(51, collapse_all)
icon(52, jump)
icon(53, refresh)
icon(54, menu)


if __name__ == "__main__":
    write_strip(OUTPUT, COUNT, ICONS, "make_outline_images")
