#!/usr/bin/env python3
"""layout_shown.py CLIENT.png LAYOUT.tsv BACKGROUND.jpg: whether a picture of
the main window's client area at 100 % shows its layout. Where no control
stands, the window shows its background picture unscaled from the top left
corner; each text box stands where the layout puts it, a white box that
covers the background. LAYOUT.tsv is the layout dump: window, name, kind,
left, top, width, height, x1, y1, x2, y2 (twips) and the start text."""
import sys

from PIL import Image

TWIPS = 15
# JPEG decoders differ by a few levels.
TOLERANCE = 24
# Text boxes are white; the background under them is darker.
WHITE = 230


def controls(layout):
    with open(layout, encoding="utf-8") as rows:
        for row in rows:
            cells = row.rstrip("\n").split("\t")
            if cells[0] == "Form1":
                yield cells[2], [int(cell) // TWIPS for cell in cells[3:11]]


def covered(kind, box, margin=2):
    """The pixels a control may paint: its box, or a line's with a margin."""
    left, top, width, height, x1, y1, x2, y2 = box
    if kind == "line":
        left, top = min(x1, x2) - margin, min(y1, y2) - margin
        width, height = abs(x2 - x1) + 2 * margin, abs(y2 - y1) + 2 * margin
    return left - margin, top - margin, left + width + margin, top + height + margin


def main(client, layout, background):
    shown = Image.open(client).convert("RGB")
    picture = Image.open(background).convert("RGB")
    width = min(shown.width, picture.width)
    height = min(shown.height, picture.height)
    free = [[True] * height for _ in range(width)]
    failures = []
    for kind, box in controls(layout):
        x0, y0, x1, y1 = covered(kind, box)
        for x in range(max(x0, 0), min(x1, width)):
            for y in range(max(y0, 0), min(y1, height)):
                free[x][y] = False
        if kind == "textbox" and box[1] + box[3] <= height:
            left, top, w, h = box[:4]
            inside = [shown.getpixel((x, y)) for x in range(left + 3, left + w - 3)
                      for y in range(top + 3, top + h - 3)]
            white = sum(1 for p in inside if min(p) >= WHITE)
            if white < 0.6 * len(inside):
                failures.append(f"no white box at the text box at {left},{top}")
    same = total = 0
    for x in range(width):
        for y in range(height):
            if free[x][y]:
                total += 1
                a, b = shown.getpixel((x, y)), picture.getpixel((x, y))
                same += all(abs(p - q) <= TOLERANCE for p, q in zip(a, b))
    if same < 0.97 * total:
        failures.append(f"only {same} of {total} free pixels show the background")
    for failure in failures:
        print(f"layout_shown: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
