#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Writes the icon and cursor files of the game, which ImageMagick cannot write as needed.

  write_icons.py ico OUT PALETTE.txt IMAGE.rgba:SIZE [IMAGE.rgba:SIZE ...]
      An icon file with one 16-colour (4 bits per pixel) image per input. Each input is
      raw 8-bit RGBA of SIZE x SIZE pixels; an opaque pixel takes the nearest of the
      palette's 16 colours (one "r,g,b" a line), a pixel with alpha below 128 is
      transparent.
  write_icons.py cur OUT
      The pointing-hand cursor: 32 x 32, two colours, hot spot at the fingertip (5, 0).
  write_icons.py cur OUT IMAGE.rgba:SIZE X,Y
      A two-colour cursor drawn elsewhere: raw 8-bit RGBA of SIZE x SIZE pixels, where
      an opaque pixel is black or white by its brightness, with its hot spot at (X, Y).
"""
import struct
import sys

# The pointing hand, drawn by hand: X black, o white, anything else transparent.
HAND = """\
.....XX..........
....XooX.........
....XooX.........
....XooX.........
....XooX.........
....XooXXX.......
....XooXooXXX....
....XooXooXooXXX.
.XX.XooXooXooXooX
XooXXooXooXooXooX
XoooXoooooooooooX
XoooooooooooooooX
.XooooooooooooooX
.XooooooooooooooX
..XoooooooooooooX
..XooooooooooooX.
...XoooooooooooX.
...XoooooooooooX.
....XooooooooooX.
....XooooooooooX.
....XXXXXXXXXXXX.
"""
HAND_HOT_SPOT = (5, 0)


def row_bytes(bits_per_pixel, width):
    """Bytes in one bitmap row, padded to a multiple of four."""
    return (bits_per_pixel * width + 31) // 32 * 4


def pack_rows(rows, bits_per_pixel, width):
    """Packs rows of pixel values (top row first) into a bottom-up DIB bitmap."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(row_bytes(bits_per_pixel, width))
        per_byte = 8 // bits_per_pixel
        for x, value in enumerate(row):
            shift = 8 - bits_per_pixel * (x % per_byte + 1)
            line[x // per_byte] |= value << shift
        out += line
    return bytes(out)


def dib(width, height, bits_per_pixel, palette, colour_rows, mask_rows):
    """An icon or cursor image: header, palette, colour bitmap and AND mask."""
    colour = pack_rows(colour_rows, bits_per_pixel, width)
    mask = pack_rows(mask_rows, 1, width)
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits_per_pixel, 0,
                         len(colour) + len(mask), 0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + mask


def directory(kind, entries):
    """The file: its directory, then the images. entries: (size, colours, field4, field6, image)."""
    out = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, planes_or_x, bits_or_y, image in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0,
                           planes_or_x, bits_or_y, len(image), offset)
        offset += len(image)
    return out + b"".join(entry[4] for entry in entries)


def read_palette(path):
    palette = [tuple(int(v) for v in line.split(",")) for line in open(path) if line.strip()]
    if len(palette) != 16:
        sys.exit(f"write_icons: {path} holds {len(palette)} colours, not 16")
    return palette


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def icon_image(palette, path, size):
    data = open(path, "rb").read()
    if len(data) != size * size * 4:
        sys.exit(f"write_icons: {path} is not {size}x{size} RGBA")
    colour_rows, mask_rows = [], []
    for y in range(size):
        colour_row, mask_row = [], []
        for x in range(size):
            r, g, b, a = data[(y * size + x) * 4:(y * size + x) * 4 + 4]
            opaque = a >= 128
            colour_row.append(nearest(palette, (r, g, b)) if opaque else 0)
            mask_row.append(0 if opaque else 1)
        colour_rows.append(colour_row)
        mask_rows.append(mask_row)
    return dib(size, size, 4, palette, colour_rows, mask_rows)


def write_ico(out, palette_path, inputs):
    palette = read_palette(palette_path)
    entries = []
    for item in inputs:
        path, size = item.rsplit(":", 1)
        entries.append((int(size), 16, 1, 4, icon_image(palette, path, int(size))))
    open(out, "wb").write(directory(1, entries))


def hand_art():
    """The hand as rows of "X" (black), "o" (white) and "." (transparent)."""
    size = 32
    art = [line.ljust(size, ".") for line in HAND.splitlines()]
    return art + ["." * size] * (size - len(art))


def rgba_art(path, size):
    """A drawn cursor as the same rows: opaque pixels black or white by brightness."""
    data = open(path, "rb").read()
    if len(data) != size * size * 4:
        sys.exit(f"write_icons: {path} is not {size}x{size} RGBA")
    pixel = lambda x, y: data[(y * size + x) * 4:(y * size + x) * 4 + 4]
    return ["".join("." if pixel(x, y)[3] < 128 else "o" if sum(pixel(x, y)[:3]) >= 384 else "X"
                    for x in range(size)) for y in range(size)]


def write_cur(out, art, hot_spot):
    size = len(art)
    colour_rows = [[1 if c == "o" else 0 for c in line] for line in art]
    mask_rows = [[0 if c in "Xo" else 1 for c in line] for line in art]
    image = dib(size, size, 1, [(0, 0, 0), (255, 255, 255)], colour_rows, mask_rows)
    x, y = hot_spot
    open(out, "wb").write(directory(2, [(size, 2, x, y, image)]))


def main(argv):
    if len(argv) >= 5 and argv[1] == "ico":
        write_ico(argv[2], argv[3], argv[4:])
    elif len(argv) == 3 and argv[1] == "cur":
        write_cur(argv[2], hand_art(), HAND_HOT_SPOT)
    elif len(argv) == 5 and argv[1] == "cur":
        path, size = argv[3].rsplit(":", 1)
        write_cur(argv[2], rgba_art(path, int(size)), tuple(int(v) for v in argv[4].split(",")))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
