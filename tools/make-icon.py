#!/usr/bin/env python3
"""Draws the program's icon (a folder with a magnifier, 32 x 32, 16 colours) into an .ico."""
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, OLIVE, GREY, SILVER, YELLOW, AQUA, WHITE, NAVY = 0, 3, 8, 7, 11, 14, 15, 4
SIZE = 32


def draw():
    pixels = [[None] * SIZE for _ in range(SIZE)]  # None = transparent

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    # The folder: a tab, then the body, outlined in olive.
    rect(2, 6, 12, 9, OLIVE)
    rect(3, 7, 11, 9, YELLOW)
    rect(1, 9, 28, 27, OLIVE)
    rect(2, 10, 27, 26, YELLOW)
    rect(2, 10, 27, 11, WHITE)
    # The magnifier: a round glass with a dark rim, and a handle down to the right.
    cx, cy, r = 19, 17, 7
    for y in range(SIZE):
        for x in range(SIZE):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if d <= (r - 2) ** 2:
                pixels[y][x] = AQUA if (x - cx) + (y - cy) > -3 else WHITE
            elif d <= r ** 2 + 3:
                pixels[y][x] = BLACK
    for i in range(8):
        for w in range(3):
            x, y = cx + 5 + i, cy + 4 + i + w
            if x < SIZE and y < SIZE:
                pixels[y][x] = NAVY if w == 1 else BLACK
    return pixels


def ico(pixels):
    xor = b""
    mask = b""
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi, lo = (row[x] or 0), (row[x + 1] or 0)
            xor += bytes([(hi << 4) | lo])
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(ico(draw()))
