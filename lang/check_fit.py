#!/usr/bin/env python3
"""Reports dialog controls whose text does not fit.

Usage: check_fit.py [--list] [--latin-font F] [--japanese-font F] FOLDER...

Each FOLDER is a language library's script folder: its resources.rc (or,
without one, every *.rc in it) is read with the .rc files it includes. Every
DIALOG/DIALOGEX template is laid out as the dialog manager does it: the
template's font at 96 dpi gives the dialog base units, which turn the
template's dialog units into pixels. Each text is then measured with a
TrueType font and compared with the room its control leaves for it.
Prints one line per clipped control and exits with 1 when there is one;
--list also prints every template's size in pixels.

Fonts: templates under LANGUAGE LANG_JAPANESE are measured with
--japanese-font, the others with --latin-font; both default to IPAGothic.
The test machines have no Windows dialog fonts: Wine draws "MS Shell Dlg"
and "MS UI Gothic" with IPAGothic there, in both locales, and its
fixed-pitch Latin letters (dialog base units 6x13 at 9 points) are wider
than those of the usual Windows dialog fonts, so a text that fits here fits
on Windows too. Give another face (a name or a font file) to check against
it.
"""

import argparse
import glob
import os
import re
import subprocess
import sys
import unicodedata


def fail(message):
    """Unreadable input: says why and exits with 2 (1 means clipped text)."""
    print("check_fit.py: " + message, file=sys.stderr)
    sys.exit(2)


try:
    from PIL import ImageFont
except ImportError:
    fail("Pillow is missing (Debian: apt-get install python3-pil)")

DEFAULT_FONT = "IPAGothic"
ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
CHECK_ROOM = 13 + 4      # check box or radio mark, and the gap before the text
PUSH_ROOM = 6            # a push button's frame and focus rectangle
GROUP_ROOM = 16          # the group box line before and after its caption
TEXT_KEYWORDS = {
    "LTEXT": "static", "RTEXT": "static", "CTEXT": "static",
    "PUSHBUTTON": "push", "DEFPUSHBUTTON": "push", "GROUPBOX": "group",
    "CHECKBOX": "check", "AUTOCHECKBOX": "check", "AUTO3STATE": "check",
    "STATE3": "check", "RADIOBUTTON": "check", "AUTORADIOBUTTON": "check",
}
OTHER_KEYWORDS = {"CONTROL", "EDITTEXT", "COMBOBOX", "LISTBOX", "ICON", "SCROLLBAR"}
TOKEN = re.compile(r'"(?:[^"\\\n]|\\.|"")*"|[A-Za-z_0-9]+|[,|()+\-*/~]')


def mul_div(a, b, c):
    """Rounds half away from zero, as the system's MulDiv does."""
    n = a * b
    q = (abs(n) + abs(c) // 2) // abs(c)
    return q if (n >= 0) == (c > 0) else -q


def read_script(path, seen=()):
    """The script's lines with the .rc files it includes put in their place;
    other preprocessor lines (headers, pragmas, definitions) are dropped."""
    with open(path, "rb") as f:
        data = f.read()
    code_page_utf8 = re.search(rb"#\s*pragma\s+code_page\s*\(\s*65001\s*\)", data)
    text = data.decode("utf-8" if code_page_utf8 else "cp1252", errors="replace")
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    lines = []
    for line in text.splitlines():
        stripped = line.strip()
        if stripped.startswith("#"):
            m = re.match(r'#\s*include\s+"([^"]+\.rc)"', stripped, re.I)
            if m:
                inner = os.path.join(os.path.dirname(path), m.group(1))
                if os.path.abspath(inner) in seen:
                    fail("%s includes itself" % inner)
                lines += read_script(inner, seen + (os.path.abspath(path),))
            continue
        lines.append(strip_comment(line))
    return lines


def strip_comment(line):
    """Drops a // comment that is not inside a string."""
    pos, in_string = 0, False
    while pos < len(line):
        ch = line[pos]
        if ch == '"':
            in_string = not in_string
        elif ch == "\\" and in_string:
            pos += 1
        elif line.startswith("//", pos) and not in_string:
            return line[:pos]
        pos += 1
    return line


def unquote(token):
    """The text of an rc string: "" is a quote, backslash escapes \\t \\n \\\\."""
    body, out, i = token[1:-1], [], 0
    escapes = {"t": "\t", "n": "\n", "r": "", "\\": "\\", '"': '"', "a": "\b"}
    while i < len(body):
        ch = body[i]
        if ch == "\\" and i + 1 < len(body):
            out.append(escapes.get(body[i + 1], body[i + 1]))
            i += 2
        elif ch == '"' and body[i + 1:i + 2] == '"':
            out.append('"')
            i += 2
        else:
            out.append(ch)
            i += 1
    return "".join(out)


def split_fields(tokens):
    """Comma-separated fields, each a list of tokens."""
    fields = [[]]
    for t in tokens:
        if t == ",":
            fields.append([])
        else:
            fields[-1].append(t)
    return fields


def number(field):
    expr = "".join(field)
    if not re.fullmatch(r"[-+*/()0-9 ]+", expr):
        raise ValueError("not a number: " + expr)
    return int(eval(expr))  # digits and operators only, checked above


def style_words(field):
    """The style words that are set (those after NOT are cleared)."""
    words, negate = set(), False
    for t in field:
        if t == "NOT":
            negate = True
        elif re.fullmatch(r"[A-Z_0-9]+", t) and not t.isdigit():
            if not negate:
                words.add(t)
            negate = False
    return words


def parse_templates(lines):
    """Yields the dialog templates: id, language, size, font and controls."""
    tokens = [t for line in lines for t in TOKEN.findall(line)]
    language, i = "LANG_ENGLISH", 0
    while i < len(tokens):
        if tokens[i] == "LANGUAGE" and i + 1 < len(tokens):
            language = tokens[i + 1]
        if i + 1 < len(tokens) and tokens[i + 1] in ("DIALOG", "DIALOGEX"):
            try:
                dlg, i = parse_template(tokens, i)
            except (ValueError, IndexError) as e:
                fail("template %s: cannot read it (%s)" % (tokens[i], e))
            dlg["language"] = language
            yield dlg
        i += 1


def parse_template(tokens, i):
    """The template whose id is tokens[i], and the index of its END."""
    dlg = {"id": tokens[i], "font": None}
    j = tokens.index("BEGIN", i)
    header = tokens[i + 2:j]
    k = 0
    while k < len(header) and not re.fullmatch(r"[A-Za-z_]\w*", header[k]):
        k += 1
    dlg["size"] = [number(f) for f in split_fields(header[:k])[:4]]
    if "FONT" in header:
        k = header.index("FONT")
        dlg["font"] = (number([header[k + 1]]), unquote(header[k + 3]))
    end = tokens.index("END", j)
    dlg["controls"] = list(parse_controls(tokens[j + 1:end]))
    return dlg, end


def parse_controls(body):
    """Yields (kind, text, id, style words, x, y, w, h) of each text control."""
    statements, prev = [], None
    for t in body:
        if (t in TEXT_KEYWORDS or t in OTHER_KEYWORDS) and prev not in (",", "|"):
            statements.append([t])
        elif statements:
            statements[-1].append(t)
        prev = t
    for st in statements:
        keyword, fields = st[0], split_fields(st[1:])
        if keyword in TEXT_KEYWORDS:
            kind = TEXT_KEYWORDS[keyword]
            style = style_words(fields[6]) if len(fields) > 6 else set()
            rect = fields[2:6]
        elif keyword == "CONTROL":
            kind = control_kind(unquote(fields[2][0]) if fields[2][0].startswith('"')
                                else fields[2][0], style_words(fields[3]))
            style, rect = style_words(fields[3]), fields[4:8]
        else:
            continue
        if len(rect) != 4:
            raise ValueError("%s %s has no x, y, width, height" % (keyword, " ".join(st[1:4])))
        if kind and fields[0] and fields[0][0].startswith('"'):
            yield (kind, unquote(fields[0][0]), "".join(fields[1]), style,
                   *[number(f) for f in rect])


def control_kind(window_class, style):
    """What a CONTROL statement draws: static, nowrap, push, check, group, or
    None for pictures, owner-drawn buttons and classes without a text."""
    cls = window_class.upper()
    if cls in ("STATIC", "WC_STATIC", "WC_STATICA", "WC_STATICW"):
        if style & {"SS_ICON", "SS_BITMAP", "SS_ENHMETAFILE", "SS_OWNERDRAW",
                    "SS_BLACKRECT", "SS_GRAYRECT", "SS_WHITERECT", "SS_BLACKFRAME",
                    "SS_GRAYFRAME", "SS_WHITEFRAME", "SS_ETCHEDHORZ", "SS_ETCHEDVERT",
                    "SS_ETCHEDFRAME"}:
            return None
        return "nowrap" if style & {"SS_LEFTNOWORDWRAP", "SS_SIMPLE"} else "static"
    if cls in ("BUTTON", "WC_BUTTON", "WC_BUTTONA", "WC_BUTTONW"):
        if style & {"BS_OWNERDRAW", "BS_BITMAP", "BS_ICON"}:
            return None
        if "BS_GROUPBOX" in style:
            return "group"
        if any(re.fullmatch(r"BS_(AUTO)?(CHECKBOX|RADIOBUTTON|3STATE)", w) for w in style):
            return "check"
        return "push"
    return None


def drawn_text(text, style):
    """The text as drawn: a single & marks the accelerator and is not drawn."""
    if "SS_NOPREFIX" in style:
        return text
    return re.sub(r"&(.?)", lambda m: m.group(1), text, flags=re.S)


class Measure:
    """A dialog font at 96 dpi: its base units and text widths in pixels."""

    def __init__(self, path, points):
        # The basic layout adds whole-pixel hinted advances without kerning,
        # as the system's text drawing does.
        self.font = ImageFont.truetype(path, mul_div(points, 96, 72),
                                       layout_engine=ImageFont.Layout.BASIC)
        ascent, descent = self.font.getmetrics()
        self.line = ascent + descent
        self.base_x = (int(self.font.getlength(ALPHABET)) // 26 + 1) // 2

    def px(self, x, y):
        return mul_div(x, self.base_x, 4), mul_div(y, self.line, 8)

    def width(self, text):
        """Width of one line; tabs stop every eight average characters."""
        tab, x = 8 * self.base_x, 0
        for i, piece in enumerate(text.split("\t")):
            if i:
                x = (x // tab + 1) * tab
            x += int(self.font.getlength(piece))
        return x

    def wrap(self, text, room):
        """The lines of a word-wrapped text (breaking at spaces and between two
        full-width characters) and the widest word, which is never broken."""
        lines, widest = [], 0
        for para in text.split("\n"):
            line = ""
            for sep, word in break_points(para):
                widest = max(widest, self.width(word))
                if line and self.width(line + sep + word) > room:
                    lines.append(line)
                    line = word
                else:
                    line = line + sep + word if line else word
            lines.append(line)
        return lines, widest


def full_width(ch):
    return unicodedata.east_asian_width(ch) in ("W", "F")


def break_points(para):
    """Splits a paragraph into (separator, word) pieces where a line may break."""
    pieces = []
    for m in re.finditer(r"( *)([^ ]+)", para):
        sep, word, start = m.group(1), m.group(2), 0
        for k in range(1, len(word)):
            if full_width(word[k - 1]) and full_width(word[k]):
                pieces.append((sep, word[start:k]))
                sep, start = "", k
        pieces.append((sep, word[start:]))
    return pieces


def check_control(measure, kind, text, style, w, h):
    """None when the text fits, else what it needs and what it has."""
    w, h = measure.px(w, h)
    text = drawn_text(text, style)
    extra = {"check": CHECK_ROOM, "push": PUSH_ROOM, "group": GROUP_ROOM}.get(kind, 0)
    wraps = (kind == "static" and h >= 2 * measure.line
             or kind in ("push", "check") and "BS_MULTILINE" in style)
    if wraps:
        lines, widest = measure.wrap(text, w - extra)
        if widest + extra > w:
            return "needs %d px wide, has %d" % (widest + extra, w)
    else:
        lines = text.split("\n")
    need = max(measure.width(line) for line in lines) + extra
    if need > w:
        return "needs %d px wide, has %d" % (need, w)
    if kind != "group" and len(lines) * measure.line > h + 1:
        return "needs %d px high, has %d" % (len(lines) * measure.line, h)
    return None


def find_font(name):
    """A font file, given as such or as a family name that is installed."""
    if os.path.isfile(name):
        return name
    try:
        out = subprocess.run(["fc-match", "-f", "%{family}\n%{file}", name],
                             capture_output=True, text=True, check=True).stdout
        families, path = out.split("\n", 1)
    except (OSError, ValueError, subprocess.CalledProcessError):
        families, path = "", ""
    # fc-match answers with some font for any name; only the named one will do.
    if name.lower() not in families.lower().split(",") or not os.path.isfile(path):
        fail("the font %s is not installed" % name)
    return path


def check_folder(folder, fonts, listing):
    main = os.path.join(folder, "resources.rc")
    scripts = [main] if os.path.isfile(main) else sorted(glob.glob(os.path.join(folder, "*.rc")))
    if not scripts:
        fail("no .rc script in %s" % folder)
    try:
        lines = [line for s in scripts for line in read_script(s)]
    except OSError as e:
        fail("%s" % e)
    clipped, measures = 0, {}
    for dlg in parse_templates(lines):
        points, _face = dlg["font"] or (8, "MS Shell Dlg")
        path = fonts["ja" if dlg["language"] == "LANG_JAPANESE" else "latin"]
        measure = measures.setdefault((path, points), Measure(path, points))
        if listing:
            print("%s %s %dx%d px (%dx%d dialog units, %d pt, base %dx%d)" % (
                folder, dlg["id"], *measure.px(*dlg["size"][2:4]), *dlg["size"][2:4],
                points, measure.base_x, measure.line))
        for kind, text, ident, style, _x, _y, w, h in dlg["controls"]:
            problem = text and check_control(measure, kind, text, style, w, h)
            if problem:
                clipped += 1
                shown = text.replace("\n", "\\n").replace("\t", "\\t")
                print('%s %s %s "%s" %s' % (folder, dlg["id"], ident, shown, problem))
    return clipped


def main():
    parser = argparse.ArgumentParser(description="Reports dialog texts that do not fit.")
    parser.add_argument("folders", nargs="+")
    parser.add_argument("--list", action="store_true", help="print each template's pixel size")
    parser.add_argument("--latin-font", default=DEFAULT_FONT, help="font name or file")
    parser.add_argument("--japanese-font", default=DEFAULT_FONT, help="font name or file")
    args = parser.parse_args()
    fonts = {"latin": find_font(args.latin_font), "ja": find_font(args.japanese_font)}
    clipped = sum(check_folder(f, fonts, args.list) for f in args.folders)
    return 1 if clipped else 0


if __name__ == "__main__":
    sys.exit(main())
