"""window_box.py IMAGE: prints "X Y WIDTH HEIGHT" of the smallest rectangle
holding every pixel that is not black, or nothing (exit status 1) when the
picture is black. The 4 x 4 pixels at the bottom-right corner are left out:
the test parks the pointer there.

With window_box.py IMAGE --against EMPTY, the rectangle holds every pixel
that differs from the picture EMPTY of the desktop without the window, for
a desktop with a background of its own.

With the last form, window_box.py IMAGE X Y WIDTH HEIGHT, it prints the
mean brightness (0 to 255) of that rectangle instead."""
import sys

from PIL import Image, ImageChops


def box(image):
    width, height = image.size
    grey = image.convert("L").point(lambda v: 255 if v > 12 else 0)
    corner = Image.new("L", (4, 4), 0)
    grey.paste(corner, (width - 4, height - 4))
    return grey.getbbox()


def brightness(image, x, y, w, h):
    region = image.convert("L").crop((x, y, x + w, y + h))
    pixels = list(region.getdata())
    return sum(pixels) / len(pixels)


def main():
    image = Image.open(sys.argv[1])
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
