#!/usr/bin/env python3
"""Draws the button pictures of TSetup as icon files in res/: a loudspeaker ("An&hören")
and a document ("&Dokumentation"), each in a normal and a greyed (disabled) form, at 16,
20, 24 and 32 pixels (100 %, 125 %, 150 % and 200 %). The shapes are laid out on a grid of
16 units with strokes on whole or half units, so that the 16- and 32-pixel images are
sharp. Run it after changing a shape; the icon files are kept in the repository."""

import math
import os
import struct
import sys

SIZES = (16, 20, 24, 32)
SAMPLES = 8  # per pixel and axis

DARK = (64, 64, 64, 255)
BLUE = (30, 100, 200, 255)
PAPER = (255, 255, 255, 255)
FOLD = (200, 200, 200, 255)
LINES = (110, 130, 160, 255)


def inside_polygon(x, y, points):
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def near_segment(x, y, a, b, half_width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx - x, ay + t * dy - y
    return px * px + py * py <= half_width * half_width


def polygon(points, colour):
    return lambda x, y: colour if inside_polygon(x, y, points) else None


def outline(points, width, colour):
    segments = list(zip(points, points[1:] + points[:1]))
    return lambda x, y: (colour if any(near_segment(x, y, a, b, width / 2) for a, b in segments)
                         else None)


def line(a, b, width, colour):
    return lambda x, y: colour if near_segment(x, y, a, b, width / 2) else None


def arc(cx, cy, radius, width, degrees, colour):
    def shape(x, y):
        distance = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(y - cy, x - cx))
        if abs(distance - radius) <= width / 2 and abs(angle) <= degrees:
            return colour
        return None
    return shape


# Painted in order: a later shape covers an earlier one.
SPEAKER = [
    polygon([(1.5, 5.5), (5, 5.5), (9, 2), (9, 14), (5, 10.5), (1.5, 10.5)], DARK),
    polygon([(2.5, 6.5), (5.3, 6.5), (8, 4.2), (8, 11.8), (5.3, 9.5), (2.5, 9.5)], (120, 120, 120, 255)),
    arc(9, 8, 3.0, 1.2, 50, BLUE),
    arc(9, 8, 5.5, 1.2, 55, BLUE),
]

DOCUMENT = [
    polygon([(2.5, 0.5), (10, 0.5), (13.5, 4), (13.5, 15.5), (2.5, 15.5)], PAPER),
    outline([(2.5, 0.5), (10, 0.5), (13.5, 4), (13.5, 15.5), (2.5, 15.5)], 1.0, DARK),
    polygon([(10, 0.5), (10, 4), (13.5, 4)], FOLD),
    outline([(10, 0.5), (10, 4), (13.5, 4)], 1.0, DARK),
    line((5, 6.5), (11, 6.5), 1.0, LINES),
    line((5, 8.5), (11, 8.5), 1.0, LINES),
    line((5, 10.5), (11, 10.5), 1.0, LINES),
    line((5, 12.5), (9, 12.5), 1.0, LINES),
]


def render(shapes, size):
    """Rows top to bottom of (r, g, b, a), averaged over the samples of each pixel."""
    scale = 16.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for shape in shapes:
                        colour = shape(x, y) or colour
                    if colour:
                        alpha = colour[3] / 255.0
                        r += colour[0] * alpha
                        g += colour[1] * alpha
                        b += colour[2] * alpha
                        a += alpha
            n = SAMPLES * SAMPLES
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
        rows.append(row)
    return rows


def greyed(rows):
    """The disabled form: grey, lighter, and partly transparent."""
    result = []
    for row in rows:
        out = []
        for r, g, b, a in row:
            light = round(0.3 * r + 0.59 * g + 0.11 * b)
            grey = 120 + light * 100 // 255
            out.append((grey, grey, grey, a * 3 // 4))
        result.append(out)
    return result


def icon_image(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colours + bytes(mask)


def write_icon(path, images):
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for rows in images:
        blob = icon_image(rows)
        size = len(rows)
        data += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(path, 'wb') as out:
        out.write(data + b''.join(blobs))


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res')
    for name, shapes in (('Speaker', SPEAKER), ('Document', DOCUMENT)):
        images = [render(shapes, size) for size in SIZES]
        write_icon(os.path.join(res, name + '.ico'), images)
        write_icon(os.path.join(res, name + 'Disabled.ico'), [greyed(i) for i in images])
    return 0


if __name__ == '__main__':
    sys.exit(main())
