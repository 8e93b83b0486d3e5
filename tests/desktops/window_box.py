"""window_box.py IMAGE: prints "X Y WIDTH HEIGHT" of the smallest rectangle
holding the pixels that are not black, or nothing (exit status 1) when the
picture is black. A row or column with fewer than 64 such pixels does not
count: a pointer, wherever the compositor still draws it, is smaller than
that also at twice the scale (Weston 10 draws it at the output's corner
until the pointer first comes in), and a window's edges are far longer.

With window_box.py IMAGE --against EMPTY, the rectangle holds every pixel
that differs from the picture EMPTY of the desktop without the window, for
a desktop with a background of its own.

With the form window_box.py IMAGE X Y WIDTH HEIGHT, it prints the mean
brightness (0 to 255) of that rectangle instead; with
window_box.py IMAGE X Y WIDTH HEIGHT --against OTHER OX OY, the number of its
pixels whose brightness differs by more than 40 from the pixel at the same
place in the rectangle of that size at OX, OY in the picture OTHER, by the
brightness of their difference in colour."""
import sys

from PIL import Image, ImageChops, ImageStat


LEAST = 64


def lit(profile, length):
    """The first and one past the last place with LEAST lit pixels, of a
    row or column of means over LENGTH pixels."""
    values = list(profile.tobytes())
    places = [i for i, v in enumerate(values) if v * length >= LEAST * 255]
    return (places[0], places[-1] + 1) if places else None


def box(image):
    width, height = image.size
    grey = image.convert("L").point(lambda v: 255 if v > 12 else 0)
    columns = lit(grey.resize((width, 1), Image.BOX), height)
    rows = lit(grey.resize((1, height), Image.BOX), width)
    if columns is None or rows is None:
        return None
    return columns[0], rows[0], columns[1], rows[1]


def brightness(image, x, y, w, h):
    return ImageStat.Stat(image.convert("L").crop((x, y, x + w, y + h))).mean[0]


def differing(image, x, y, w, h, other, ox, oy):
    mine = image.convert("RGB").crop((x, y, x + w, y + h))
    theirs = other.convert("RGB").crop((ox, oy, ox + w, oy + h))
    difference = ImageChops.difference(mine, theirs).convert("L")
    return difference.point(lambda v: 255 if v > 40 else 0).histogram()[255]


def main():
    image = Image.open(sys.argv[1])
    if len(sys.argv) == 10 and sys.argv[6] == "--against":
        x, y, w, h, ox, oy = (int(v) for v in sys.argv[2:6] + sys.argv[8:10])
        print(differing(image, x, y, w, h, Image.open(sys.argv[7]), ox, oy))
        return 0
    if len(sys.argv) == 6:
        x, y, w, h = (int(v) for v in sys.argv[2:])
        print(round(brightness(image, x, y, w, h)))
        return 0
    if len(sys.argv) == 4 and sys.argv[2] == "--against":
        empty = Image.open(sys.argv[3]).convert("RGB")
        image = ImageChops.difference(image.convert("RGB"), empty)
    found = box(image)
    if found is None:
        return 1
    left, top, right, bottom = found
    print(left, top, right - left, bottom - top)
    return 0


sys.exit(main())
