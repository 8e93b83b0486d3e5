#!/usr/bin/python3
"""Counts the lines of the tracked files on each side, tests and product, and
prints the tests' share.

A line counts unless it is blank or starts with // or # (so preprocessor
lines count as little as comments do). The files counted are .cpp .h .hpp
.cc .py .sh .cmake, CMakeLists.txt, and everything in scripts/ and .ci/.
Test code is everything that exists only to test: tests/ and packaging/tests/.
Product code is src/, tools/, scripts/, .ci/ and the rest of packaging/. The
developer tools in dev/ count on neither side, nor do the build files at the
top (CMakeLists.txt, cmake/); golden data is not code.

    dev/count_lines.py            # the two sides and the share
    dev/count_lines.py --folders  # and the lines of each folder
"""

import os
import re
import subprocess
import sys

COUNTED = re.compile(r"\.(cpp|h|hpp|cc|py|sh|cmake)$|CMakeLists\.txt$|^scripts/|^\.ci/")
NOT_A_LINE = re.compile(r"^\s*(//.*|#.*)?$")
TESTS = ("tests/", "packaging/tests/")
PRODUCT = ("src/", "tools/", "scripts/", ".ci/", "packaging/")


def side_of(path):
    if path.startswith(TESTS):
        return "tests"
    return "product" if path.startswith(PRODUCT) else "neither"


def lines_of(path):
    with open(path, errors="replace") as file:
        return sum(not NOT_A_LINE.match(line) for line in file)


def main():
    root = subprocess.check_output(["git", "rev-parse", "--show-toplevel"], text=True).strip()
    os.chdir(root)
    files = subprocess.check_output(["git", "ls-files"], text=True).splitlines()
    sides = {"tests": 0, "product": 0, "neither": 0}
    folders = {}
    for path in files:
        if not COUNTED.search(path) or not os.path.isfile(path):
            continue
        lines = lines_of(path)
        sides[side_of(path)] += lines
        folder = "/".join(path.split("/")[:2])
        folders[folder] = folders.get(folder, 0) + lines
    print(f"tests {sides['tests']}, product {sides['product']}: "
          f"tests are {sides['tests'] / sides['product']:.2f} of the product")
    if "--folders" in sys.argv:
        for folder, lines in sorted(folders.items(), key=lambda item: -item[1]):
            print(f"{lines:6} {folder}")


if __name__ == "__main__":
    main()
