"""title_buttons.py IMAGE X Y WIDTH [SCALE]: counts the buttons drawn at the
right end of a window's title bar on a screenshot. X, Y and WIDTH give the
frame's top-left corner and width; SCALE (1 unless given) the scale the frame
is drawn at. Prints the count: the number of separate groups of dark pixel
columns in the bar's last 90 pixels, left of its 3-pixel border, then "cross"
when the last of them (close) is a cross: dark in each corner quarter of its
box, as one stroke alone is not. A button is a dark glyph (a cross, a bar, a
box) on the light bar, and the caption, centred, ends well before that
stretch. Every length here is multiplied by SCALE. A second line gives the
box of each group's dark pixels, "LEFT TOP WIDTH HEIGHT" from the frame's
top-left corner, separated by commas."""
import sys

from PIL import Image

STRETCH = 90
BORDER = 3
BAR_HEIGHT = 30
DARK = 100


def dark_pixels(grey, columns, rows):
    return [(c, r) for c in columns for r in rows if grey.getpixel((c, r)) < DARK]


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


def is_cross(dark):
    cols = [c for c, _ in dark]
    rows = [r for _, r in dark]
    mid_c, mid_r = (min(cols) + max(cols)) / 2, (min(rows) + max(rows)) / 2
    reach_c, reach_r = (max(cols) - min(cols)) / 4, (max(rows) - min(rows)) / 4
    # Away from the middle, where a thick stroke alone touches every quarter.
    quarters = {(c < mid_c, r < mid_r) for c, r in dark
                if abs(c - mid_c) > reach_c and abs(r - mid_r) > reach_r}
    return len(quarters) == 4


def main():
    if len(sys.argv) not in (5, 6):
        print(__doc__, file=sys.stderr)
        return 2
    grey = Image.open(sys.argv[1]).convert("L")
    x, y, width = (int(v) for v in sys.argv[2:5])
    scale = float(sys.argv[5]) if len(sys.argv) == 6 else 1
    first = x + width - round((BORDER + STRETCH) * scale)
    rows = range(y + round(2 * scale), y + round((BAR_HEIGHT - 2) * scale))
    columns = [any(grey.getpixel((c, r)) < DARK for r in rows)
               for c in range(first, x + width - round(BORDER * scale))]
    glyphs = [dark_pixels(grey, range(first + left, first + right + 1), rows)
              for left, right in groups(columns)]
    cross = bool(glyphs) and is_cross(glyphs[-1])
    print(len(glyphs), "cross" if cross else "no-cross")
    boxes = []
    for dark in glyphs:
        cols = [c for c, _ in dark]
        tops = [r for _, r in dark]
        boxes.append(f"{min(cols) - x} {min(tops) - y} "
                     f"{max(cols) - min(cols) + 1} {max(tops) - min(tops) + 1}")
    print(", ".join(boxes))
    return 0


sys.exit(main())
