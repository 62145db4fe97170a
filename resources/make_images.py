#!/usr/bin/env python3
"""Draws the program's images and writes them next to this script:

  orva.ico        the application icon: 16x16 at 8 and 4 bits per pixel,
                  32x32 at 4 and 8 bits per pixel (an open book with an
                  orange spine on a blue tile)
  directions.bmp  the 32x16 bitmap of the two direction buttons, 8 bits per
                  pixel: Russian-to-Hebrew first, Hebrew-to-Russian second.
                  Light grey (192, 192, 192) is the transparent colour.

Run it again after changing a drawing; the outputs are committed.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of a 4-bit image; the 8-bit images use the same ones first.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Extra colours of the 8-bit images, and the nearest 4-bit colour of each.
EXTRA = {
    (31, 58, 147): 4,     # tile blue
    (255, 90, 0): 9,      # spine orange, as on the welcome page
    (70, 90, 160): 4,     # tile edge
    (200, 200, 210): 7,   # page lines
    (0, 57, 166): 4,      # flag blue
    (213, 43, 30): 9,     # flag red
    (0, 56, 184): 12,     # star blue
    (60, 60, 60): 8,      # arrow
}
PALETTE8 = PALETTE + list(EXTRA)


def nearest4(colour):
    if colour in PALETTE:
        return PALETTE.index(colour)
    return EXTRA[colour]


# --- drawings --------------------------------------------------------------

TILE, EDGE, SPINE, PAGE, LINE = (31, 58, 147), (70, 90, 160), (255, 90, 0), (255, 255, 255), (200, 200, 210)
CLEAR = None  # transparent in the icon


def icon(size):
    """An open book on a rounded blue tile."""
    s = size
    img = [[CLEAR] * s for _ in range(s)]
    r = 2 if s == 16 else 4
    for y in range(s):
        for x in range(s):
            # Rounded corners.
            dx = max(r - x, x - (s - 1 - r), 0)
            dy = max(r - y, y - (s - 1 - r), 0)
            if dx * dx + dy * dy > r * r:
                continue
            edge = x == 0 or y == 0 or x == s - 1 or y == s - 1 or dx * dx + dy * dy > (r - 1) * (r - 1)
            img[y][x] = EDGE if edge else TILE
    # The book: two pages either side of the spine.
    top, bottom = (4, 12) if s == 16 else (7, 25)
    left, right = (2, 13) if s == 16 else (4, 27)
    mid = s // 2
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            img[y][x] = PAGE
    for y in range(top, bottom + 2 if bottom + 1 < s else bottom + 1):
        img[y][mid - 1] = SPINE
        if s == 32:
            img[y][mid] = SPINE
    # Lines of text on the pages.
    step = 2 if s == 16 else 3
    for y in range(top + 2, bottom - 1, step):
        for x in range(left + 1, mid - 2):
            img[y][x] = LINE
        for x in range(mid + (1 if s == 32 else 0) + 1, right):
            img[y][x] = LINE
    return img


GREY = (192, 192, 192)
WHITE, RU_BLUE, RU_RED, IL_BLUE, ARROW = (255, 255, 255), (0, 57, 166), (213, 43, 30), (0, 56, 184), (60, 60, 60)


def russian_flag(img, x0, y0):
    for y in range(6):
        for x in range(8):
            img[y0 + y][x0 + x] = WHITE if y < 2 else RU_BLUE if y < 4 else RU_RED


def israeli_flag(img, x0, y0):
    for y in range(6):
        for x in range(8):
            img[y0 + y][x0 + x] = IL_BLUE if y in (0, 5) else WHITE
    for y in (2, 3):
        for x in (3, 4):
            img[y0 + y][x0 + x] = IL_BLUE


def direction(first, second):
    """The flag of the source language top left, an arrow bending down and
    right, the flag of the target language bottom right."""
    img = [[GREY] * 16 for _ in range(16)]
    first(img, 0, 0)
    second(img, 8, 10)
    for y in range(7, 13):
        img[y][1] = ARROW
    for x in range(1, 7):
        img[12][x] = ARROW
    for d in (1, 2):
        img[12 - d][6 - d] = ARROW
        img[12 + d][6 - d] = ARROW
    return img


# --- file formats ----------------------------------------------------------

def dib_rows(img, bits, palette_index):
    """Pixel rows bottom-up, each padded to 4 bytes."""
    out = b""
    for row in reversed(img):
        indexes = [palette_index(c) for c in row]
        if bits == 8:
            data = bytes(indexes)
        else:
            data = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, len(indexes), 2))
        out += data + b"\0" * (-len(data) % 4)
    return out


def palette_bytes(palette, count):
    entries = palette + [(0, 0, 0)] * (count - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries)


def write_bmp(path, img):
    h, w = len(img), len(img[0])
    pixels = dib_rows(img, 8, PALETTE8.index)
    pal = palette_bytes(PALETTE8, 256)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + pal + pixels)


def icon_image(img, bits):
    h, w = len(img), len(img[0])
    if bits == 8:
        pal, count, index = PALETTE8, 256, lambda c: 0 if c is None else PALETTE8.index(c)
    else:
        pal, count, index = PALETTE, 16, lambda c: 0 if c is None else nearest4(c)
    xor = dib_rows(img, bits, index)
    mask = b""
    for row in reversed(img):
        data = bytearray((w + 7) // 8)
        for x, c in enumerate(row):
            if c is None:
                data[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(data) + b"\0" * (-len(data) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(xor) + len(mask), 0, 0, count, 0)
    return info + palette_bytes(pal, count) + xor + mask


def write_ico(path, images):
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for img, bits in images:
        blob = icon_image(img, bits)
        size = len(img)
        colours = 16 if bits == 4 else 0
        entries += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + blobs)


def main():
    small, large = icon(16), icon(32)
    write_ico(os.path.join(HERE, "orva.ico"), [(small, 8), (small, 4), (large, 4), (large, 8)])
    ru_he = direction(russian_flag, israeli_flag)
    he_ru = direction(israeli_flag, russian_flag)
    write_bmp(os.path.join(HERE, "directions.bmp"), [a + b for a, b in zip(ru_he, he_ru)])


if __name__ == "__main__":
    main()
