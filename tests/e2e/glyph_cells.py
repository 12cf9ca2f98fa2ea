#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Tells drawn characters from the boxes a face without them leaves in their place.

Reads a picture of one line of text (a plain PPM, as `convert x.png -compress none
ppm:-` writes it) on a plain background, cuts it into cells at the columns without
ink, and prints how many cells there are and how many of them differ from each other.
A missing character is drawn as the face's hollow box, the same box for every one, so
a caption of boxes has many cells and one shape; drawn characters differ.
"""
import collections
import sys


def read_ppm(text):
    words = [w for line in text.splitlines() for w in line.split("#")[0].split()]
    assert words[0] == "P3", "a plain PPM is needed"
    width, height, _ = map(int, words[1:4])
    values = list(map(int, words[4:]))
    return width, height, [tuple(values[i:i + 3]) for i in range(0, 3 * width * height, 3)]


def cells(width, height, pixels):
    background = collections.Counter(pixels).most_common(1)[0][0]
    distance = [max(abs(a - b) for a, b in zip(pixel, background)) for pixel in pixels]
    # Ink is what stands out from the background by at least half the strongest contrast.
    threshold = max(max(distance) / 2, 1)
    ink = [[distance[y * width + x] >= threshold for x in range(width)] for y in range(height)]
    columns = [any(ink[y][x] for y in range(height)) for x in range(width)]
    found, start = [], None
    for x, inked in enumerate(columns + [False]):
        if inked and start is None:
            start = x
        elif not inked and start is not None:
            rows = [y for y in range(height) if any(ink[y][start:x])]
            found.append(tuple(tuple(ink[y][start:x]) for y in range(rows[0], rows[-1] + 1)))
            start = None
    return found


def alike(a, b):
    """Same size and at most a tenth of the pixels different."""
    if len(a) != len(b) or len(a[0]) != len(b[0]):
        return False
    differing = sum(p != q for row_a, row_b in zip(a, b) for p, q in zip(row_a, row_b))
    return differing * 10 <= len(a) * len(a[0])


def main():
    found = cells(*read_ppm(sys.stdin.read()))
    shapes = []
    for cell in found:
        if not any(alike(cell, shape) for shape in shapes):
            shapes.append(cell)
    print(f"{len(found)} {len(shapes)}")


if __name__ == "__main__":
    main()
