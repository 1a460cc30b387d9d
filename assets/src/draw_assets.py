#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Playhaven's pictures: race markers, the logon face, the winner's
picture, the spinner animation, the application icon and the message
boxes' signs.

Run from the repository root:   python3 assets/src/draw_assets.py [OUTDIR]
(OUTDIR defaults to assets/ itself.)

Every shape is painted with one of 16 colours onto a grid with SS x SS
samples per pixel; each pixel is the average of its samples, which smooths
the edges.  PNG, GIF and ICO files are written here with zlib and struct
only, without timestamps, so each run gives the same bytes.  The same
drawings are also recorded, shape by shape, as SVG files (SvgCanvas), which
the program renders at display scales the bitmaps do not cover.
"""
import math
import os
import struct
import sys
import zlib
from collections import Counter

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SS = 4  # samples per pixel along each axis

COLOURS = [None,  # index 0: nothing painted (transparent)
           (44, 36, 64), (255, 255, 255), (255, 249, 226), (206, 236, 255),
           (232, 58, 72), (255, 152, 38), (255, 216, 56), (76, 192, 92),
           (54, 118, 224), (112, 206, 245), (152, 92, 204), (255, 146, 184),
           (250, 204, 156), (150, 92, 52), (148, 158, 176), (218, 224, 234)]
(INK, WHITE, CREAM, SKY, RED, ORANGE, YELLOW, GREEN, BLUE, GLASS, PURPLE,
 PINK, SKIN, BROWN, GREY, SILVER) = range(1, 17)

# Outline thickness in pixels for each picture size: about one pixel on the
# smallest icons, growing more slowly than the picture on the large ones.
OUTLINE_PX = {16: 1.0, 32: 1.6, 48: 2.0, 64: 2.6, 128: 4.2, 256: 7.0}


def ellipse_points(cx, cy, rx, ry, n=48):
    return [(cx + rx * math.cos(2 * math.pi * i / n),
             cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)]


def arc_points(cx, cy, r, a0, a1, n=16):
    """Points on a circle from angle a0 to a1 (degrees, y pointing down)."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n)))
            for i in range(n + 1)]


def star_points(cx, cy, r, tips=5):
    return [(cx + (r if i % 2 == 0 else r * 0.45) * math.sin(math.pi * i / tips),
             cy - (r if i % 2 == 0 else r * 0.45) * math.cos(math.pi * i / tips))
            for i in range(2 * tips)]


class Shapes:
    """The drawing API shared by the raster and the vector canvas: shapes are
    given in design units, moved and scaled by place(), and every compound
    shape is built from circle() and polygon() alone, so both canvases paint
    exactly the same pieces in the same order."""

    def place(self, x, y, s):
        """Later shapes are moved by (x, y) and scaled by s."""
        self.ox, self.oy, self.s = x, y, s

    def _pt(self, x, y):
        return (self.ox + x * self.s) * self.k, (self.oy + y * self.s) * self.k

    def line(self, p, q, w, c):
        """A thick line with round ends."""
        (x0, y0), (x1, y1) = p, q
        d = math.hypot(x1 - x0, y1 - y0)
        if d > 0:
            nx, ny = (y0 - y1) / d * w / 2, (x1 - x0) / d * w / 2
            self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                          (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], c)
        self.circle(x0, y0, w / 2, c)
        self.circle(x1, y1, w / 2, c)

    def path(self, pts, w, c, closed=False):
        pts = list(pts) + (list(pts[:1]) if closed else [])
        for p, q in zip(pts, pts[1:]):
            self.line(p, q, w, c)

    def ring(self, cx, cy, r, inner, c):
        """A disc of colour c with a clear hole, through which whatever lies
        under the picture shows."""
        self.circle(cx, cy, r, c)
        self.circle(cx, cy, inner, 0)

    # Shapes with an ink outline of self.ow centred on their edge ----------
    def o_circle(self, cx, cy, r, c):
        ow = self.ow / self.s
        self.circle(cx, cy, r + ow / 2, INK)
        self.circle(cx, cy, r - ow / 2, c)

    def o_poly(self, pts, c):
        self.polygon(pts, c)
        self.path(pts, self.ow / self.s, INK, closed=True)

    def o_ellipse(self, cx, cy, rx, ry, c):
        self.o_poly(ellipse_points(cx, cy, rx, ry), c)

    def o_line(self, p, q, w, c):
        ow = self.ow / self.s
        self.line(p, q, w + ow, INK)
        self.line(p, q, w - ow, c)


class Canvas(Shapes):
    """A supersampled grid of colour indices, drawn on in design units."""

    def __init__(self, width, height, scale, outline_px, background=0):
        self.width, self.height = width, height
        self.cols, self.rows = width * SS, height * SS
        self.k = scale * SS                     # samples per design unit
        self.ow = outline_px / scale            # outline width, design units
        self.background = background
        self.grid = bytearray([background]) * (self.cols * self.rows)
        self.place(0, 0, 1)

    def _span(self, j, x0, x1, c):
        i0 = max(0, math.ceil(x0 - 0.5))
        i1 = min(self.cols, math.ceil(x1 - 0.5))
        if i1 > i0:
            at = j * self.cols
            self.grid[at + i0:at + i1] = bytes([c]) * (i1 - i0)

    def _rows(self, y0, y1):
        return range(max(0, math.floor(y0)), min(self.rows, math.ceil(y1)))

    def circle(self, cx, cy, r, c):
        cx, cy = self._pt(cx, cy)
        r *= self.s * self.k
        for j in self._rows(cy - r, cy + r):
            dy = j + 0.5 - cy
            if abs(dy) < r:
                dx = math.sqrt(r * r - dy * dy)
                self._span(j, cx - dx, cx + dx, c)

    def polygon(self, pts, c):
        pts = [self._pt(x, y) for x, y in pts]
        edges = list(zip(pts, pts[1:] + pts[:1]))
        ys = [y for _, y in pts]
        for j in self._rows(min(ys), max(ys)):
            yc = j + 0.5
            xs = sorted(x0 + (yc - y0) * (x1 - x0) / (y1 - y0)
                        for (x0, y0), (x1, y1) in edges if (y0 <= yc) != (y1 <= yc))
            for a, b in zip(xs[0::2], xs[1::2]):
                self._span(j, a, b, c)

    # Reading the picture back ----------------------------------------------
    def pixels(self):
        """Rows of (r, g, b, a): each pixel averages its SS x SS samples."""
        planes = [self.grid.translate(bytes((COLOURS[i][ch] if i else 0)
                                            if i < len(COLOURS) else 0 for i in range(256)))
                  for ch in range(3)]
        planes.append(self.grid.translate(bytes([0] + [1] * 255)))
        n, out = SS * SS, []
        for y in range(self.height):
            sums = []
            for plane in planes:
                rows = [plane[(y * SS + s) * self.cols:(y * SS + s + 1) * self.cols]
                        for s in range(SS)]
                col = list(map(sum, zip(*rows)))
                sums.append([sum(col[x * SS:x * SS + SS]) for x in range(self.width)])
            row = []
            for r, g, b, a in zip(*sums):
                if a == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append(((r + a // 2) // a, (g + a // 2) // a, (b + a // 2) // a,
                                (a * 255 + n // 2) // n))
            out.append(row)
        return out

    def two_colour_pixels(self):
        """Rows of keys (a, b, quarters): each pixel is a blend of its two
        commonest colours, so a whole animation needs few palette entries."""
        out = []
        for y in range(self.height):
            rows = [self.grid[(y * SS + s) * self.cols:(y * SS + s + 1) * self.cols]
                    for s in range(SS)]
            row = []
            for x in range(self.width):
                common = Counter(b''.join(r[x * SS:x * SS + SS] for r in rows)).most_common(2)
                (a, na), (b, nb) = common[0], (common + [(common[0][0], 0)])[1]
                q = (4 * nb + (na + nb) // 2) // (na + nb)
                row.append((a,) if q == 0 else (min(a, b), max(a, b), 2) if q == 2 else (a, b, q))
            out.append(row)
        return out


def num(v):
    """A coordinate with at most 3 decimals and no trailing zeros, so the
    same drawing always gives the same text."""
    text = ('%.3f' % v).rstrip('0').rstrip('.')
    return '0' if text == '-0' else text


class SvgCanvas(Shapes):
    """Records the same drawing as filled SVG shapes in design units, for the
    program to render sharp at whatever size a screen needs.

    Only <rect>, <circle> and <polygon> with a plain fill are written: no
    strokes, transforms or styles, so any SVG Tiny renderer paints them, in
    order, just as the raster canvas does."""

    RING_POINTS = 96  # a wheel at 8x stays round to a tenth of a pixel

    def __init__(self, width, height, outline, background=0):
        self.width, self.height = width, height
        self.k = 1
        self.ow = outline                       # outline width, design units
        self.background = background
        self.elements = []
        self.run_colour, self.run = None, set()
        if background:
            self._add('<rect width="%d" height="%d"' % (width, height), background)
        self.place(0, 0, 1)

    def _add(self, shape, c):
        if not c:
            raise ValueError('an SVG shape can only paint, it cannot clear')
        text = '%s fill="#%02x%02x%02x"/>' % ((shape,) + COLOURS[c])
        if c != self.run_colour:
            self.run_colour, self.run = c, set()
        # Painting a shape again over shapes of its own colour changes
        # nothing but the file size (and darkens smoothed edges a little).
        if text not in self.run:
            self.run.add(text)
            self.elements.append(text)

    def circle(self, cx, cy, r, c):
        r *= self.s * self.k
        if r > 0:
            cx, cy = self._pt(cx, cy)
            self._add('<circle cx="%s" cy="%s" r="%s"' % (num(cx), num(cy), num(r)), c)

    def polygon(self, pts, c):
        pts = [(num(x), num(y)) for x, y in (self._pt(x, y) for x, y in pts)]
        pts = [p for i, p in enumerate(pts) if p != pts[i - 1]] or pts[:1]
        # Points on the straight line between their neighbours add nothing.
        vals = [(float(x), float(y)) for x, y in pts]
        keep = []
        for i, (x, y) in enumerate(vals):
            (ax, ay), (bx, by) = vals[i - 1], vals[(i + 1) % len(vals)]
            span = math.hypot(bx - ax, by - ay)
            off = abs((bx - ax) * (y - ay) - (by - ay) * (x - ax))
            between = ((x - ax) * (bx - ax) + (y - ay) * (by - ay) >= 0
                       and (bx - x) * (bx - ax) + (by - y) * (by - ay) >= 0)
            if not (span > 0 and off / span < 0.0005 and between):
                keep.append(pts[i])
        if len(keep) >= 3:
            self._add('<polygon points="%s"' % ' '.join('%s,%s' % p for p in keep), c)

    # Joins of a thick path deviate from true round joins by at most this
    # much (design units): a few hundredths of a pixel even at 8x.
    ROUND_TOLERANCE = 0.004

    def path(self, pts, w, c, closed=False):
        """The same thick path as the raster canvas paints, a line and a
        round join per corner, but traced as one polygon along both sides:
        a fraction of the size, and no seams where pieces would meet."""
        pts = [p for i, p in enumerate(pts) if i == 0 or p != pts[i - 1]]
        if closed and len(pts) > 1 and pts[0] == pts[-1]:
            pts.pop()
        if w <= 0 or len(pts) < (3 if closed else 2):
            return Shapes.path(self, pts, w, c, closed)
        r = w / 2
        segs = list(zip(pts, pts[1:] + pts[:1])) if closed else list(zip(pts, pts[1:]))
        lengths = [math.hypot(q[0] - p[0], q[1] - p[1]) for p, q in segs]
        normals = [((p[1] - q[1]) / d * r, (q[0] - p[0]) / d * r)
                   for (p, q), d in zip(segs, lengths)]
        # A join's inner corner is where the two sides cross, unless the
        # segments are too short for that; the outer corner is a mitre if
        # that is as good as round, else a fan of points around the vertex.
        sides = []
        for sign in (1, -1):
            joins, trims = {}, [0.0] * (2 * len(segs))
            for j in range(len(segs)) if closed else range(1, len(segs)):
                (ax, ay), (bx, by) = normals[j - 1], normals[j]
                turn = math.atan2(ax * by - ay * bx, ax * bx + ay * by)
                inner = sign * (ax * (segs[j][1][0] - segs[j][0][0])
                                + ay * (segs[j][1][1] - segs[j][0][1])) > 0
                joins[j] = (turn, inner)
                if inner:
                    trims[2 * j - 1] = trims[2 * j] = r * math.tan(abs(turn) / 2)
            fits = all(trims[2 * i] + trims[2 * i + 1] <= lengths[i] for i in range(len(segs)))
            side = []
            for j, (p, q) in enumerate(segs):
                nx, ny = sign * normals[j][0], sign * normals[j][1]
                if j in joins:
                    turn, inner = joins[j]
                    px, py = p
                    ax, ay = sign * normals[j - 1][0], sign * normals[j - 1][1]
                    half = abs(turn) / 2
                    if inner and fits:
                        m = 1 / (1 + math.cos(abs(turn)))
                        side.append((px + (ax + nx) * m, py + (ay + ny) * m))
                    elif inner:  # through the vertex: overlaps fill as one
                        side += [(px + ax, py + ay), p, (px + nx, py + ny)]
                    elif r * (1 / math.cos(half) - 1) <= self.ROUND_TOLERANCE:
                        m = 1 / (1 + math.cos(abs(turn)))
                        side.append((px + (ax + nx) * m, py + (ay + ny) * m))
                    else:
                        step = 2 * math.acos(1 - self.ROUND_TOLERANCE / r)
                        n = math.ceil(abs(turn) / step)
                        a0 = math.atan2(ay, ax)
                        side += [(px + r * math.cos(a0 + turn * i / n),
                                  py + r * math.sin(a0 + turn * i / n)) for i in range(n + 1)]
                else:
                    side.append((p[0] + nx, p[1] + ny))
                if not closed and j == len(segs) - 1:  # else the next join ends it
                    side.append((q[0] + nx, q[1] + ny))
            sides.append(side)
        left, right = sides
        if closed:
            # Both sides as loops, the right one traced backwards, joined by
            # a cut whose two edges coincide.
            self.polygon(left + left[:1] + right[:1] + right[:0:-1] + right[:1], c)
        else:
            self.polygon(left + right[::-1], c)
            self.circle(pts[0][0], pts[0][1], r, c)
            self.circle(pts[-1][0], pts[-1][1], r, c)

    def ring(self, cx, cy, r, inner, c):
        # SVG cannot clear what lies below, so the ring is one polygon: the
        # outer circle one way, then a cut in to the inner circle traced the
        # other way; the cut's two edges coincide and leave no seam.
        n = self.RING_POINTS
        outer = [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n))
                 for i in range(n)]
        hole = [(cx + inner * math.cos(2 * math.pi * i / n),
                 cy + inner * math.sin(2 * math.pi * i / n)) for i in range(n)]
        self.polygon(outer + outer[:1] + hole[:1] + hole[:0:-1] + hole[:1], c)

    def svg_bytes(self):
        head = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"'
                ' width="%d" height="%d" viewBox="0 0 %d %d">'
                % (self.width, self.height, self.width, self.height))
        return '\n'.join([head] + self.elements + ['</svg>', '']).encode()


def blend(key):
    if len(key) == 1:
        return COLOURS[key[0]]
    a, b, q = key
    return tuple((COLOURS[a][i] * (4 - q) + COLOURS[b][i] * q + 2) // 4 for i in range(3))


# File formats ---------------------------------------------------------------
def png_bytes(rows, alpha=True):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for p in row:
            raw.extend(p if alpha else p[:3])

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))
    head = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 6 if alpha else 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', head)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def lzw_encode(data, min_size):
    """GIF's variable-width LZW, codes packed from the low bit up."""
    clear, stop = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0
    width, table, free = min_size + 1, {}, stop + 1

    def put(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 255)
            acc >>= 8
            nbits -= 8
    put(clear)
    code = data[0]
    for b in data[1:]:
        if (code, b) in table:
            code = table[code, b]
            continue
        put(code)
        if free < 4096:
            table[code, b] = free
            free += 1
            if free > (1 << width) and width < 12:
                width += 1
        else:  # table full: start afresh
            put(clear)
            width, table, free = min_size + 1, {}, stop + 1
        code = b
    put(code)
    put(stop)
    if nbits:
        out.append(acc & 255)
    return bytes(out)


def gif_bytes(frames, delay_cs):
    """An endlessly looping GIF89a from frames given as rows of palette keys."""
    keys = list(dict.fromkeys(k for f in frames for row in f for k in row))
    bits = max(1, (len(keys) - 1).bit_length())
    assert bits <= 8, 'too many colours for one GIF palette'
    index = {k: i for i, k in enumerate(keys)}
    table = b''.join(bytes(blend(k)) for k in keys).ljust(3 << bits, b'\0')
    w, h = len(frames[0][0]), len(frames[0])
    out = bytearray(b'GIF89a' + struct.pack('<HHBBB', w, h, 0xF0 | (bits - 1), 0, 0) + table)
    out += b'\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00'  # loop forever
    min_size = max(2, bits)
    for frame in frames:
        out += b'\x21\xF9\x04' + struct.pack('<BHB', 0x04, delay_cs, 0) + b'\x00'
        out += b'\x2C' + struct.pack('<HHHHB', 0, 0, w, h, 0) + bytes([min_size])
        data = lzw_encode(bytes(index[k] for row in frame for k in row), min_size)
        for i in range(0, len(data), 255):
            out += bytes([len(data[i:i + 255])]) + data[i:i + 255]
        out += b'\x00'
    return bytes(out + b'\x3B')


def ico_bytes(pngs):
    """A Windows icon holding PNG-compressed entries: (size, png data)."""
    out = struct.pack('<HHH', 0, 1, len(pngs))
    offset = 6 + 16 * len(pngs)
    for size, data in pngs:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in pngs)


# Drawings -------------------------------------------------------------------
# Markers and the application icon are drawn in a 32 x 32 design square;
# `size` is the pixel size being drawn, so small sizes can leave out detail.
def bicycle(cv, size):
    for cx in (8, 24):
        cv.ring(cx, 21, 7.6, 5.6 if size > 16 else 5.0, INK)
        if size > 16:
            for a in range(0, 180, 45):
                dx, dy = 5.6 * math.cos(math.radians(a)), 5.6 * math.sin(math.radians(a))
                cv.line((cx - dx, 21 - dy), (cx + dx, 21 + dy), 0.7, GREY)
        cv.circle(cx, 21, 1.3, INK)
    rear, crank, seat, head, front = (8, 21), (15, 21), (12.5, 11.5), (22, 11.5), (24, 21)
    bars = [(rear, crank), (rear, seat), (seat, crank), (seat, head), (head, crank),
            (head, front), (head, (21, 7.5)), ((20, 7.5), (25, 7.5))]
    if size <= 16:  # fewer, plainer bars keep the little frame open
        bars.remove((rear, seat))
    for p, q in bars if size > 16 else ():
        cv.line(p, q, 2.2 + cv.ow, INK)
    for p, q in bars:  # at 16 pixels the frame is a plain one-pixel line
        cv.line(p, q, 2.2 - cv.ow * 0.3 if size > 16 else 2.4, BLUE)
    cv.line((12.5, 11.5), (12.2, 9.5), 1.6, INK)
    cv.o_poly([(9, 8.6), (15, 8.4), (14.5, 10.6), (10, 10.4)], BROWN)
    cv.o_circle(15, 21, 1.8, SILVER)
    cv.o_circle(24.2, 7.5, 1.2, RED)


def car(cv, size):
    cv.o_poly([(2.5, 23), (2.5, 17), (5.5, 14.5), (10.5, 13.6), (13.5, 8), (22, 8),
               (25.5, 13.6), (28.5, 14.6), (29.5, 17.5), (29.5, 23)], RED)
    cv.o_poly([(12.3, 13.8), (14.6, 10), (17.6, 10), (17.6, 13.8)], GLASS)
    cv.o_poly([(19.4, 10), (21.4, 10), (23.8, 13.8), (19.4, 13.8)], GLASS)
    cv.o_circle(28.2, 17.6, 1.3, YELLOW)
    for cx in (9, 23):
        cv.o_circle(cx, 23, 4.6, INK)
        cv.circle(cx, 23, 2.2 if size > 16 else 1.8, SILVER)
    if size > 16:
        cv.line((14, 16.5), (16.5, 16.5), 0.8, INK)
        cv.line((20, 16.5), (22.5, 16.5), 0.8, INK)


def plane(cv, size):
    for sign in (-1, 1):
        cv.o_poly([(20, 16 + 2 * sign), (12.5, 16 + 13 * sign), (9, 16 + 13 * sign),
                   (11.5, 16 + 2 * sign)], BLUE)
        cv.o_poly([(6.5, 16 + 1.5 * sign), (3.2, 16 + 7 * sign), (1.5, 16 + 7 * sign),
                   (2.6, 16 + 1.5 * sign)], BLUE)
    cv.o_poly(ellipse_points(16, 16, 14.5, 3.4), WHITE)
    cv.o_poly(ellipse_points(25.5, 16, 2.4, 1.8), GLASS)
    if size > 16:
        cv.circle(5.5, 16, 1.1, RED)


def rocket_outline(y_top, y_cut):
    """The rocket body from its tip (y_top) down to y_cut, as a polygon."""
    ys = [y_top + (y_cut - y_top) * i / 12 for i in range(13)]
    half = [5 * min(1.0, math.sqrt((y - 2) / 8.5)) for y in ys]
    return [(16 + h, y) for h, y in zip(half, ys)] + [(16 - h, y) for h, y in zip(half, ys)][::-1]


def rocket(cv, size):
    flame = [(12.8, 24), (19.2, 24), (18.8, 27.2), (16, 31.4), (13.2, 27.2)]
    cv.o_poly(flame, ORANGE)
    cv.polygon([(14.4, 24), (17.6, 24), (17.2, 26.6), (16, 29), (14.8, 26.6)], YELLOW)
    for sign in (-1, 1):
        cv.o_poly([(16 + 4.6 * sign, 15), (16 + 9.5 * sign, 21.5), (16 + 9.5 * sign, 25.5),
                   (16 + 4.6 * sign, 22.5)], RED)
    if size > 16:
        cv.o_poly([(12.6, 22.5), (19.4, 22.5), (18.4, 25), (13.6, 25)], GREY)
    cv.o_poly(rocket_outline(2, 23), WHITE)
    cv.o_poly(rocket_outline(2, 8.5), RED)
    if size > 16:
        cv.o_circle(16, 14, 2.6, GLASS)
    elif size > 14:
        cv.circle(16, 14, 2.0, BLUE)
    if size > 16:
        cv.circle(15.2, 13.2, 0.8, WHITE)


def face(cv, size):
    cv.o_circle(16, 16, 14.4, YELLOW)
    cv.circle(9.2, 19.2, 2.4 if size > 16 else 2.2, PINK)
    cv.circle(22.8, 19.2, 2.4 if size > 16 else 2.2, PINK)
    if size <= 16:  # eyes on whole pixels, so they stay sharp
        for cx in (11, 21):
            cv.polygon([(cx - 1, 10), (cx + 1, 10), (cx + 1, 14), (cx - 1, 14)], INK)
    for cx in (11.6, 20.4) if size > 16 else ():
        cv.polygon(ellipse_points(cx, 12.6, 1.8, 2.8), INK)
        cv.circle(cx + 0.5, 11.5, 0.7, WHITE)
    cv.path(arc_points(16, 15.5, 7.8, 22, 158), 2.2, INK)


def app_icon(cv, size):
    cv.o_circle(16, 16, 15 - cv.ow / 2, PURPLE)
    cv.circle(16, 16, 12.6 if size >= 32 else 13, BLUE)
    if size >= 32:
        for x, y, r in [(7, 10, 1.0), (24.5, 8, 0.8), (25, 23, 1.0)]:
            cv.polygon(star_points(x, y, r * 1.8, 4), WHITE if size < 64 else YELLOW)
    s = 0.82 if size >= 32 else 0.9
    outline = cv.ow
    if size < 32:
        cv.ow *= 0.7  # a full pixel of ink would swamp the little rocket
    cv.place(16 - 16 * s, 16.2 - 16.5 * s, s)
    rocket(cv, size * s)
    cv.place(0, 0, 1)
    cv.ow = outline


# The signs of the message boxes, in the 32 x 32 design square: a plain
# ground and one bold glyph in a colour that stands out on it, so each reads
# at the 32 pixels a box shows at scale 1.  (name, drawing, ground, glyph)
def information_sign(cv):
    cv.o_circle(16, 16, 14.4, BLUE)
    cv.circle(16, 9.2, 2.4, WHITE)
    cv.line((16, 14.4), (16, 23.4), 4.0, WHITE)


def exclamation_sign(cv):
    cv.o_poly([(16, 3.2), (30.4, 28.8), (1.6, 28.8)], YELLOW)
    cv.polygon([(14.2, 10.6), (17.8, 10.6), (16.9, 20.4), (15.1, 20.4)], INK)
    cv.circle(16, 10.8, 1.8, INK)
    cv.circle(16, 24.4, 2.1, INK)


def question_sign(cv):
    cv.o_circle(16, 16, 14.4, PURPLE)
    cv.path(arc_points(16, 11.8, 4.4, 190, 400, 14) + [(16, 17.2), (16, 18.8)], 3.6, WHITE)
    cv.circle(16, 24.2, 2.3, WHITE)


SIGNS = (('information', information_sign, BLUE, WHITE),
         ('exclamation', exclamation_sign, YELLOW, INK),
         ('question', question_sign, PURPLE, WHITE))


# The winner's picture, drawn in a 110 x 140 design box.
def bigfoot(cv):
    for (x, y, r), c in zip([(14, 18, 7), (97, 16, 6), (101, 78, 4.5), (9, 80, 4.5)],
                            [YELLOW, YELLOW, PINK, ORANGE]):
        cv.o_poly(star_points(x, y, r), c)
    for (x, y), c in zip([(26, 8), (84, 30), (20, 64), (93, 100), (12, 106), (73, 6)],
                         [BLUE, GREEN, PURPLE, RED, GLASS, PINK]):
        cv.circle(x, y, 2.2, c)
    cv.polygon(ellipse_points(55, 131, 47, 5), SILVER)
    for sign in (-1, 1):                                   # legs, toes, feet
        cv.o_line((55 + 9 * sign, 98), (55 + 13 * sign, 119), 9, BLUE)
    for sign in (-1, 1):
        cx = 55 + 25 * sign
        for i, (dx, dy, r) in enumerate([(20, -2, 3.6), (16.5, -5.6, 3.4), (12.2, -8, 3.2),
                                         (7.8, -9.2, 3.0), (3.6, -9.6, 2.8)]):
            cv.o_circle(cx + dx * sign, 121 + dy, r, SKIN)
        cv.o_ellipse(cx + 2 * sign, 123, 24, 9, SKIN)
    for sign in (-1, 1):                                   # arms raised
        cv.o_line((55 + 13 * sign, 68), (55 + 24 * sign, 56), 8, RED)
        cv.o_line((55 + 24 * sign, 56), (55 + 34 * sign, 42), 6, SKIN)
        cv.o_circle(55 + 35 * sign, 39, 5.4, SKIN)
    cv.o_poly([(38, 86), (72, 86), (74, 103), (58, 103), (55, 97), (52, 103), (36, 103)], BLUE)
    cv.o_ellipse(55, 76, 19, 15, RED)
    cv.o_poly(star_points(55, 76, 7), YELLOW)
    for cx, cy, r in [(41, 29, 6.5), (47, 22, 7), (56, 20, 7), (65, 23, 6.5), (70, 31, 5.5)]:
        cv.o_circle(cx, cy, r, BROWN)                      # curly hair
    for sign in (-1, 1):
        cv.o_circle(55 + 19 * sign, 43, 4.2, SKIN)        # ears
    cv.o_circle(55, 41, 19, SKIN)
    for sign in (-1, 1):
        cx = 55 + 7 * sign
        cv.polygon(ellipse_points(cx, 37, 2.4, 3.4), INK)
        cv.circle(cx + 0.8, 35.6, 1.0, WHITE)
        cv.path(arc_points(cx, 33, 4, 215, 325, 4), 1.4, INK)  # eyebrows
        cv.circle(55 + 12 * sign, 46, 3.2, PINK)
    cv.o_poly(arc_points(55, 45, 9, 0, 180), RED)        # open, laughing mouth
    cv.polygon(ellipse_points(55, 51.4, 4.4, 2.2), PINK)
    cv.path(arc_points(55, 45, 9, 0, 180), cv.ow, INK)
    cv.line((46, 45), (64, 45), cv.ow, INK)
    cv.o_circle(55, 41.5, 2.4, SKIN)                       # nose


# One frame of the spinner, drawn in a 110 x 140 design box.
# Twelve segments in three colours repeat every 90 degrees, so eight frames
# of 11.25 degrees close the loop; each step is well under half a segment,
# so the eye follows the turn forwards.
SPIN_COLOURS = [RED, YELLOW, BLUE] * 4
SPIN_STEP = 90 / 8


def spinner(cv, frame):
    turn = frame * SPIN_STEP
    cx, cy, r = 55, 64, 40
    for a0 in (-150, 30):                                  # motion swooshes
        cv.path(arc_points(cx, cy, r + 7, a0, a0 + 50, 10), 2.4, GREY)
        tip = arc_points(cx, cy, r + 7, a0 + 50, a0 + 50, 1)[0]
        back = [arc_points(cx, cy, r + 7 + d, a0 + 40, a0 + 40, 1)[0] for d in (-4, 4)]
        cv.polygon([tip, back[0], back[1]], GREY)
    cv.o_poly([(47, 104), (63, 104), (72, 126), (38, 126)], PURPLE)   # stand
    cv.o_poly([(28, 124), (82, 124), (82, 131), (28, 131)], GREEN)
    cv.circle(cx, cy, r + cv.ow / 2, INK)
    seg = 360 / len(SPIN_COLOURS)
    for i, c in enumerate(SPIN_COLOURS):
        a = turn + seg * i
        cv.polygon([(cx, cy)] + arc_points(cx, cy, r - cv.ow / 2, a, a + seg, 6), c)
    for i in range(len(SPIN_COLOURS)):
        a = math.radians(turn + seg * i)
        cv.line((cx, cy), (cx + (r - 1) * math.cos(a), cy + (r - 1) * math.sin(a)), 1.2, INK)
        cv.o_circle(cx + (r - 4.5) * math.cos(a), cy + (r - 4.5) * math.sin(a), 1.9, WHITE)
    cv.o_circle(cx, cy, 7, WHITE)
    cv.o_circle(cx, cy, 2.6, GREEN)
    cv.o_poly([(48, 14), (62, 14), (55, 30)], ORANGE)    # pointer


# Writing everything -----------------------------------------------------------
def save(rel, data, written):
    path = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)
    written.append(rel)


def icon_png(draw, size, px=None):
    cv = Canvas(size, size, size / 32, OUTLINE_PX[px or size])
    draw(cv, px or size)
    return png_bytes(cv.pixels())


MARKS = ('bicycle', 'cars', 'plane', 'rocket', 'face')


def write_qrc(files):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">',
             "    <!-- The 32 px icons serve as the 16 px icons' double-density variants. -->"]
    icons = sorted(f for f in files if f.startswith(('appicon/', 'icons/')))
    lines += ['    <file>%s</file>' % f for f in icons]
    lines += ['    <file alias="icons/%s16@2x.png">icons/%s32.png</file>' % (n, n) for n in MARKS]
    lines += ['    <file>%s</file>' % f for f in sorted(files)
              if not f.endswith('.qrc') and f not in icons]
    lines += ['</qresource>', '</RCC>', '']
    return '\n'.join(lines).encode()


def main():
    written = []
    for name, draw in zip(MARKS, (bicycle, car, plane, rocket, face)):
        for size in (16, 32):
            save('icons/%s%d.png' % (name, size), icon_png(draw, size), written)
        save('icons/%s32@2x.png' % name, icon_png(draw, 64), written)
    save('icons/face.ico', ico_bytes([(32, icon_png(face, 32)), (16, icon_png(face, 16))]),
         written)
    # The logo at double density, found by the program beside face.ico.
    save('icons/face@2x.ico', ico_bytes([(64, icon_png(face, 64))]), written)
    for scale, suffix in [(1, ''), (2, '@2x')]:
        cv = Canvas(110 * scale, 140 * scale, scale, 1.6 * scale, CREAM)
        bigfoot(cv)
        save('pictures/bigfoot%s.png' % suffix, png_bytes(cv.pixels(), alpha=False), written)
    frames = []
    for frame in range(8):
        cv = Canvas(110, 140, 1, 1.6, CREAM)
        spinner(cv, frame)
        frames.append(cv.two_colour_pixels())
    save('pictures/spinner.gif', gif_bytes(frames, 10), written)
    for size in (16, 32, 48, 64, 128, 256):
        save('appicon/playhaven-%d.png' % size, icon_png(app_icon, size), written)
    # Vector sources for every other display scale: the markers with the
    # detail and outline of their 64 px picture, the pictures with the
    # outline of their double-size one.
    for name, draw in zip(MARKS, (bicycle, car, plane, rocket, face)):
        cv = SvgCanvas(32, 32, OUTLINE_PX[64] / 2)
        draw(cv, 64)
        save('vector/%s.svg' % name, cv.svg_bytes(), written)
    cv = SvgCanvas(110, 140, 1.6 * 2 / 2, CREAM)
    bigfoot(cv)
    save('vector/bigfoot.svg', cv.svg_bytes(), written)
    for frame in range(8):
        cv = SvgCanvas(110, 140, 1.6, CREAM)
        spinner(cv, frame)
        save('vector/spinner-%d.svg' % frame, cv.svg_bytes(), written)
    # The message boxes' signs, only ever drawn from their vector sources,
    # with the outline of the markers' vectors.
    for name, draw, _, _ in SIGNS:
        cv = SvgCanvas(32, 32, OUTLINE_PX[64] / 2)
        draw(cv)
        save('vector/message-%s.svg' % name, cv.svg_bytes(), written)
    save('assets.qrc', write_qrc(written), written)
    for rel in written:
        print('%7d  %s' % (os.path.getsize(os.path.join(OUT, rel)), os.path.join(OUT, rel)))


if __name__ == '__main__':
    OUT = sys.argv[1] if len(sys.argv) > 1 else ASSETS
    main()
