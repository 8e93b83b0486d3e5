#!/usr/bin/python3
"""Counts the lines of the tracked files on each side: tests, product and
neither (the developer tools here in dev/), and prints the tests' share.

A line counts when it is neither blank nor a comment. The files counted are
.cpp .h .hpp .cc .py .sh .cmake, CMakeLists.txt, and everything in scripts/
and .ci/. Test code is everything that exists only to test: tests/ and
packaging/tests/. Golden data (tests/replay/*.expected and the scripts) is
not code and is not counted.

    dev/count_lines.py            # the two sides and the share
    dev/count_lines.py --folders  # and the lines of each folder
"""

import os
import subprocess
import sys

EXTENSIONS = (".cpp", ".h", ".hpp", ".cc", ".py", ".sh", ".cmake")
TESTS = ("tests/", "packaging/tests/")
NEITHER = ("dev/",)
SHELL_LIKE = ("scripts/", ".ci/")


def counted(path):
    return (path.endswith(EXTENSIONS) or os.path.basename(path) == "CMakeLists.txt"
            or path.startswith(SHELL_LIKE))


def hash_comments(path):
    return (path.endswith((".py", ".sh", ".cmake")) or path.startswith(SHELL_LIKE)
            or os.path.basename(path) == "CMakeLists.txt")


def lines_of(path):
    count, in_block = 0, False
    hashes = hash_comments(path)
    with open(path, errors="replace") as file:
        for line in file:
            text = line.strip()
            if not text:
                continue
            if hashes:
                count += not text.startswith("#")
            elif in_block:
                in_block = "*/" not in text
            elif text.startswith("/*"):
                in_block = "*/" not in text
            elif not text.startswith("//"):
                count += 1
    return count


def side_of(path):
    if path.startswith(TESTS):
        return "tests"
    if path.startswith(NEITHER):
        return "neither"
    return "product"


def main():
    root = subprocess.check_output(["git", "rev-parse", "--show-toplevel"], text=True).strip()
    os.chdir(root)
    files = subprocess.check_output(["git", "ls-files"], text=True).splitlines()
    sides = {"tests": 0, "product": 0, "neither": 0}
    folders = {}
    for path in files:
        if not counted(path) or not os.path.isfile(path):
            continue
        lines = lines_of(path)
        sides[side_of(path)] += lines
        folder = "/".join(path.split("/")[:2])
        folders[folder] = folders.get(folder, 0) + lines
    print(f"tests {sides['tests']}, product {sides['product']}, neither {sides['neither']}: "
          f"tests are {sides['tests'] / sides['product']:.2f} of the product")
    if "--folders" in sys.argv:
        for folder, lines in sorted(folders.items(), key=lambda item: -item[1]):
            print(f"{lines:6} {folder}")


if __name__ == "__main__":
    main()
