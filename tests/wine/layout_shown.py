"""layout_shown.py CLIENT.png LAYOUT.tsv BACKGROUND.jpg: whether a picture of
the main window's client area at 100 % shows its layout: where no control
stands, the window shows its background picture unscaled from the top left
corner. LAYOUT.tsv is the layout dump: window, name, kind, left, top, width,
height, x1, y1, x2, y2 (twips) and the start text."""
import sys

from PIL import Image

TWIPS = 15
# JPEG decoders differ by a few levels.
TOLERANCE = 24
# Text boxes are white; the background under them is darker.


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
    for kind, box in controls(layout):
        x0, y0, x1, y1 = covered(kind, box)
        for x in range(max(x0, 0), min(x1, width)):
            for y in range(max(y0, 0), min(y1, height)):
                free[x][y] = False
    same = total = 0
    for x in range(width):
        for y in range(height):
            if free[x][y]:
                total += 1
                a, b = shown.getpixel((x, y)), picture.getpixel((x, y))
                same += all(abs(p - q) <= TOLERANCE for p, q in zip(a, b))
    if same < 0.97 * total:
        print(f"layout_shown: only {same} of {total} free pixels show the background",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
