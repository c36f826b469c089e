#!/usr/bin/env python3
"""Draws the toolbar strip of the English language library.

Writes ../en/res/toolbar.bmp: 115 images of 16x16 pixels side by side
(1840x16), image i for the button with index i of the toolbar table, as an
8-bit bitmap; the last two mark a submenu title (113) and a separator (114)
in the user menu and its editor. Pixels in KEY colour (magenta, 255,0,255) are transparent:
the main window builds its image list with that colour as the mask.

Pictograms are drawn here pixel by pixel; short glyph texts ("ref", "α",
"≤") are rendered by ImageMagick without anti-aliasing, so every pixel is a
palette colour and the key colour never bleeds into letter edges.

Needs python3 and ImageMagick's convert with the DejaVu fonts (Debian
packages imagemagick, fonts-dejavu-core). The build uses the committed
bitmap, so only a changed drawing needs this run again:
    python3 lang/art/make_toolbar.py
"""
import os
import subprocess
import sys

from strip import KEY, hline, line, put, rect, vline, write_strip

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "en", "res", "toolbar.bmp")
CONVERT = os.environ.get("CONVERT", "/usr/bin/convert")
COUNT = 115

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
DARK_RED = (128, 0, 0)
RED = (220, 0, 0)
GREEN = (0, 150, 0)
DARK_GREEN = (0, 100, 0)
BLUE = (0, 0, 220)
NAVY = (0, 0, 128)
TEAL = (0, 128, 128)
CYAN = (0, 200, 220)
YELLOW = (255, 230, 0)
PALE = (255, 255, 200)
ORANGE = (240, 130, 0)
BROWN = (140, 80, 20)
PURPLE = (128, 0, 128)
SKY = (120, 180, 255)

SANS = "DejaVu-Sans"
SANS_BOLD = "DejaVu-Sans-Bold"
COND_BOLD = "DejaVu-Sans-Condensed-Bold"
SERIF = "DejaVu-Serif"
SERIF_BOLD = "DejaVu-Serif-Bold"
SERIF_ITALIC = "DejaVu-Serif-Italic"
MONO_BOLD = "DejaVu-Sans-Mono-Bold"


# --- canvas -----------------------------------------------------------------


def box(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        hline(img, x0, x1, y, colour)


def page(img, x0=2, y0=0, x1=13, y1=15, fill=WHITE):
    """A sheet with a folded top-right corner."""
    rect(img, x0, y0, x1, y1, BLACK, fill)
    for i in range(4):
        hline(img, x1 - 3 + i, x1, y0 + i, KEY)
    line(img, x1 - 4, y0, x1, y0 + 4, BLACK)
    vline(img, x1 - 4, y0, y0 + 4, BLACK)
    hline(img, x1 - 4, x1, y0 + 4, BLACK)


def text_lines(img, rows, x0, x1, colour=GREY, step=2, y0=3):
    """Grey lines of text; rows: list of (indent, length) pairs."""
    y = y0
    for indent, length in rows:
        hline(img, x0 + indent, min(x0 + indent + length - 1, x1), y, colour)
        y += step


def menu_mark(img):
    """A small downward triangle in the bottom-right corner: opens a menu."""
    for i, width in enumerate((5, 3, 1)):
        hline(img, 15 - 4 + i, 15 - 4 + i + width - 1, 13 + i, BLACK)
    hline(img, 10, 15, 12, KEY)


def arrow_right(img, x0, x1, y, colour):
    hline(img, x0, x1, y, colour)
    line(img, x1 - 2, y - 2, x1, y, colour)
    line(img, x1 - 2, y + 2, x1, y, colour)


def arrow_left(img, x0, x1, y, colour):
    hline(img, x0, x1, y, colour)
    line(img, x0 + 2, y - 2, x0, y, colour)
    line(img, x0 + 2, y + 2, x0, y, colour)


def arrow_up(img, x, y0, y1, colour):
    vline(img, x, y0, y1, colour)
    line(img, x - 3, y0 + 3, x, y0, colour)
    line(img, x + 3, y0 + 3, x, y0, colour)


def arrow_down(img, x, y0, y1, colour):
    vline(img, x, y0, y1, colour)
    line(img, x - 3, y1 - 3, x, y1, colour)
    line(img, x + 3, y1 - 3, x, y1, colour)


def lens(img, x, y, colour=BLACK):
    """A small magnifying glass whose ring starts at x, y."""
    rect(img, x + 1, y, x + 3, y + 4, colour, PALE)
    vline(img, x, y + 1, y + 3, colour)
    vline(img, x + 4, y + 1, y + 3, colour)
    hline(img, x + 1, x + 3, y, colour)
    hline(img, x + 1, x + 3, y + 4, colour)
    put(img, x, y, KEY)
    put(img, x + 4, y, KEY)
    put(img, x, y + 4, KEY)
    put(img, x + 4, y + 4, KEY)
    line(img, x + 4, y + 4, x + 6, y + 6, colour)
    line(img, x + 5, y + 4, x + 6, y + 5, colour)


# --- glyph text through ImageMagick -----------------------------------------
_glyph_cache = {}


def glyph(text, font, points):
    """Binary mask (list of rows of bools) of text, cropped to its ink."""
    key = (text, font, points)
    if key in _glyph_cache:
        return _glyph_cache[key]
    w, h = 64, 40
    # annotate reads backslash and percent escapes of its own.
    escaped = text.replace("\\", "\\\\").replace("%", "%%")
    out = subprocess.run(
        [CONVERT, "-size", f"{w}x{h}", "xc:black", "+antialias", "-font", font,
         "-pointsize", str(points), "-fill", "white", "-gravity", "center",
         "-annotate", "+0+0", escaped, "-depth", "8", "gray:-"],
        check=True, stdout=subprocess.PIPE).stdout
    if len(out) != w * h:
        sys.exit(f"make_toolbar: convert gave {len(out)} bytes for {text!r}")
    rows = [[out[y * w + x] > 127 for x in range(w)] for y in range(h)]
    ys = [y for y in range(h) if any(rows[y])]
    xs = [x for x in range(w) if any(rows[y][x] for y in range(h))]
    if not ys:
        sys.exit(f"make_toolbar: font {font} drew nothing for {text!r}")
    mask = [row[xs[0]:xs[-1] + 1] for row in rows[ys[0]:ys[-1] + 1]]
    _glyph_cache[key] = mask
    return mask


def draw_glyph(img, mask, x, y, colour):
    for dy, row in enumerate(mask):
        for dx, on in enumerate(row):
            if on:
                put(img, x + dx, y + dy, colour)


def label(img, text, font=SANS_BOLD, points=9, colour=BLACK, area=(0, 0, 15, 15),
          align="center", valign="center"):
    """Draws text inside area (x0, y0, x1, y1, inclusive)."""
    mask = glyph(text, font, points)
    h, w = len(mask), len(mask[0])
    x0, y0, x1, y1 = area
    if w > x1 - x0 + 1 or h > y1 - y0 + 1:
        sys.exit(f"make_toolbar: {text!r} at {points} pt is {w}x{h}, too big for {area}")
    if align == "left":
        x = x0
    elif align == "right":
        x = x1 - w + 1
    else:
        x = x0 + (x1 - x0 + 1 - w) // 2
    if valign == "top":
        y = y0
    elif valign == "bottom":
        y = y1 - h + 1
    else:
        y = y0 + (y1 - y0 + 1 - h) // 2
    draw_glyph(img, mask, x, y, colour)


# --- the icons, one function per button index --------------------------------
ICONS = {}


def icon(index):
    def register(fn):
        if index in ICONS:
            sys.exit(f"make_toolbar: index {index} drawn twice")
        ICONS[index] = fn
        return fn
    return register


def text_icon(index, text, font=SANS_BOLD, points=9, colour=BLACK, menu=False):
    def draw(img):
        area = (0, 0, 15, 11) if menu else (0, 0, 15, 15)
        label(img, text, font, points, colour, area)
        if menu:
            menu_mark(img)
    icon(index)(draw)


# 0 document class dialog: a sheet marked D.
@icon(0)
def _(img):
    page(img)
    label(img, "D", SANS_BOLD, 9, NAVY, (3, 4, 12, 12))
    hline(img, 4, 11, 13, GREY)


# 1 page layout dialog: a sheet with its text block marked out.
@icon(1)
def _(img):
    page(img)
    rect(img, 4, 3, 9, 12, BLUE)
    text_lines(img, [(0, 4)] * 4, 5, 8, GREY, 2, 5)
    vline(img, 11, 6, 12, RED)


text_icon(2, "$", SANS_BOLD, 14, BLACK)
text_icon(3, "$$", SANS_BOLD, 12, BLACK)


# 4 equation: a numbered display.
@icon(4)
def _(img):
    label(img, "(1)", SANS_BOLD, 10, BLACK, (0, 1, 15, 14))


def aligned_equals(img, star, align):
    """Two rows of aligned equals signs; a star when unnumbered."""
    x = 3 if align else 6
    for y in (3, 9):
        hline(img, 0, x - 2, y + 1, GREY)
        hline(img, x, x + 3, y, BLACK)
        hline(img, x, x + 3, y + 2, BLACK)
        hline(img, x + 5, x + 7, y + 1, GREY)
    if align:
        vline(img, 2, 2, 13, BLUE)
    if star:
        label(img, "*", SANS_BOLD, 9, RED, (11, 0, 15, 7))
    else:
        label(img, "1", SANS_BOLD, 6, RED, (12, 4, 15, 15))


@icon(5)
def _(img):
    aligned_equals(img, True, False)


@icon(6)
def _(img):
    aligned_equals(img, False, False)


@icon(7)
def _(img):
    aligned_equals(img, True, True)


@icon(8)
def _(img):
    aligned_equals(img, False, True)


# 9 more display environments (menu): a brace before two rows.
@icon(9)
def _(img):
    label(img, "{", SANS_BOLD, 10, BLUE, (0, 0, 5, 11))
    hline(img, 6, 10, 3, BLACK)
    hline(img, 6, 10, 5, BLACK)
    hline(img, 6, 10, 8, BLACK)
    hline(img, 6, 10, 10, BLACK)
    menu_mark(img)


# 10 maths constructions (menu): a root sign.
text_icon(10, "√", SANS_BOLD, 13, BLACK, menu=True)


# 11-28 symbol palettes, 29 all of them.
text_icon(11, "α", SERIF, 15, BLACK)
text_icon(12, "Ω", SERIF, 14, BLACK)
text_icon(13, "∂", SERIF, 15, BLACK)
text_icon(14, "≤", SANS_BOLD, 15, BLACK)
text_icon(15, "±", SANS_BOLD, 15, BLACK)
text_icon(16, "→", SANS_BOLD, 14, BLACK)
text_icon(17, "â", SERIF, 15, BLACK)


@icon(18)
def _(img):
    hline(img, 2, 13, 3, RED)
    label(img, "ab", SERIF, 10, BLACK, (0, 5, 15, 15))


text_icon(19, "{}", SANS_BOLD, 13, BLACK)
# AMS palettes in dark red, so they stand apart from the basic ones.
text_icon(20, "★", SANS, 15, DARK_RED)
text_icon(21, "≦", SANS, 15, DARK_RED)
text_icon(22, "≰", SANS, 15, DARK_RED)
text_icon(23, "⊞", SANS, 15, DARK_RED)
text_icon(24, "⇉", SANS, 15, DARK_RED)
text_icon(25, "ä", SERIF, 15, DARK_RED)
text_icon(26, "sin", COND_BOLD, 9, BLACK, menu=True)
text_icon(27, "#", SANS_BOLD, 13, BLACK)
text_icon(28, "Æ", SERIF, 12, BLACK)


@icon(29)
def _(img):
    rect(img, 0, 2, 15, 14, BLACK, WHITE)
    box(img, 1, 3, 14, 4, NAVY)
    label(img, "α", SERIF, 8, BLACK, (1, 6, 7, 13))
    label(img, "≤", SANS_BOLD, 8, BLUE, (8, 6, 14, 13))


# 30 \label: a tag.
@icon(30)
def _(img):
    for y in range(4, 12):
        hline(img, 5, 14, y, YELLOW)
    for i in range(4):
        hline(img, 1 + i, 4, 7 - i, YELLOW)
        hline(img, 1 + i, 4, 8 + i, YELLOW)
    line(img, 1, 7, 4, 4, BLACK)
    line(img, 1, 8, 4, 11, BLACK)
    hline(img, 4, 15, 3, BLACK)
    hline(img, 4, 15, 12, BLACK)
    vline(img, 15, 3, 12, BLACK)
    put(img, 4, 7, BLACK)
    put(img, 4, 8, BLACK)
    hline(img, 7, 13, 7, GREY)
    hline(img, 7, 11, 9, GREY)


text_icon(31, "ref", COND_BOLD, 9, BLUE)
text_icon(32, "[1]", SANS_BOLD, 8, BLACK)
text_icon(33, "cite", COND_BOLD, 8, DARK_GREEN)
text_icon(34, "idx", COND_BOLD, 9, BLACK)


@icon(35)
def _(img):
    label(img, "idx", COND_BOLD, 7, BLACK, (0, 6, 15, 15))
    box(img, 2, 2, 2, 4, GREEN)
    hline(img, 1, 3, 3, GREEN)
    hline(img, 5, 9, 1, GREY)
    hline(img, 5, 11, 3, GREY)


# 36 \printindex: a two-column index page.
@icon(36)
def _(img):
    page(img)
    label(img, "A", SANS_BOLD, 6, BLACK, (3, 2, 7, 6))
    for y in (8, 10, 12):
        hline(img, 4, 6, y, GREY)
        hline(img, 9, 11, y, GREY)


# 37 abstract: a narrow, centred block under a heading.
@icon(37)
def _(img):
    page(img)
    hline(img, 5, 9, 3, BLACK)
    text_lines(img, [(0, 5)] * 4, 5, 9, GREY, 2, 6)
    hline(img, 5, 7, 14, GREY)


# 38-44 sectioning levels.
text_icon(38, "Pt", SERIF_BOLD, 10, NAVY)
text_icon(39, "Ch", SERIF_BOLD, 10, NAVY)
text_icon(40, "1", SANS_BOLD, 13, NAVY)
text_icon(41, "1.1", COND_BOLD, 9, NAVY)
text_icon(42, "1.1.1", COND_BOLD, 7, NAVY)
text_icon(43, "¶", SERIF_BOLD, 13, NAVY)


@icon(44)
def _(img):
    label(img, "¶¶", SERIF_BOLD, 10, NAVY)


text_icon(45, "§", SERIF_BOLD, 13, NAVY, menu=True)


@icon(46)
def _(img):
    label(img, "§", SERIF_BOLD, 9, NAVY, (0, 2, 8, 15))
    arrow_up(img, 12, 2, 13, GREEN)


@icon(47)
def _(img):
    label(img, "§", SERIF_BOLD, 9, NAVY, (0, 1, 8, 14))
    arrow_down(img, 12, 2, 13, RED)


# 48 footnote: text with a raised mark, a rule and the note.
@icon(48)
def _(img):
    page(img)
    hline(img, 4, 8, 3, GREY)
    label(img, "1", SANS_BOLD, 5, RED, (9, 2, 11, 6))
    hline(img, 4, 11, 5, GREY)
    hline(img, 4, 7, 10, BLACK)
    hline(img, 4, 11, 12, RED)


# 49 \marginpar: a note beside the text block.
@icon(49)
def _(img):
    rect(img, 0, 0, 10, 15, BLACK, WHITE)
    text_lines(img, [(0, 6)] * 6, 2, 8, GREY, 2, 2)
    rect(img, 11, 3, 15, 9, BROWN, YELLOW)


text_icon(50, "|v|", MONO_BOLD, 9, TEAL)
text_icon(51, "|v*", MONO_BOLD, 9, TEAL)


@icon(52)
def _(img):
    rect(img, 0, 1, 15, 14, TEAL, WHITE)
    label(img, "vb", MONO_BOLD, 8, TEAL, (1, 2, 14, 13))


@icon(53)
def _(img):
    rect(img, 0, 1, 15, 14, TEAL, WHITE)
    label(img, "v*", MONO_BOLD, 8, TEAL, (1, 2, 14, 13))


# 54 environments (menu), 55-57 flush left, centred, flush right.
@icon(54)
def _(img):
    label(img, "{", SANS_BOLD, 9, BLUE, (0, 0, 3, 11))
    text_lines(img, [(0, 7), (2, 5), (0, 7), (1, 6)], 5, 12, BLACK, 2, 2)
    menu_mark(img)


def aligned_text(img, where):
    for y, length in ((2, 14), (5, 8), (8, 12), (11, 6), (14, 10)):
        if where == "left":
            x = 1
        elif where == "right":
            x = 15 - length
        else:
            x = 1 + (14 - length) // 2
        hline(img, x, x + length - 1, y, BLACK)


@icon(55)
def _(img):
    aligned_text(img, "left")


@icon(56)
def _(img):
    aligned_text(img, "centre")


@icon(57)
def _(img):
    aligned_text(img, "right")


text_icon(58, "vb", MONO_BOLD, 9, TEAL, menu=True)
text_icon(59, "“”", SERIF_BOLD, 16, BLACK)


@icon(60)
def _(img):
    label(img, "“", SERIF_BOLD, 11, BLACK, (0, 0, 7, 9))
    text_lines(img, [(0, 7), (0, 7), (0, 7), (0, 4)], 8, 15, GREY, 2, 4)
    hline(img, 1, 6, 12, GREY)
    hline(img, 1, 4, 14, GREY)


text_icon(61, "“", SERIF_BOLD, 18, BLACK, menu=True)


# 62-65 colour menus.
@icon(62)
def _(img):
    label(img, "A", SANS_BOLD, 9, RED, (0, 0, 10, 9))
    box(img, 0, 10, 10, 11, RED)
    menu_mark(img)


@icon(63)
def _(img):
    page(img, 1, 0, 11, 11, YELLOW)
    menu_mark(img)


@icon(64)
def _(img):
    box(img, 0, 1, 11, 10, CYAN)
    label(img, "a", SANS_BOLD, 8, BLACK, (0, 1, 11, 10))
    menu_mark(img)


@icon(65)
def _(img):
    rect(img, 0, 1, 11, 10, RED, GREEN)
    rect(img, 1, 2, 10, 9, RED)
    label(img, "a", SANS_BOLD, 7, WHITE, (2, 3, 9, 8))
    menu_mark(img)


# 66-71 font menus.
text_icon(66, "Ff", SERIF, 10, BLACK, menu=True)
text_icon(67, "Bi", SERIF_BOLD, 10, BLACK, menu=True)
text_icon(68, "ℝ", SANS_BOLD, 13, BLACK, menu=True)
text_icon(69, "α", SERIF_BOLD, 14, BLACK, menu=True)


@icon(70)
def _(img):
    label(img, "A", SANS_BOLD, 10, BLACK, (0, 0, 8, 11), valign="bottom")
    label(img, "a", SANS_BOLD, 8, BLACK, (9, 0, 15, 11), valign="bottom")
    menu_mark(img)


@icon(71)
def _(img):
    label(img, "A", SERIF_BOLD, 9, NAVY, (0, 0, 7, 11))
    label(img, "a", SERIF_ITALIC, 9, RED, (7, 0, 13, 11))
    menu_mark(img)


# 72 figure: a framed landscape.
@icon(72)
def _(img):
    rect(img, 0, 1, 15, 14, BLACK, SKY)
    box(img, 11, 3, 12, 4, YELLOW)
    for i in range(5):
        hline(img, 5 - i, 5 + i, 9 + i, GREEN)
    for i in range(4):
        hline(img, 10 - i, 10 + i, 10 + i, DARK_GREEN)
    hline(img, 1, 14, 13, DARK_GREEN)


# 73 \input: a file drawn into the text.
@icon(73)
def _(img):
    page(img, 5, 0, 15, 15)
    text_lines(img, [(0, 6)] * 5, 7, 12, GREY, 2, 6)
    arrow_right(img, 0, 9, 4, BLUE)


# 74 table: a grid with a heading row.
@icon(74)
def _(img):
    rect(img, 0, 2, 15, 13, BLACK, WHITE)
    box(img, 1, 3, 14, 4, SKY)
    hline(img, 0, 15, 5, BLACK)
    hline(img, 0, 15, 9, BLACK)
    vline(img, 5, 2, 13, BLACK)
    vline(img, 10, 2, 13, BLACK)


# 75 array: a matrix in brackets.
@icon(75)
def _(img):
    vline(img, 1, 2, 13, BLACK)
    hline(img, 1, 3, 2, BLACK)
    hline(img, 1, 3, 13, BLACK)
    vline(img, 14, 2, 13, BLACK)
    hline(img, 12, 14, 2, BLACK)
    hline(img, 12, 14, 13, BLACK)
    for y in (4, 7, 10):
        for x in (5, 8, 11):
            box(img, x - 1, y, x, y + 1, BLUE)


# 76 minipage: a small page inside a page.
@icon(76)
def _(img):
    page(img)
    rect(img, 4, 5, 10, 12, BLUE, PALE)
    hline(img, 5, 9, 7, GREY)
    hline(img, 5, 8, 9, GREY)
    hline(img, 4, 10, 3, GREY)
    hline(img, 4, 8, 14, GREY)


# 77-79 lists.
@icon(77)
def _(img):
    for n, y in (("1", 1), ("2", 6), ("3", 11)):
        label(img, n, SANS_BOLD, 6, BLUE, (0, y, 4, y + 4))
        hline(img, 6, 15, y + 2, BLACK)


@icon(78)
def _(img):
    for y in (1, 6, 11):
        box(img, 1, y + 1, 3, y + 3, BLUE)
        hline(img, 6, 15, y + 2, BLACK)


@icon(79)
def _(img):
    for y in (1, 6, 11):
        box(img, 0, y + 1, 5, y + 3, BLUE)
        hline(img, 8, 15, y + 2, BLACK)


# 80 document elements (menu): a sheet with a plus sign.
@icon(80)
def _(img):
    page(img, 0, 0, 10, 12)
    text_lines(img, [(0, 5)] * 4, 2, 7, GREY, 2, 3)
    box(img, 4, 8, 8, 8, GREEN)
    box(img, 6, 6, 6, 10, GREEN)
    menu_mark(img)


# 81 spacing (menu): a gap with an arrow between two bars.
@icon(81)
def _(img):
    vline(img, 0, 1, 10, BLACK)
    vline(img, 12, 1, 10, BLACK)
    hline(img, 2, 10, 5, BLUE)
    line(img, 2, 5, 4, 3, BLUE)
    line(img, 2, 5, 4, 7, BLUE)
    line(img, 10, 5, 8, 3, BLUE)
    line(img, 10, 5, 8, 7, BLUE)
    menu_mark(img)


# 82-85 contents lists.
@icon(82)
def _(img):
    page(img)
    for y in (4, 7, 10, 13):
        hline(img, 4, 8, y, BLACK)
        put(img, 10, y, GREY)
        put(img, 11, y, BLACK)


@icon(83)
def _(img):
    page(img)
    rect(img, 4, 3, 8, 6, BLACK, SKY)
    put(img, 6, 5, GREEN)
    for y in (9, 11, 13):
        hline(img, 4, 8, y, BLACK)
        put(img, 11, y, BLACK)


@icon(84)
def _(img):
    page(img)
    rect(img, 4, 3, 9, 6, BLACK, WHITE)
    vline(img, 6, 3, 6, BLACK)
    hline(img, 4, 9, 4, BLACK)
    for y in (9, 11, 13):
        hline(img, 4, 8, y, BLACK)
        put(img, 11, y, BLACK)


@icon(85)
def _(img):
    rect(img, 0, 0, 10, 11, BLACK, WHITE)
    for y in (2, 5, 8):
        hline(img, 2, 5, y, BLACK)
        put(img, 8, y, BLACK)
    menu_mark(img)


text_icon(86, "idx", COND_BOLD, 8, BLACK, menu=True)
text_icon(87, "%", SANS_BOLD, 13, BLACK)


@icon(88)
def _(img):
    label(img, "%", SANS_BOLD, 10, DARK_GREEN, (0, 3, 11, 15))
    hline(img, 10, 14, 2, GREEN)
    vline(img, 12, 0, 4, GREEN)


@icon(89)
def _(img):
    label(img, "%", SANS_BOLD, 10, GREY, (0, 3, 11, 15))
    line(img, 10, 0, 14, 4, RED)
    line(img, 10, 4, 14, 0, RED)


text_icon(90, "%", SANS_BOLD, 11, DARK_GREEN, menu=True)


# 91 date: a calendar sheet.
@icon(91)
def _(img):
    rect(img, 1, 2, 14, 15, BLACK, WHITE)
    box(img, 2, 3, 13, 5, RED)
    vline(img, 4, 0, 3, BLACK)
    vline(img, 11, 0, 3, BLACK)
    for y in (8, 11, 13):
        for x in (4, 7, 10):
            box(img, x, y, x + 1, y, GREY)
    box(img, 10, 11, 11, 11, RED)


# 92 root file: a sheet marked with an R.
@icon(92)
def _(img):
    page(img)
    label(img, "R", SANS_BOLD, 8, RED, (3, 4, 12, 14))


# 93 root lock: a padlock.
@icon(93)
def _(img):
    rect(img, 4, 1, 11, 8, BLACK)
    rect(img, 5, 2, 10, 8, BLACK)
    box(img, 6, 3, 9, 7, KEY)
    rect(img, 2, 7, 13, 15, BLACK, YELLOW)
    box(img, 7, 10, 8, 12, BLACK)


# 94 jump to the target; 95 jump back.
@icon(94)
def _(img):
    label(img, "\\", SANS_BOLD, 9, GREY, (0, 0, 6, 15))
    arrow_right(img, 5, 15, 8, BLUE)
    vline(img, 5, 3, 8, BLUE)


@icon(95)
def _(img):
    hline(img, 3, 12, 5, BLUE)
    vline(img, 12, 5, 12, BLUE)
    hline(img, 7, 12, 12, BLUE)
    line(img, 3, 5, 6, 2, BLUE)
    line(img, 3, 5, 6, 8, BLUE)
    hline(img, 4, 12, 6, BLUE)
    vline(img, 13, 6, 13, BLUE)
    hline(img, 7, 13, 13, BLUE)


# 96 outline: an indented tree.
@icon(96)
def _(img):
    rect(img, 0, 0, 15, 14, BLACK, WHITE)
    box(img, 2, 2, 3, 3, NAVY)
    hline(img, 5, 12, 2, BLACK)
    vline(img, 3, 4, 12, GREY)
    for y in (6, 9, 12):
        hline(img, 4, 5, y, GREY)
        box(img, 6, y - 1, 7, y, BLUE)
        hline(img, 9, 13, y, BLACK)


# 97 highlighting: text under a marker stroke.
@icon(97)
def _(img):
    box(img, 0, 4, 15, 12, YELLOW)
    label(img, "\\b", SANS_BOLD, 8, BLACK, (0, 4, 15, 12))
    hline(img, 0, 15, 14, ORANGE)


# 98-102 typesetting runs.
@icon(98)
def _(img):
    for i in range(6):
        vline(img, 4 + i, 2 + i, 13 - i, GREEN)
    line(img, 4, 1, 11, 8, DARK_GREEN)
    line(img, 4, 14, 11, 7, DARK_GREEN)
    vline(img, 3, 1, 14, DARK_GREEN)


@icon(99)
def _(img):
    for i in range(5):
        vline(img, 1 + i, 3 + i, 12 - i, GREEN)
        vline(img, 8 + i, 3 + i, 12 - i, GREEN)
    vline(img, 14, 3, 12, DARK_GREEN)
    vline(img, 15, 3, 12, DARK_GREEN)


text_icon(100, "PDF", COND_BOLD, 8, RED)
text_icon(101, "PS", SANS_BOLD, 10, BLUE)


@icon(102)
def _(img):
    label(img, "PS", COND_BOLD, 7, BLUE, (0, 0, 8, 6), align="left")
    arrow_right(img, 9, 15, 3, BLACK)
    label(img, "PDF", COND_BOLD, 8, RED, (0, 8, 15, 15))


# 103-105 previews.
@icon(103)
def _(img):
    label(img, "DVI", COND_BOLD, 8, BLACK, (0, 0, 13, 6), align="left")
    lens(img, 7, 7)


@icon(104)
def _(img):
    label(img, "PS", COND_BOLD, 8, BLUE, (0, 0, 13, 6), align="left")
    lens(img, 7, 7)


@icon(105)
def _(img):
    label(img, "PDF", COND_BOLD, 8, RED, (0, 0, 13, 6), align="left")
    lens(img, 7, 7)


@icon(106)
def _(img):
    for i in range(5):
        vline(img, 2 + i, 1 + i, 10 - i, GREEN)
    menu_mark(img)


# 107 source-specials switch: two opposite arrows.
@icon(107)
def _(img):
    arrow_right(img, 1, 14, 4, BLUE)
    arrow_left(img, 1, 14, 11, RED)


# 108 the user's batch file: a console window.
@icon(108)
def _(img):
    rect(img, 0, 1, 15, 14, GREY, BLACK)
    box(img, 1, 2, 14, 3, NAVY)
    line(img, 2, 6, 4, 8, WHITE)
    line(img, 2, 10, 4, 8, WHITE)
    hline(img, 6, 10, 11, WHITE)


# 109 user strings (menu).
@icon(109)
def _(img):
    rect(img, 0, 1, 11, 10, BLACK, PALE)
    label(img, "ab", SANS_BOLD, 6, PURPLE, (1, 2, 10, 9))
    menu_mark(img)


# 110 delete auxiliary files: a waste bin.
@icon(110)
def _(img):
    hline(img, 2, 13, 3, BLACK)
    hline(img, 6, 9, 1, BLACK)
    put(img, 5, 2, BLACK)
    put(img, 10, 2, BLACK)
    rect(img, 3, 4, 12, 15, BLACK, LIGHT)
    for x in (5, 7, 9):
        vline(img, x + (1 if x == 9 else 0), 6, 13, GREY)


# 111 user menu: a list with a star.
@icon(111)
def _(img):
    rect(img, 0, 0, 11, 11, BLACK, WHITE)
    label(img, "★", SANS, 6, ORANGE, (1, 1, 6, 6))
    hline(img, 2, 9, 7, BLACK)
    hline(img, 2, 9, 9, BLACK)
    hline(img, 7, 9, 3, BLACK)
    menu_mark(img)


# 112 the plug-in's own menu: its "V".
text_icon(112, "V", SANS_BOLD, 13, BLUE, menu=True)


# 113 a submenu title of the user menu: a folder with a small arrow out of it.
@icon(113)
def _(img):
    rect(img, 0, 2, 5, 4, BROWN, YELLOW)
    rect(img, 0, 4, 13, 13, BROWN, YELLOW)
    hline(img, 1, 4, 4, YELLOW)
    hline(img, 1, 12, 5, PALE)
    arrow_right(img, 8, 15, 9, BLACK)
    hline(img, 8, 14, 8, YELLOW)


# 114 a separator of the user menu: a sunken rule between two grey entries.
@icon(114)
def _(img):
    hline(img, 2, 13, 2, GREY)
    hline(img, 2, 11, 4, GREY)
    hline(img, 0, 15, 7, GREY)
    hline(img, 0, 15, 8, WHITE)
    hline(img, 2, 12, 11, GREY)
    hline(img, 2, 10, 13, GREY)


# --- output ------------------------------------------------------------------


if __name__ == "__main__":
    write_strip(OUTPUT, COUNT, ICONS, "make_toolbar")
