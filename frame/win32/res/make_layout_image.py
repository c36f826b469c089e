#!/usr/bin/env python3
"""Draws bitmap 118 of the plug-in: the page behind the page layout
dialog's dimension arrows (layout118.bmp, 200x283, 16 colours).

The whole bitmap is the paper. The dialog draws its arrows and labels on
top at fixed points, so every edge below sits exactly where an arrow of
the dialog ends:
  reference edges (1 inch in, dashed)   x = 17, y = 17
  header                                y 26-43
  text body, first baseline, bottom     y 59, 71, 235
  footer (baseline at its bottom)       y 257-267
  columns                               x 35-91 and 108-164, rule at 99-100
  marginal notes                        x 177-194, y 78-113 and 124-155
Move an edge only together with the dialog's arrow table.

Needs python3 only: python3 frame/win32/res/make_layout_image.py
"""
import os

from make_resources import write_bmp4

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 200, 283
BLACK, SILVER, GREY, WHITE = 0, 7, 8, 15


def rect(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def hline(img, x0, x1, y, colour, on=1, off=0):
    for x in range(x0, x1 + 1):
        if (x - x0) % (on + off) < on:
            img[y][x] = colour


def vline(img, x, y0, y1, colour, on=1, off=0):
    for y in range(y0, y1 + 1):
        if (y - y0) % (on + off) < on:
            img[y][x] = colour


def page():
    img = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    rect(img, 0, 0, WIDTH - 1, HEIGHT - 1, BLACK)
    # The reference edges, one inch from the paper's top and left edges.
    hline(img, 1, WIDTH - 2, 17, GREY, on=4, off=3)
    vline(img, 17, 1, HEIGHT - 2, GREY, on=4, off=3)
    rect(img, 35, 26, 164, 43, BLACK)                   # header
    for x0, x1 in ((35, 91), (108, 164)):               # the two columns
        rect(img, x0, 59, x1, 235, BLACK)
        hline(img, x0 + 1, x1 - 1, 71, SILVER)          # first baseline
    vline(img, 99, 60, 234, BLACK, on=1, off=2)         # column rule, dotted
    vline(img, 100, 60, 234, BLACK, on=1, off=2)
    rect(img, 35, 257, 164, 267, BLACK)                 # footer
    rect(img, 177, 78, 194, 113, BLACK)                 # marginal notes
    rect(img, 177, 124, 194, 155, BLACK)
    return img


def main():
    path = os.path.join(HERE, "layout118.bmp")
    write_bmp4(path, page())
    print(f"wrote {os.path.relpath(path)}")


if __name__ == "__main__":
    main()
