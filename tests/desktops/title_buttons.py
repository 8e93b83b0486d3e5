"""title_buttons.py IMAGE X Y WIDTH: counts the buttons drawn at the right
end of a window's title bar on a screenshot. X, Y and WIDTH give the frame's
top-left corner and width. Prints the count: the number of separate groups of
dark pixel columns in the bar's last 90 pixels, left of its 3-pixel border,
then "cross" when the last of them (close) is a cross: dark in each corner
quarter of its box, as one stroke alone is not. A button is a dark glyph (a cross, a
bar, a box) on the light bar, and the caption, centred, ends well before
that stretch."""
import sys

from PIL import Image

STRETCH = 90
BORDER = 3
BAR_HEIGHT = 30
DARK = 100


def dark_columns(image, x, y, width):
    grey = image.convert("L")
    columns = []
    for column in range(x + width - BORDER - STRETCH, x + width - BORDER):
        values = [grey.getpixel((column, row)) for row in range(y + 2, y + BAR_HEIGHT - 2)]
        columns.append(min(values) < DARK)
    return columns


def groups(columns):
    """The runs of dark columns, as (first, last) indexes."""
    runs, start = [], None
    for i, dark in enumerate(columns + [False]):
        if dark and start is None:
            start = i
        elif not dark and start is not None:
            runs.append((start, i - 1))
            start = None
    return runs


def is_cross(image, left, right, y):
    grey = image.convert("L")
    dark = [(c, r) for c in range(left, right + 1) for r in range(y + 2, y + BAR_HEIGHT - 2)
            if grey.getpixel((c, r)) < DARK]
    cols = [c for c, _ in dark]
    rows = [r for _, r in dark]
    mid_c, mid_r = (min(cols) + max(cols)) / 2, (min(rows) + max(rows)) / 2
    reach_c, reach_r = (max(cols) - min(cols)) / 4, (max(rows) - min(rows)) / 4
    # Away from the middle, where a thick stroke alone touches every quarter.
    quarters = {(c < mid_c, r < mid_r) for c, r in dark
                if abs(c - mid_c) > reach_c and abs(r - mid_r) > reach_r}
    return len(quarters) == 4


def main():
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    image = Image.open(sys.argv[1])
    x, y, width = (int(v) for v in sys.argv[2:])
    runs = groups(dark_columns(image, x, y, width))
    first = x + width - BORDER - STRETCH
    cross = bool(runs) and is_cross(image, first + runs[-1][0], first + runs[-1][1], y)
    print(len(runs), "cross" if cross else "no-cross")
    return 0


sys.exit(main())
