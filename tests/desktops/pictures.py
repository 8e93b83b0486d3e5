#!/usr/bin/env python3
# pictures.py COMMAND IMAGE ...: what the fixed-size runs read from their
# screenshots (tests/desktops/fixed_size.sh).
#
#   box IMAGE [EMPTY]
#       "X Y WIDTH HEIGHT" of the smallest rectangle holding the pixels that
#       are not black (or, against EMPTY, that differ from that picture of
#       the desktop without the window, for a desktop with a background of
#       its own); exit status 1 when there are none. A row or column with
#       fewer than 64 such pixels does not count: a pointer, wherever the
#       compositor still draws it, is smaller than that also at twice the
#       scale (Weston 10 draws it at the output's corner until the pointer
#       first comes in), and a window's edges are far longer.
#   differ IMAGE X Y WIDTH HEIGHT OTHER OX OY
#       how many of its pixels differ by more than 40 in brightness from the
#       pixel at the same place in the rectangle of that size at OX, OY in
#       the picture OTHER, by the brightness of their difference in colour.
#   buttons IMAGE X Y WIDTH SCALE
#       the buttons drawn at the right end of a window's title bar; X, Y and
#       WIDTH give the frame's top-left corner and width, SCALE the scale it
#       is drawn at, by which every length here is multiplied. A button is a
#       dark glyph (a cross, a bar, a box) on the light bar, and the caption,
#       centred, ends well before the bar's last 90 pixels: each separate
#       group of dark pixel columns there, left of the 3-pixel border, is one.
#       Prints "WIDTH HEIGHT MIRRORED" of each group's dark pixels, separated
#       by commas; MIRRORED is the percentage of them whose mirror image
#       across the group's middle column is dark too (a cross's all, a single
#       stroke's few).
#   dark IMAGE X Y WIDTH HEIGHT
#       how many pixels of the rectangle are dark as a glyph's (below 100).
import sys
from itertools import groupby

from PIL import Image, ImageChops


def lit(profile, length):
    # The first and one past the last place with 64 lit pixels, of a row or
    # column of means over LENGTH pixels.
    places = [i for i, v in enumerate(profile.tobytes()) if v * length >= 64 * 255]
    return (places[0], places[-1] + 1) if places else None


def box(image, against=None):
    if against:
        image = ImageChops.difference(image.convert("RGB"), Image.open(against).convert("RGB"))
    width, height = image.size
    grey = image.convert("L").point(lambda v: 255 if v > 12 else 0)
    columns = lit(grey.resize((width, 1), Image.BOX), height)
    rows = lit(grey.resize((1, height), Image.BOX), width)
    if columns is None or rows is None:
        return 1
    print(columns[0], rows[0], columns[1] - columns[0], rows[1] - rows[0])


def differ(image, x, y, w, h, other, ox, oy):
    x, y, w, h, ox, oy = map(int, (x, y, w, h, ox, oy))
    difference = ImageChops.difference(image.convert("RGB").crop((x, y, x + w, y + h)),
                                       Image.open(other).convert("RGB").crop((ox, oy, ox + w, oy + h)))
    print(difference.convert("L").point(lambda v: 255 if v > 40 else 0).histogram()[255])


def buttons(image, x, y, width, scale):
    grey = image.convert("L")
    x, y, width, scale = int(x), int(y), int(width), float(scale)
    first = x + width - round(93 * scale)
    rows = range(y + round(2 * scale), y + round(28 * scale))
    dark = [[(c, r) for r in rows if grey.getpixel((c, r)) < 100]
            for c in range(first, x + width - round(3 * scale))]
    glyphs = [sum(run, []) for found, run in groupby(dark, bool) if found]

    def answer(g):
        left, right = min(c for c, _ in g), max(c for c, _ in g)
        mirrored = len(set(g) & {(left + right - c, r) for c, r in g}) * 100 // len(g)
        return f"{right - left + 1} {max(r for _, r in g) - min(r for _, r in g) + 1} {mirrored}"
    print(", ".join(answer(g) for g in glyphs))


def dark_count(image, x, y, w, h):
    x, y, w, h = map(int, (x, y, w, h))
    print(image.convert("L").crop((x, y, x + w, y + h)).point(lambda v: 255 if v < 100 else 0).histogram()[255])


# A command that prints its answer exits with status 0 (None).
command, image, *rest = sys.argv[1:]
sys.exit({"box": box, "differ": differ, "buttons": buttons, "dark": dark_count}[command](Image.open(image), *rest))
