#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Check the pictures under assets/ by reading the files back with decoders
written separately from the generator.

Run from the repository root:   python3 assets/src/check_assets.py
Exits non-zero and names each problem found.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zlib

SRC = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(SRC)
sys.dont_write_bytecode = True
sys.path.insert(0, SRC)
import draw_assets  # noqa: E402

problems = []


def check(ok, what):
    if not ok:
        problems.append(what)


def read_png(data):
    """(width, height, rows of (r, g, b, a)) for 8-bit RGB or RGBA PNGs."""
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    at, idat = 8, b''
    while at < len(data):
        size, kind = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + size]
        assert zlib.crc32(kind + body) & 0xffffffff == struct.unpack(
            '>I', data[at + 8 + size:at + 12 + size])[0], 'bad CRC in ' + kind.decode()
        if kind == b'IHDR':
            w, h, depth, colour = struct.unpack('>IIBB', body[:10])
            assert depth == 8 and colour in (2, 6), 'unexpected PNG format'
        elif kind == b'IDAT':
            idat += body
        at += size + 12
    step = 4 if colour == 6 else 3
    raw, rows = zlib.decompress(idat), []
    for y in range(h):
        line = raw[y * (w * step + 1):(y + 1) * (w * step + 1)]
        assert line[0] == 0, 'unexpected PNG filter'
        rows.append([tuple(line[1 + x * step:1 + x * step + step]) + ((255,) if step == 3 else ())
                     for x in range(w)])
    return w, h, rows


def read_gif(data):
    """(width, height, loop count, [(delay, rows of (r, g, b))])."""
    assert data[:6] == b'GIF89a', 'not a GIF89a'
    w, h, flags = struct.unpack('<HHB', data[6:11])
    at = 13
    palette = []
    if flags & 0x80:
        n = 2 << (flags & 7)
        palette = [tuple(data[at + 3 * i:at + 3 * i + 3]) for i in range(n)]
        at += 3 * n
    loop, delay, frames = None, None, []
    while data[at] != 0x3B:
        if data[at] == 0x21:
            label, blocks, at = data[at + 1], [], at + 2
            while data[at]:
                blocks.append(data[at + 1:at + 1 + data[at]])
                at += 1 + data[at]
            at += 1
            if label == 0xFF and blocks[0] == b'NETSCAPE2.0':
                loop = struct.unpack('<H', blocks[1][1:3])[0]
            elif label == 0xF9:
                delay = struct.unpack('<H', blocks[0][1:3])[0]
        elif data[at] == 0x2C:
            fx, fy, fw, fh, fflags = struct.unpack('<HHHHB', data[at + 1:at + 10])
            assert (fx, fy, fw, fh, fflags & 0x80) == (0, 0, w, h, 0), 'partial frame'
            min_size, at, packed = data[at + 10], at + 11, b''
            while data[at]:
                packed += data[at + 1:at + 1 + data[at]]
                at += 1 + data[at]
            at += 1
            pixels = lzw_decode(packed, min_size)
            check(len(pixels) == w * h, 'GIF frame %d has %d pixels' % (len(frames), len(pixels)))
            frames.append((delay, [[palette[i] for i in pixels[y * w:(y + 1) * w]]
                                   for y in range(h)]))
        else:
            raise AssertionError('unknown GIF block %#x' % data[at])
    return w, h, loop, frames


def lzw_decode(packed, min_size):
    clear, stop = 1 << min_size, (1 << min_size) + 1
    bits = int.from_bytes(packed, 'little')
    pos, width, table, prev, out = 0, min_size + 1, None, None, []
    while pos + width <= len(packed) * 8:
        code = (bits >> pos) & ((1 << width) - 1)
        pos += width
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            width, prev = min_size + 1, None
            continue
        if code == stop:
            break
        if prev is None:
            entry = table[code]
        else:
            entry = table[code] if code < len(table) else prev + prev[:1]
            if len(table) < 4096:
                table.append(prev + entry[:1])
            if len(table) == 1 << width and width < 12:
                width += 1
        out += entry
        prev = entry
    return out


SVG = '{http://www.w3.org/2000/svg}'
SVG_SHAPES = {'rect': {'x', 'y', 'width', 'height', 'fill'},
              'circle': {'cx', 'cy', 'r', 'fill'},
              'polygon': {'points', 'fill'}}
NUMBER = re.compile(r'-?\d+(\.\d{1,3})?$')


def read_svg(rel, data):
    """(width, height, [(tag, attributes)]), noting every element, attribute
    or number outside the plain filled shapes the program's renderer is given;
    the shapes are None if anything was noted."""
    known = len(problems)
    try:
        root = ET.fromstring(data)
    except ET.ParseError as e:
        check(False, '%s is not well-formed XML: %s' % (rel, e))
        return 0, 0, None
    check(root.tag == SVG + 'svg', '%s: the root is %s' % (rel, root.tag))
    box = root.get('viewBox', '').split()
    check(len(box) == 4 and all(NUMBER.match(v) for v in box) and box[:2] == ['0', '0'],
          '%s: viewBox %r' % (rel, root.get('viewBox')))
    w, h = (int(v) for v in box[2:]) if len(box) == 4 else (0, 0)
    check((root.get('width'), root.get('height')) == (str(w), str(h)),
          '%s: width and height are not the viewBox size' % rel)
    shapes = []
    for el in root:
        tag = el.tag[len(SVG):] if el.tag.startswith(SVG) else el.tag
        extra = set(el.attrib) - SVG_SHAPES.get(tag, set())
        check(tag in SVG_SHAPES and not extra and len(el) == 0 and not (el.text or '').strip(),
              '%s: <%s> %s is not a plain filled shape' % (rel, tag, sorted(extra)))
        fill = el.get('fill', '')
        check(re.match(r'#[0-9a-f]{6}$', fill) is not None, '%s: fill %r' % (rel, fill))
        numeric = SVG_SHAPES.get(tag, set()) - {'fill', 'points'}
        nums = [v for k, v in el.attrib.items() if k in numeric]
        nums += re.split(r'[ ,]', el.get('points', '')) if tag == 'polygon' else []
        check(all(NUMBER.match(v) for v in nums), '%s: <%s> has a malformed number' % (rel, tag))
        shapes.append((tag, el.attrib))
    return w, h, shapes if len(problems) == known else None


def paint_svg(shapes, width, height, scale):
    """A raster canvas painted with the SVG's shapes in order.  Polygons are
    filled by the winding rule, as an SVG renderer fills them, not by the
    generator's even-odd scan, so traced outlines that overlap themselves
    are checked for what they really show."""
    cv = draw_assets.Canvas(width * scale, height * scale, scale, 1)
    for tag, a in shapes:
        rgb = tuple(int(a['fill'][i:i + 2], 16) for i in (1, 3, 5))
        check(rgb in draw_assets.COLOURS, 'fill %s is not in the palette' % a['fill'])
        c = draw_assets.COLOURS.index(rgb) if rgb in draw_assets.COLOURS else draw_assets.INK
        if tag == 'circle':
            cv.circle(float(a['cx']), float(a['cy']), float(a['r']), c)
            continue
        if tag == 'rect':
            x, y = float(a.get('x', 0)), float(a.get('y', 0))
            w, h = float(a['width']), float(a['height'])
            pts = [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
        else:
            pts = [tuple(map(float, p.split(','))) for p in a['points'].split()]
        pts = [cv._pt(x, y) for x, y in pts]
        edges = list(zip(pts, pts[1:] + pts[:1]))
        for j in cv._rows(min(y for _, y in pts), max(y for _, y in pts)):
            yc = j + 0.5
            xs = sorted((x0 + (yc - y0) * (x1 - x0) / (y1 - y0), 1 if y1 > y0 else -1)
                        for (x0, y0), (x1, y1) in edges if (y0 <= yc) != (y1 <= yc))
            winding = 0
            for (xa, d), (xb, _) in zip(xs, xs[1:]):
                winding += d
                if winding:
                    cv._span(j, xa, xb, c)
    return cv


def differing(rows_a, rows_b):
    """How many pixels differ clearly (by more than a quarter in a channel);
    smoothed edges may differ a little where the SVG rounds coordinates or
    traces a round join with points."""
    return sum(max(abs(p - q) for p, q in zip(a, b)) > 64
               for ra, rb in zip(rows_a, rows_b) for a, b in zip(ra, rb))


def check_vectors(png):
    """Each SVG must be a plain one, no bigger than it need be, and show the
    same picture as the bitmap drawn at the size whose detail it carries."""
    def svg(rel, size):
        with open(os.path.join(ASSETS, rel), 'rb') as f:
            data = f.read()
        check(len(data) < 40000, '%s is %d bytes' % (rel, len(data)))
        w, h, shapes = read_svg(rel, data)
        check(shapes is None or (w, h) == size, '%s: viewBox is %dx%d' % (rel, w, h))
        return shapes if (w, h) == size else None

    def shade(key):  # a sample the SVG left unpainted shows as magenta
        return (255, 0, 255) if 0 in key[:2] else draw_assets.blend(key)

    for name in ('bicycle', 'cars', 'plane', 'rocket', 'face'):
        shapes = svg('vector/%s.svg' % name, (32, 32))
        if shapes is None:
            continue
        _, _, rows = png('icons/%s32@2x.png' % name)
        n = differing(paint_svg(shapes, 32, 32, 2).pixels(), rows)
        check(n <= 4, 'vector/%s.svg differs from the 64 px picture in %d pixels' % (name, n))
    for name, draw, ground, glyph in draw_assets.SIGNS:
        rel = 'vector/message-%s.svg' % name
        shapes = svg(rel, (32, 32))
        if shapes is None:
            continue
        cv = draw_assets.Canvas(64, 64, 2, draw_assets.OUTLINE_PX[64])
        draw(cv)
        n = differing(paint_svg(shapes, 32, 32, 2).pixels(), cv.pixels())
        check(n <= 4, '%s differs from its drawing in %d pixels' % (rel, n))
        # At the 32 px of a box at scale 1 the sign must still read: a clear
        # ground around it, and the glyph solid down its middle, with the
        # sign's own colour above and below it.
        rows = paint_svg(shapes, 32, 32, 1).pixels()
        check(all(rows[y][x][3] == 0 for y in (0, 31) for x in (0, 31)),
              '%s: a corner is not transparent' % rel)
        middle = [rows[y][15] for y in range(32)]
        solid = [draw_assets.COLOURS[glyph] + (255,), draw_assets.COLOURS[ground] + (255,)]
        counts = [sum(p == colour for p in middle) for colour in solid]
        check(counts[0] >= 8 and counts[1] >= 3,
              '%s: %d glyph and %d ground pixels down its middle' % (rel, counts[0], counts[1]))
    shapes = svg('vector/bigfoot.svg', (110, 140))
    _, _, rows = png('pictures/bigfoot@2x.png')
    n = differing(paint_svg(shapes, 110, 140, 2).pixels(), rows) if shapes is not None else 0
    check(n <= 12, 'vector/bigfoot.svg differs from bigfoot@2x.png in %d pixels' % n)
    for frame in range(8):
        shapes = svg('vector/spinner-%d.svg' % frame, (110, 140))
        if shapes is None:
            continue
        cv = draw_assets.Canvas(110, 140, 1, 1.6, draw_assets.CREAM)
        draw_assets.spinner(cv, frame)
        drawn = [[draw_assets.blend(k) for k in row] for row in cv.two_colour_pixels()]
        painted = [[shade(k) for k in row]
                   for row in paint_svg(shapes, 110, 140, 1).two_colour_pixels()]
        n = differing(painted, drawn)
        check(n <= 4, 'vector/spinner-%d.svg differs from its frame in %d pixels' % (frame, n))


def main():
    with open(os.path.join(ASSETS, 'assets.qrc')) as f:
        listed = set(re.findall(r'<file>([^<]+)</file>', f.read()))
    made = {os.path.relpath(os.path.join(d, n), ASSETS)
            for d, _, names in os.walk(ASSETS) for n in names
            if n.endswith(('.png', '.gif', '.ico', '.svg'))}
    check(listed == made, 'assets.qrc and the files differ: %s' % sorted(listed ^ made))

    def png(rel):
        with open(os.path.join(ASSETS, rel), 'rb') as f:
            return read_png(f.read())

    for name in ('bicycle', 'cars', 'plane', 'rocket', 'face'):
        for rel, size in [('icons/%s16.png', 16), ('icons/%s32.png', 32),
                          ('icons/%s32@2x.png', 64)]:
            w, h, rows = png(rel % name)
            check((w, h) == (size, size), '%s is %dx%d' % (rel % name, w, h))
            alpha = [p[3] for row in rows for p in row]
            check(all(rows[y][x][3] == 0 for y in (0, h - 1) for x in (0, w - 1)),
                  '%s: a corner is not transparent' % (rel % name))
            check(sum(a == 255 for a in alpha) > len(alpha) // 10,
                  '%s: too little is drawn' % (rel % name))
    for size in (16, 32, 48, 64, 128, 256):
        w, h, rows = png('appicon/playhaven-%d.png' % size)
        check((w, h) == (size, size), 'playhaven-%d.png is %dx%d' % (size, w, h))
        check(rows[h // 2][w // 2][3] == 255 and rows[0][0][3] == 0,
              'playhaven-%d.png: not a badge on a clear ground' % size)
    for rel, size in [('pictures/bigfoot.png', (110, 140)), ('pictures/bigfoot@2x.png', (220, 280))]:
        w, h, rows = png(rel)
        check((w, h) == size, '%s is %dx%d' % (rel, w, h))
        check(all(p[3] == 255 for row in rows for p in row), rel + ' is not opaque')

    for ico_name, entries in [('face.ico', [(32, 'face32.png'), (16, 'face16.png')]),
                              ('face@2x.ico', [(64, 'face32@2x.png')])]:
        with open(os.path.join(ASSETS, 'icons', ico_name), 'rb') as f:
            ico = f.read()
        check(struct.unpack('<HHH', ico[:6]) == (0, 1, len(entries)), ico_name + ': bad header')
        for i, (size, png_name) in enumerate(entries):
            w, h, _, _, planes, bpp, length, offset = struct.unpack('<BBBBHHII', ico[6 + 16 * i:22 + 16 * i])
            with open(os.path.join(ASSETS, 'icons', png_name), 'rb') as f:
                check((w, h, planes, bpp) == (size % 256, size % 256, 1, 32)
                      and ico[offset:offset + length] == f.read(),
                      '%s entry %d is not %s' % (ico_name, i, png_name))

    with open(os.path.join(ASSETS, 'pictures/spinner.gif'), 'rb') as f:
        w, h, loop, frames = read_gif(f.read())
    check((w, h, loop, len(frames)) == (110, 140, 0, 8),
          'spinner.gif: %dx%d, loop %s, %d frames' % (w, h, loop, len(frames)))
    check(all(delay == 10 for delay, _ in frames), 'spinner.gif: frames are not 100 ms')
    # The decoded frames must be what was drawn, and drawing on one frame
    # past the last must give the first again, or the loop would jump.
    drawn = []
    for n in range(9):
        cv = draw_assets.Canvas(110, 140, 1, 1.6, draw_assets.CREAM)
        draw_assets.spinner(cv, n)
        drawn.append([[draw_assets.blend(k) for k in row] for row in cv.two_colour_pixels()])
    for n, (_, rows) in enumerate(frames):
        check(rows == drawn[n], 'spinner.gif frame %d does not decode to what was drawn' % n)
    check(drawn[8] == drawn[0], 'the spinner does not come back to its first frame')
    check(all(drawn[n] != drawn[n + 1] for n in range(8)), 'the spinner stands still')

    check_vectors(png)

    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([sys.executable, os.path.join(SRC, 'draw_assets.py'), tmp],
                       check=True, stdout=subprocess.DEVNULL)
        for rel in sorted(made | {'assets.qrc'}):
            with open(os.path.join(tmp, rel), 'rb') as a, open(os.path.join(ASSETS, rel), 'rb') as b:
                check(a.read() == b.read(), rel + ' differs from a fresh run of the generator')

    for p in problems:
        print('FAIL:', p)
    print('%d problem(s)' % len(problems))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
