#!/usr/bin/env python3
"""Draws the user string editor's tree images of the English language library.

Writes ../en/res/user_strings.bmp: 3 images of 16x16 pixels side by side
(48x16) as an 8-bit bitmap. Pixels in KEY colour (magenta, 255,0,255) are
transparent: the editor builds its image list with that colour as mask.

  0  the root node, the whole list: a small stack of notes
  1  a string: one note with lines of text
  2  the selected string: the same note, highlighted, with a pencil

Needs nothing but python3; the build uses the committed bitmap:
    python3 lang/art/make_user_string_images.py
"""
import os

from strip import hline, line, rect, write_strip

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "en", "res", "user_strings.bmp")
COUNT = 3

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
NAVY = (0, 0, 128)
PALE = (255, 255, 200)
YELLOW = (255, 230, 0)
ORANGE = (240, 130, 0)


def text_lines(img, x0, x1, y0, y1, colour):
    for y in range(y0, y1 + 1, 2):
        hline(img, x0, x1, y, colour)


def stack(img):
    rect(img, 5, 1, 14, 10, GREY, WHITE)
    rect(img, 3, 3, 12, 12, GREY, WHITE)
    rect(img, 1, 5, 10, 14, BLACK, PALE)
    text_lines(img, 3, 8, 7, 12, NAVY)


def note(img):
    rect(img, 3, 1, 12, 14, BLACK, PALE)
    text_lines(img, 5, 10, 3, 12, NAVY)


def selected_note(img):
    rect(img, 3, 1, 12, 14, BLACK, YELLOW)
    text_lines(img, 5, 10, 3, 9, NAVY)
    line(img, 8, 14, 14, 8, ORANGE)
    line(img, 9, 14, 15, 8, ORANGE)
    line(img, 7, 15, 8, 14, BLACK)


if __name__ == "__main__":
    write_strip(OUTPUT, COUNT, {0: stack, 1: note, 2: selected_note}, "user string images")
