"""title_buttons.py IMAGE X Y WIDTH: counts the buttons drawn at the right
end of a window's title bar on a screenshot. X, Y and WIDTH give the frame's
top-left corner and width. Prints the count: the number of separate groups of
dark pixel columns in the bar's last 90 pixels, left of its 3-pixel border.
A button is a dark glyph (a cross, a bar, a box) on the light bar, and the
caption, centred, ends well before that stretch."""
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
    count, inside = 0, False
    for dark in columns:
        if dark and not inside:
            count += 1
        inside = dark
    return count


def main():
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    image = Image.open(sys.argv[1])
    x, y, width = (int(v) for v in sys.argv[2:])
    print(groups(dark_columns(image, x, y, width)))
    return 0


sys.exit(main())
