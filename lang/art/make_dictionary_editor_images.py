#!/usr/bin/env python3
"""Draws the dictionary editor's toolbar images of the English language library.

Writes ../en/res/dictionary_editor.bmp: 6 images of 16x16 pixels side by
side (96x16) as an 8-bit bitmap. Pixels in KEY colour (magenta, 255,0,255)
are transparent: the editor builds its image list with that colour as mask.

  0  add an entry: a page with a green plus
  1  edit the selected entry: a page with a pencil
  2  delete the selected entry: a page with a red cross
  3  sort: "A" over "Z" beside a downward arrow
  4  import from a file: an arrow going into a page
  5  clear the history: a clock with a red cross

The help and close buttons carry their text instead of an image.
Needs nothing but python3; the build uses the committed bitmap:
    python3 lang/art/make_dictionary_editor_images.py
"""
import os

from strip import hline, line, put, rect, vline, write_strip

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "en", "res", "dictionary_editor.bmp")
COUNT = 6

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
NAVY = (0, 0, 128)
GREEN = (0, 150, 0)
RED = (200, 0, 0)
ORANGE = (240, 130, 0)
BLUE = (0, 90, 200)


def page(img):
    rect(img, 1, 1, 10, 14, GREY, WHITE)
    for y in range(4, 12, 2):
        hline(img, 3, 8, y, NAVY)


def add(img):
    page(img)
    for d in (-1, 0, 1):
        hline(img, 8, 14, 11 + d, GREEN)
        vline(img, 11 + d, 8, 14, GREEN)


def edit(img):
    page(img)
    line(img, 7, 14, 14, 7, ORANGE)
    line(img, 8, 14, 15, 7, ORANGE)
    line(img, 6, 15, 7, 14, BLACK)


def delete(img):
    page(img)
    for d in (0, 1):
        line(img, 8 + d, 8, 14 + d, 14, RED)
        line(img, 8 + d, 14, 14 + d, 8, RED)


def letter_a(img, x, y):
    line(img, x, y + 5, x + 2, y, NAVY)
    line(img, x + 4, y + 5, x + 2, y, NAVY)
    hline(img, x + 1, x + 3, y + 3, NAVY)


def letter_z(img, x, y):
    hline(img, x, x + 4, y, NAVY)
    line(img, x + 4, y, x, y + 5, NAVY)
    hline(img, x, x + 4, y + 5, NAVY)


def sort(img):
    letter_a(img, 1, 1)
    letter_z(img, 1, 9)
    vline(img, 11, 1, 14, BLACK)
    line(img, 8, 11, 11, 14, BLACK)
    line(img, 14, 11, 11, 14, BLACK)


def import_(img):
    rect(img, 5, 1, 14, 14, GREY, WHITE)
    for y in range(4, 13, 2):
        hline(img, 9, 12, y, NAVY)
    for d in (0, 1):
        hline(img, 0, 7, 7 + d, BLUE)
    line(img, 5, 4, 8, 7, BLUE)
    line(img, 5, 11, 8, 8, BLUE)


def clear_history(img):
    rect(img, 1, 1, 12, 12, BLACK, WHITE)
    for c in ((1, 1), (12, 1), (1, 12), (12, 12)):
        put(img, c[0], c[1], (255, 0, 255))
    vline(img, 6, 3, 7, NAVY)
    hline(img, 6, 9, 7, NAVY)
    for d in (0, 1):
        line(img, 9 + d, 10, 14 + d, 15, RED)
        line(img, 9 + d, 15, 14 + d, 10, RED)


if __name__ == "__main__":
    write_strip(OUTPUT, COUNT, {0: add, 1: edit, 2: delete, 3: sort, 4: import_, 5: clear_history},
                "dictionary editor images")
