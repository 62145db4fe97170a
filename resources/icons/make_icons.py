#!/usr/bin/env python3
"""Draws the desktop icons of the program from its application icon and
writes them next to this script:

  orva.svg                 the icon as a drawing on a 32-unit grid, the
                           same shapes as the 32x32 image of orva.ico
  orva-16.png, orva-32.png the 16x16 and 32x32 images of orva.ico, pixel for
                           pixel (transparent corners)
  orva-48.png, orva-128.png
                           the drawing rendered at 48 and 128 pixels

Run it again after changing the drawing in ../make_images.py; the outputs
are committed. Needs only the Python standard library.
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import make_images  # noqa: E402  (the drawing of orva.ico)

TILE, EDGE, SPINE, PAGE, LINE = (make_images.TILE, make_images.EDGE, make_images.SPINE,
                                 make_images.PAGE, make_images.LINE)

# The 32x32 drawing as shapes, painted in order: (x, y, width, height,
# corner radius, fill). Coordinates are pixel edges on the 32-unit grid.
TEXT_ROWS = (9, 12, 15, 18, 21)
SHAPES = (
    [(0, 0, 32, 32, 4.5, EDGE), (1, 1, 30, 30, 3.5, TILE),
     (4, 7, 24, 19, 0, PAGE)]
    + [(5, y, 9, 1, 0, LINE) for y in TEXT_ROWS]
    + [(18, y, 9, 1, 0, LINE) for y in TEXT_ROWS]
    + [(15, 7, 2, 20, 0, SPINE)]
)


def hex_colour(c):
    return "#%02x%02x%02x" % c


def svg():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 32 32">',
           '  <title>ORVA Pocket</title>']
    for x, y, w, h, r, fill in SHAPES:
        corner = ' rx="%g"' % r if r else ""
        out.append('  <rect x="%g" y="%g" width="%g" height="%g"%s fill="%s"/>'
                   % (x, y, w, h, corner, hex_colour(fill)))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def inside(px, py, shape):
    x, y, w, h, r, _ = shape
    if not (x <= px < x + w and y <= py < y + h):
        return False
    if not r:
        return True
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def render(size, samples=8):
    """RGBA rows of the drawing at size x size, each pixel averaged over
    samples x samples points."""
    scale = 32.0 / size
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(samples):
                for si in range(samples):
                    px = (i + (si + 0.5) / samples) * scale
                    py = (j + (sj + 0.5) / samples) * scale
                    colour = None
                    for shape in SHAPES:
                        if inside(px, py, shape):
                            colour = shape[5]
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = samples * samples
            alpha = acc[3] / n
            if acc[3]:
                rgb = [round(acc[k] / acc[3]) for k in range(3)]
            else:
                rgb = [0, 0, 0]
            row.append((rgb[0], rgb[1], rgb[2], round(alpha * 255)))
        rows.append(row)
    return rows


def from_icon(size):
    """The image of orva.ico at size, None (transparent) as alpha 0."""
    return [[(0, 0, 0, 0) if c is None else (c[0], c[1], c[2], 255) for c in row]
            for row in make_images.icon(size)]


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    with open(os.path.join(HERE, "orva.svg"), "w", encoding="utf-8") as f:
        f.write(svg())
    images = {16: from_icon(16), 32: from_icon(32), 48: render(48), 128: render(128)}
    for size, rows in images.items():
        with open(os.path.join(HERE, "orva-%d.png" % size), "wb") as f:
            f.write(png(rows))


if __name__ == "__main__":
    main()
