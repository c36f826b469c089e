#!/usr/bin/env python3
"""Renders the picture strips of the character palette with TeX.

Writes paletteNNN.bmp into this folder, one per category: bitmap NNN of the
category, 16 colours (the standard palette), 32 pixels high, one cell per
entry side by side (32 pixels wide, 64 for the wide accents), cell i for
entry i. Categories and entries are read from palette/symbol_entries.cpp,
so the strips always follow the table.

Each entry is typeset on a page of its own (its command with a sample
argument where it takes one), dvipng crops every page to its ink, and the
symbol is centred in its cell, black on white. A symbol too large for its
cell is typeset again at a smaller resolution until it fits; anti-aliased
edges are rounded to the palette's greys.

Needs python3 (standard library only), latex with amsmath, amssymb and
latexsym, and dvipng (Debian packages texlive-latex-base and dvipng; the
fonts are made by metafont on first use). The build uses the committed
bitmaps, so only a changed table needs this run again:
    python3 frame/win32/res/make_palette_images.py
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

from make_resources import PALETTE, write_bmp4

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, "..", "..", "..", "palette", "symbol_entries.cpp")
CELL_HEIGHT = 32
MARGIN = 2          # blank pixels kept on every side of a cell
BASELINE_ROW = 22   # where the baseline falls for entries placed by it
BASE_DPI = 200      # 10pt type: capitals about 19 pixels high

# Grey levels of the palette and their indices, for anti-aliased edges.
GREYS = [(PALETTE.index(c), c[0]) for c in PALETTE if c[0] == c[1] == c[2]]
WHITE = PALETTE.index((255, 255, 255))

# Categories whose entries are typeset in text mode; all others in maths.
TEXT_CATEGORIES = {"SChar", "EChar"}

# What to typeset for entries that need more than their own command: the
# accents and constructions get a sample argument.
SAMPLES = {
    ("PAccent", "*"): r"$%s{a}$",
    ("BAccent", "*"): r"$%s{xyz}$",
    ("AMSPAccent", r"\overset"): r"$\overset{a}{b}$",
    ("AMSPAccent", r"\underset"): r"$\underset{a}{b}$",
    ("AMSPAccent", r"\overleftarrow"): r"$\overleftarrow{ab}$",
    ("AMSPAccent", r"\overrightarrow"): r"$\overrightarrow{ab}$",
    ("AMSPAccent", r"\overleftrightarrow"): r"$\overleftrightarrow{ab}$",
    ("AMSPAccent", r"\underleftarrow"): r"$\underleftarrow{ab}$",
    ("AMSPAccent", r"\underrightarrow"): r"$\underrightarrow{ab}$",
    ("AMSPAccent", r"\underleftrightarrow"): r"$\underleftrightarrow{ab}$",
    ("AMSPAccent", "*"): r"$%s{a}$",
    ("AMSArrow", r"\xrightarrow", 0x406): r"$\xrightarrow[b]{a}$",
    ("AMSArrow", r"\xleftarrow", 0x406): r"$\xleftarrow[b]{a}$",
    ("AMSArrow", r"\xrightarrow"): r"$\xrightarrow{a}$",
    ("AMSArrow", r"\xleftarrow"): r"$\xleftarrow{a}$",
    ("SChar", r"\yen"): r"$\yen$",
    # The logos in bold sans serif: the roman ones turn to grey dust when
    # shrunk to a cell's width.
    ("SChar", r"\TeX"): r"\textsf{\bfseries\TeX}",
    ("SChar", r"\LaTeX"): r"\textsf{\bfseries\LaTeX}",
    ("SChar", r"\LaTeXe"): r"\shortstack{\textsf{\bfseries\LaTeX}\\[1pt]\textsf{\bfseries 2}$_{\boldsymbol\varepsilon}$}",
    ("EChar", r"\t"): r"\t{oo}",
    ("EChar", r"\v"): r"\v{c}",
    ("EChar", r"\c"): r"\c{c}",
    ("EChar", r"\r"): r"\r{a}",
    ("EChar", "accent"): r"%s{o}",
}


# Entries whose height above the baseline is what tells them apart (a low
# from a centred ellipsis, an underscore from a dash): they sit on a common
# baseline instead of being centred vertically.
ON_BASELINE = {
    ("PAccent", r"\ldots"), ("PAccent", r"\cdots"),
    ("AMSPAccent", r"\dots"), ("AMSPAccent", r"\dotsc"), ("AMSPAccent", r"\dotsb"),
    ("AMSPAccent", r"\dotsm"), ("AMSPAccent", r"\dotsi"),
    ("SChar", r"\_"), ("SChar", r"\textasciicircum"), ("SChar", r"\textasciitilde"),
    ("SChar", r"\textperiodcentered"), ("SChar", r"\textvisiblespace"),
}


def read_table():
    """[(name, bitmap, cell width, [(text, flags)])] from the C++ table."""
    with open(TABLE, encoding="utf-8") as f:
        code = f.read()
    arrays = {}
    for m in re.finditer(r"constexpr std::array<SymbolEntry, (\d+)> (\w+)\{\{\n(.*?)\n\}\};", code, re.S):
        rows = re.findall(r'^    \{u"((?:[^"\\]|\\.)*)", (\d+), 0x([0-9A-F]+)\},$', m[3], re.M)
        if len(rows) != int(m[1]):
            sys.exit(f"make_palette_images: {m[2]}: read {len(rows)} of {m[1]} entries")
        arrays[m[2]] = [(re.sub(r"\\(.)", r"\1", text), int(flags, 16)) for text, _, flags in rows]
    cats = re.findall(r'^    \{u"(\w+)", \d+, 0x[0-9A-F]+, [\w:]+, (\d+), (\d+), (\w+)\},$', code, re.M)
    if len(cats) != 17:
        sys.exit(f"make_palette_images: found {len(cats)} categories, expected 17")
    return [(name, int(bitmap), int(cell), arrays[entries]) for name, bitmap, cell, entries in cats]


def source(category, text, flags):
    """The LaTeX that shows an entry."""
    for key in [(category, text, flags), (category, text)]:
        if key in SAMPLES:
            return SAMPLES[key]
    if category == "EChar" and flags & 0xFF00 == 0x100:  # the text accents
        return SAMPLES[(category, "accent")] % text
    if flags & 0x2 and (category, "*") in SAMPLES:
        return SAMPLES[(category, "*")] % text
    if category in TEXT_CATEGORIES:
        return text
    return "$%s$" % text


# --- PNG reading (dvipng's output) -------------------------------------------


def read_png_grey(path):
    """Rows of grey levels 0-255 of a non-interlaced PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"make_palette_images: {path} is no PNG")
    pos, idat, plte = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            w, h, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            plte = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if interlace:
        sys.exit(f"make_palette_images: {path} is interlaced")
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    bits = depth * channels
    stride = (w * bits + 7) // 8
    bpp = max(1, bits // 8)
    raw = zlib.decompress(idat)
    rows, prev = [], bytearray(stride)
    for y in range(h):
        ftype = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 255
            elif ftype == 2:
                line[i] = (line[i] + b) & 255
            elif ftype == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        if depth < 8:
            per = 8 // depth
            samples = [(line[x // per] >> (8 - depth * (x % per + 1))) & ((1 << depth) - 1) for x in range(w)]
        else:
            samples = list(line[::depth // 8])
        if colour == 3:
            row = [sum(plte[s]) // 3 for s in samples]
        elif colour == 0:
            row = [s * 255 // ((1 << depth) - 1) for s in samples]
        else:
            row = [sum(samples[x * channels:x * channels + min(3, channels)]) // min(3, channels)
                   for x in range(w)]
        rows.append(row)
    return rows


# --- typesetting ---------------------------------------------------------------


PREAMBLE = r"""\documentclass{article}
\usepackage{amsmath,amssymb,latexsym}
\pagestyle{empty}
\newcommand{\baselinemark}{\rule{2pt}{2pt}\hspace{12pt}}
\begin{document}
\noindent
"""


def typeset(folder, sources):
    """One page per source, each after a small square on the baseline (the
    mark) that tells where the baseline is in the cropped picture."""
    with open(os.path.join(folder, "symbols.tex"), "w", encoding="ascii") as f:
        f.write(PREAMBLE)
        f.write("\n\\newpage\\noindent\n".join("\\baselinemark " + s for s in sources))
        f.write("\n\\end{document}\n")
    run = subprocess.run(["latex", "-interaction=nonstopmode", "-halt-on-error", "symbols.tex"],
                         cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if run.returncode != 0:
        sys.exit("make_palette_images: latex failed:\n" + run.stdout[-2000:])


def render(folder, page, dpi):
    out = os.path.join(folder, f"page{page}-{dpi}.png")
    subprocess.run(["dvipng", "-q", "-T", "tight", "-D", str(dpi), "--gamma", "1.6",
                    "-bg", "rgb 1 1 1", "-fg", "rgb 0 0 0", "-pp", str(page), "-o", out,
                    "symbols.dvi"], cwd=folder, check=True, stdout=subprocess.DEVNULL)
    return read_png_grey(out)


def split_mark(grey):
    """(the symbol cropped to its ink, its rows above the baseline)."""
    width = len(grey[0])
    inked = [any(row[x] < 255 for row in grey) for x in range(width)]
    x = 0
    while x < width and not inked[x]:
        x += 1
    mark_left = x
    while x < width and inked[x]:
        x += 1
    mark_right = x
    while x < width and not inked[x]:
        x += 1
    if x == width:
        return None, 0
    mark_rows = [y for y, row in enumerate(grey) if min(row[mark_left:mark_right]) < 128]
    baseline = mark_rows[-1] + 1
    xs = [c for c in range(x, width) if inked[c]]
    ys = [y for y, row in enumerate(grey) if min(row[x:]) < 255]
    ink = [row[xs[0]:xs[-1] + 1] for row in grey[ys[0]:ys[-1] + 1]]
    return ink, baseline - ys[0]


def fitted(folder, page, width, height, what):
    """The symbol on page, as large as BASE_DPI makes it but within the box."""
    dpi = BASE_DPI
    while dpi >= 40:
        ink, above = split_mark(render(folder, page, dpi))
        if ink is None:
            sys.exit(f"make_palette_images: {what} shows nothing")
        h, w = len(ink), len(ink[0])
        if w <= width and h <= height:
            return ink, above
        dpi = min(dpi - 5, int(dpi * min(width / w, height / h)))
    sys.exit(f"make_palette_images: {what} does not fit its cell")


def nearest_grey(level):
    return min(GREYS, key=lambda g: abs(g[1] - level))[0]


def main():
    if not shutil.which("latex") or not shutil.which("dvipng"):
        sys.exit("make_palette_images: needs latex and dvipng")
    categories = read_table()
    with tempfile.TemporaryDirectory() as folder:
        sources = [source(name, text, flags) for name, _, _, entries in categories
                   for text, flags in entries]
        typeset(folder, sources)
        page = 1
        for name, bitmap, cell, entries in categories:
            strip = [[WHITE] * (cell * len(entries)) for _ in range(CELL_HEIGHT)]
            for i, (text, flags) in enumerate(entries):
                ink, above = fitted(folder, page, cell - 2 * MARGIN, CELL_HEIGHT - 2 * MARGIN,
                                    f"{name} {text} ({sources[page - 1]})")
                h, w = len(ink), len(ink[0])
                x0 = i * cell + (cell - w) // 2
                y0 = (CELL_HEIGHT - h) // 2
                if (name, text) in ON_BASELINE:
                    y0 = max(MARGIN, min(CELL_HEIGHT - MARGIN - h, BASELINE_ROW - above))
                for y in range(h):
                    for x in range(w):
                        strip[y0 + y][x0 + x] = nearest_grey(ink[y][x])
                page += 1
            path = os.path.join(HERE, f"palette{bitmap}.bmp")
            write_bmp4(path, strip)
            print(f"wrote {os.path.relpath(path)}: {name}, {len(entries)} cells")


if __name__ == "__main__":
    main()
