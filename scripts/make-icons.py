#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files.

Tray pictures, one per state, at 16 and 32 pixels:
  tray_good.ico      four green signal bars
  tray_normal.ico    three yellow bars, one empty
  tray_weak.ico      one orange bar, three empty
  tray_lost.ico      a grey antenna, crossed out
  tray_notexist.ico  empty bars under a red "none" sign
and the program icon zelvin.ico at 16, 32 and 48 pixels.

Every shape carries a dark outline and empty parts a light translucent fill,
so the pictures read on light and on dark taskbars. Shapes are drawn with
4 x 4 supersampling; the files hold 32-bit BGRA bitmaps with an AND mask.
Only the standard library is used, so the output is reproducible anywhere:

  python3 scripts/make-icons.py [output folder]   (default resources/icons)
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4

OUTLINE = (24, 24, 24, 235)
EMPTY_FILL = (225, 225, 225, 110)
GREEN = (52, 199, 72, 255)
YELLOW = (246, 208, 32, 255)
ORANGE = (245, 128, 24, 255)
GREY = (168, 168, 168, 255)
LIGHT_GREY = (215, 215, 215, 255)
RED = (226, 38, 38, 255)
WHITE = (255, 255, 255, 255)


# ---- Shapes: each is a test "is this point inside", in design units ----

def rect(x0, y0, x1, y1, grow=0.0):
    return lambda x, y: x0 - grow <= x < x1 + grow and y0 - grow <= y < y1 + grow


def rounded_rect(x0, y0, x1, y1, radius, grow=0.0):
    x0, y0, x1, y1, radius = x0 - grow, y0 - grow, x1 + grow, y1 + grow, radius + grow

    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def segment(ax, ay, bx, by, half_width):
    """A straight stroke with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half_width ** 2
    return inside


def ring(cx, cy, r_inner, r_outer, start_deg=0.0, end_deg=360.0):
    """An annulus, or the part of it between two angles (0 = right, 90 = up)."""
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_inner ** 2 <= d2 <= r_outer ** 2):
            return False
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360.0
        return start_deg <= angle <= end_deg if start_deg <= end_deg else (angle >= start_deg or angle <= end_deg)
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# ---- Canvas: paints shapes over each other, then averages the subsamples ----

class Canvas:
    def __init__(self, size, design=16.0):
        self.size = size
        self.scale = size / design          # real pixels per design unit
        n = size * SUPERSAMPLE
        self.samples = [[(0.0, 0.0, 0.0, 0.0)] * n for _ in range(n)]

    def paint(self, shape, color):
        """Composites color over every subsample whose centre lies inside shape."""
        r, g, b, a = (c / 255.0 for c in color)
        n = self.size * SUPERSAMPLE
        step = 1.0 / (SUPERSAMPLE * self.scale)
        for sy in range(n):
            y = (sy + 0.5) * step
            row = self.samples[sy]
            for sx in range(n):
                if shape((sx + 0.5) * step, y):
                    pr, pg, pb, pa = row[sx]
                    keep = 1.0 - a
                    row[sx] = (r * a + pr * keep, g * a + pg * keep, b * a + pb * keep, a + pa * keep)

    def outline_width(self):
        """One real pixel per 16 of the picture's size, in design units."""
        return 1.0

    def pixels(self):
        """Rows top-down of straight (not premultiplied) RGBA bytes."""
        rows = []
        count = SUPERSAMPLE * SUPERSAMPLE
        for py in range(self.size):
            row = []
            for px in range(self.size):
                tr = tg = tb = ta = 0.0
                for sy in range(py * SUPERSAMPLE, (py + 1) * SUPERSAMPLE):
                    for sx in range(px * SUPERSAMPLE, (px + 1) * SUPERSAMPLE):
                        r, g, b, a = self.samples[sy][sx]
                        tr, tg, tb, ta = tr + r, tg + g, tb + b, ta + a
                if ta <= 0.0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append(tuple(int(round(min(1.0, c / ta) * 255)) for c in (tr, tg, tb))
                           + (int(round(ta / count * 255)),))
            rows.append(row)
        return rows


# ---- The pictures ----

def bar_shapes(canvas):
    """The four signal bars, shortest first, as (outline, fill) shape pairs."""
    ow = canvas.outline_width()
    bars = []
    for i in range(4):
        x0 = i * 4.0
        x1 = x0 + 4.0
        top = 10.0 - i * 3.0
        bottom = 16.0
        bars.append((rect(x0, top, x1, bottom), rect(x0 + ow, top + ow, x1 - ow, bottom - ow)))
    return bars


def draw_bars(canvas, lit, color, outline=OUTLINE):
    for i, (outer, inner) in enumerate(bar_shapes(canvas)):
        canvas.paint(outer, outline)
        canvas.paint(inner, color if i < lit else EMPTY_FILL)


def draw_good(canvas):
    draw_bars(canvas, 4, GREEN)


def draw_normal(canvas):
    draw_bars(canvas, 3, YELLOW)


def draw_weak(canvas):
    draw_bars(canvas, 1, ORANGE)


def antenna_shapes(half):
    """A mast on a small foot with a wave on each side, strokes of half width `half`."""
    return union(
        segment(8.0, 6.0, 8.0, 14.5, half),
        segment(4.5, 14.5, 11.5, 14.5, half),
        disc(8.0, 4.8, 1.0 + half),
        ring(8.0, 4.8, 3.6 - half, 3.6 + half, 125, 235),
        ring(8.0, 4.8, 3.6 - half, 3.6 + half, 305, 55),
    )


def draw_lost(canvas):
    ow = canvas.outline_width()
    canvas.paint(antenna_shapes(0.75 + ow), OUTLINE)
    canvas.paint(antenna_shapes(0.75), GREY)
    canvas.paint(segment(2.0, 2.0, 14.0, 14.0, 1.1 + ow), OUTLINE)
    canvas.paint(segment(2.0, 2.0, 14.0, 14.0, 1.1), LIGHT_GREY)


def draw_notexist(canvas):
    ow = canvas.outline_width()
    # Faint empty bars seen through the sign, kept inside its ring.
    inside_ring = disc(8.0, 8.0, 5.6)
    for outer, inner in bar_shapes(canvas):
        canvas.paint(minus(outer, lambda x, y: not inside_ring(x, y)), (24, 24, 24, 120))
        canvas.paint(minus(inner, lambda x, y: not inside_ring(x, y)), (225, 225, 225, 70))
    sign = union(ring(8.0, 8.0, 5.3, 7.4), segment(3.6, 3.6, 12.4, 12.4, 1.05))
    outer_sign = union(ring(8.0, 8.0, 5.3 - ow, 7.4 + ow), segment(3.6, 3.6, 12.4, 12.4, 1.05 + ow))
    canvas.paint(outer_sign, OUTLINE)
    canvas.paint(sign, RED)


def draw_program(canvas):
    ow = canvas.outline_width()
    canvas.paint(rounded_rect(0.5, 0.5, 15.5, 15.5, 3.0), (16, 60, 110, 255))
    canvas.paint(rounded_rect(0.5 + ow, 0.5 + ow, 15.5 - ow, 15.5 - ow, 3.0 - ow), (30, 120, 210, 255))
    # Upper half a shade lighter, for some depth.
    canvas.paint(minus(rounded_rect(0.5 + ow, 0.5 + ow, 15.5 - ow, 15.5 - ow, 3.0 - ow), rect(0, 8.0, 16, 16)),
                 (255, 255, 255, 28))
    # An access point sending: a dot on a mast, two waves to each side.
    canvas.paint(disc(8.0, 7.0, 1.5), WHITE)
    canvas.paint(segment(8.0, 7.5, 8.0, 12.8, 0.7), WHITE)
    canvas.paint(segment(6.0, 12.8, 10.0, 12.8, 0.7), WHITE)
    for radius in (3.4, 5.8):
        canvas.paint(ring(8.0, 7.0, radius - 0.7, radius + 0.7, 135, 225), WHITE)
        canvas.paint(ring(8.0, 7.0, radius - 0.7, radius + 0.7, 315, 45), WHITE)


# ---- .ico writer ----

def bitmap_image(rows):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, then the AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    color = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            color += bytes((b, g, r, a))
    mask = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # transparent where the alpha channel is not honoured
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(color) + bytes(mask)


def ico_file(images):
    """images: list of (size, image bytes), smallest first."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


PICTURES = {
    "tray_good.ico": (draw_good, (16, 32)),
    "tray_normal.ico": (draw_normal, (16, 32)),
    "tray_weak.ico": (draw_weak, (16, 32)),
    "tray_lost.ico": (draw_lost, (16, 32)),
    "tray_notexist.ico": (draw_notexist, (16, 32)),
    "zelvin.ico": (draw_program, (16, 32, 48)),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "icons")
    os.makedirs(out_dir, exist_ok=True)
    for name, (draw, sizes) in PICTURES.items():
        images = []
        for size in sizes:
            canvas = Canvas(size)
            draw(canvas)
            images.append((size, bitmap_image(canvas.pixels())))
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(ico_file(images))
        print("wrote", os.path.join(out_dir, name))


if __name__ == "__main__":
    main()
