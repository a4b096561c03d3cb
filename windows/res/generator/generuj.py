#!/usr/bin/env python3
"""Draws the program's pictures: three background bitmaps, three icon groups and three cursors.

Every picture is procedural and deterministic (fixed seeds, Python's Mersenne Twister), so a build
makes the same bytes on every machine. Usage: generuj.py OUTPUT_DIRECTORY
"""
import math
import os
import random
import struct
import sys
import zlib


# ---------------------------------------------------------------- file formats

def bmp24(width, height, pixels, ppm):
    """A bottom-up 24-bit BI_RGB bitmap file; pixels is rows top-down of (r, g, b)."""
    pad = bytes(((width * 3 + 3) & ~3) - width * 3)
    data = b''.join(bytes(c for r, g, b in pixels[y] for c in (b, g, r)) + pad
                    for y in range(height - 1, -1, -1))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), ppm, ppm, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def dib32(size, rgba):
    """The image of an icon or cursor: 40-byte header, bottom-up BGRA, then the 1-bit AND mask."""
    info = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = rgba[y * size + x]
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        line = bytearray(mask_stride)
        for x in range(size):
            if rgba[y * size + x][3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return info + bytes(colour) + bytes(mask)


def png32(size, rgba):
    """An 8-bit RGBA PNG, as Windows keeps its 256-pixel icon images."""
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        for x in range(size):
            raw += bytes(rgba[y * size + x])

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body +
                struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def icon_file(kind, images):
    """An .ico (kind 1) or .cur (kind 2) file. images: (size, data, field1, field2) in stored order;
    the two fields are planes and bit count for icons, the hot spot for cursors."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    body = b''
    for size, data, f1, f2 in images:
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, f1, f2, len(data), offset + len(body))
        body += data
    return out + body


# ---------------------------------------------------------------- textures

def smooth_noise(rng, length, cell):
    """1-D value noise in [-1, 1] with features about cell samples long (cosine interpolation)."""
    knots = [rng.random() * 2 - 1 for _ in range(length // cell + 2)]
    out = []
    for i in range(length):
        k, f = divmod(i, cell)
        t = (1 - math.cos(math.pi * f / cell)) / 2
        out.append(knots[k] * (1 - t) + knots[k + 1] * t)
    return out


def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def brushed(width, height, seed):
    """A brushed texture in [0, 1]: long horizontal streaks, a slow drift between rows, fine grain."""
    rng = random.Random(seed)
    drift = smooth_noise(rng, height, 9)
    rows = []
    for y in range(height):
        streak = smooth_noise(rng, width, 37)
        base = 0.5 + 0.18 * drift[y] + 0.12 * (rng.random() * 2 - 1)
        rows.append([clamp(base + 0.22 * streak[x] + 0.12 * (rng.random() * 2 - 1), 0.0, 1.0)
                     for x in range(width)])
    return rows


def leather(width, height, seed):
    """A leather grain in [0, 1]: rounded pebbles (two octaves of 2-D value noise) with dark creases."""
    rng = random.Random(seed)

    def lattice(cell):
        gw, gh = width // cell + 2, height // cell + 2
        grid = [[rng.random() for _ in range(gw)] for _ in range(gh)]

        def at(x, y):
            gx, fx = divmod(x, cell)
            gy, fy = divmod(y, cell)
            tx = (1 - math.cos(math.pi * fx / cell)) / 2
            ty = (1 - math.cos(math.pi * fy / cell)) / 2
            top = grid[gy][gx] * (1 - tx) + grid[gy][gx + 1] * tx
            bottom = grid[gy + 1][gx] * (1 - tx) + grid[gy + 1][gx + 1] * tx
            return top * (1 - ty) + bottom * ty
        return at

    coarse, fine = lattice(6), lattice(2)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            c = coarse(x, y)
            crease = 1.0 - min(1.0, abs(c - 0.5) * 6)  # thin dark lines where the pebbles meet
            v = 0.55 * c + 0.35 * fine(x, y) + 0.1 * rng.random() - 0.45 * crease
            row.append(clamp(v + 0.2, 0.0, 1.0))
        rows.append(row)
    return rows


def tint(rows, low, high):
    """Maps [0, 1] onto the colour range low..high, channel by channel (through a 1024-step table)."""
    table = [tuple(int(round(lo + (hi - lo) * i / 1023)) for lo, hi in zip(low, high))
             for i in range(1024)]
    return [[table[int(v * 1023 + 0.5)] for v in row] for row in rows]


# ---------------------------------------------------------------- drawing

def render(size, shader, samples):
    """Renders shader(u, v) -> (r, g, b, a floats 0..1) over the unit square with samples^2 samples per
    pixel, premultiplied while averaging."""
    out = []
    n = samples * samples
    for y in range(size):
        for x in range(size):
            r = g = b = a = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    cr, cg, cb, ca = shader((x + (sx + 0.5) / samples) / size,
                                            (y + (sy + 0.5) / samples) / size)
                    r += cr * ca
                    g += cg * ca
                    b += cb * ca
                    a += ca
            if a <= 0:
                out.append((0, 0, 0, 0))
            else:
                out.append((int(round(255 * r / a)), int(round(255 * g / a)),
                            int(round(255 * b / a)), int(round(255 * a / n))))
    return out


def edge_lines(poly):
    """The edges of a convex polygon, given clockwise on screen (y down), as unit-normal lines whose
    value is the distance from the edge, positive inside."""
    lines = []
    for i in range(len(poly)):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % len(poly)]
        length = math.hypot(x1 - x0, y1 - y0)
        a, b = -(y1 - y0) / length, (x1 - x0) / length
        lines.append((a, b, -(a * x0 + b * y0)))
    return lines


def inside_distance(lines, u, v):
    """Distance to the nearest edge of a convex polygon when (u, v) is inside it, else a negative value."""
    return min(a * u + b * v + c for a, b, c in lines)


def edge_distance(poly, u, v):
    """Distance from (u, v) to the nearest edge of the polygon."""
    best = 1e9
    for i in range(len(poly)):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % len(poly)]
        dx, dy = x1 - x0, y1 - y0
        t = clamp(((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0)
        best = min(best, math.hypot(u - x0 - t * dx, v - y0 - t * dy))
    return best


TOP, UL, UR, MID = (0.5, 0.06), (0.08, 0.28), (0.92, 0.28), (0.5, 0.50)
LL, LR, BOTTOM = (0.08, 0.74), (0.92, 0.74), (0.5, 0.96)
CUBE_FACES = [
    (edge_lines([TOP, UR, MID, UL]), (0.80, 0.92, 1.00), 0.70),   # top face, lit
    (edge_lines([UL, MID, BOTTOM, LL]), (0.45, 0.70, 0.95), 0.75),  # left face
    (edge_lines([MID, UR, LR, BOTTOM]), (0.28, 0.52, 0.88), 0.80),  # right face, in shade
]


def ice_cube(u, v):
    for lines, colour, alpha in CUBE_FACES:
        d = inside_distance(lines, u, v)
        if d >= 0:
            glow = clamp(1 - d / 0.05, 0.0, 1.0)  # frosted white rims
            frost = 0.08 * math.sin(40 * u + 23 * v) * math.sin(31 * v - 17 * u)
            r, g, b = (clamp(c + (1 - c) * glow + frost, 0.0, 1.0) for c in colour)
            return r, g, b, clamp(alpha + 0.25 * glow, 0.0, 1.0)
    return 0.0, 0.0, 0.0, 0.0


def rounded_square(u, v, margin, radius):
    """Signed distance to a rounded square inset by margin (negative inside)."""
    half = 0.5 - margin
    qx = abs(u - 0.5) - (half - radius)
    qy = abs(v - 0.5) - (half - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def warning_tile(u, v):
    d = rounded_square(u, v, 0.03, 0.12)
    if d > 0:
        return 0.0, 0.0, 0.0, 0.0
    if d > -0.06:
        return 0.12, 0.12, 0.12, 1.0
    if ((u + v) * 4.0) % 1.0 < 0.5:
        return 0.98, 0.80, 0.05, 1.0
    return 0.08, 0.08, 0.08, 1.0


def glossy_sphere(u, v):
    dx, dy = (u - 0.5) / 0.46, (v - 0.5) / 0.46
    rr = dx * dx + dy * dy
    if rr > 1.0:
        return 0.0, 0.0, 0.0, 0.0
    nz = math.sqrt(1.0 - rr)
    light = clamp(-0.5 * dx - 0.6 * dy + 0.62 * nz, 0.0, 1.0)
    r, g, b = 0.05 + 0.25 * light, 0.20 + 0.45 * light, 0.55 + 0.45 * light
    hx, hy = (u - 0.36) / 0.16, (v - 0.30) / 0.10
    glint = clamp(1.0 - (hx * hx + hy * hy), 0.0, 1.0) ** 2
    rim = clamp((rr - 0.85) / 0.15, 0.0, 1.0) * 0.35 * clamp(dy + 0.3, 0.0, 1.0)
    return (clamp(r + glint + rim, 0.0, 1.0), clamp(g + glint + rim, 0.0, 1.0),
            clamp(b + glint + rim * 0.5, 0.0, 1.0), 1.0)


def point_in_polygon(poly, x, y):
    inside = False
    for i in range(len(poly)):
        x0, y0 = poly[i]
        x1, y1 = poly[i - 1]
        if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
            inside = not inside
    return inside


def cursor_shape(poly, fill, outline, alpha, width):
    """A shader for a polygon cursor in 32-pixel coordinates: fill inside, an outline band of the given
    width along the edges, alpha for both."""
    def shader(u, v):
        x, y = u * 32, v * 32
        if not point_in_polygon(poly, x, y):
            return 0.0, 0.0, 0.0, 0.0
        colour = outline if edge_distance(poly, x, y) < width else fill
        return colour[0], colour[1], colour[2], alpha
    return shader


ARROW = [(1, 1), (1, 24), (6.5, 19), (10.5, 28), (14, 26.5), (10, 18), (17.5, 18)]
ARROWHEAD = [(4, 3), (4, 21), (16.5, 17)]
IBEAM = [(7, 2), (10, 2), (11, 3), (12, 2), (15, 2), (15, 4), (12.5, 4), (12.5, 18), (15, 18),
         (15, 20), (12, 20), (11, 19), (10, 20), (7, 20), (7, 18), (9.5, 18), (9.5, 4), (7, 4)]
BLUE, DEEP_BLUE, WHITE = (0.15, 0.45, 0.95), (0.0, 0.22, 0.75), (1.0, 1.0, 1.0)


def icon_group(shader, sizes, png_sizes=()):
    images = []
    for size in sizes:
        rgba = render(size, shader, 2 if size >= 128 else 3)
        data = png32(size, rgba) if size in png_sizes else dib32(size, rgba)
        images.append((size, data, 1, 32))
    return icon_file(1, images)


def cursor(shader, hot_x, hot_y, sizes=(32,)):
    """Cursor images drawn at each size, the hot spot (given for 32 pixels) scaled with it."""
    return icon_file(2, [(size, dib32(size, render(size, shader, 4)), (hot_x * size + 16) // 32,
                          (hot_y * size + 16) // 32) for size in sizes])


def cursor_resources(cur, numbers):
    """The raw resources that a .cur file becomes: an RT_CURSOR image (hot spot, then the DIB) per
    entry, numbered as given, and their RT_GROUP_CURSOR directory. Written out here because resource
    compilers disagree on the directory's planes and bit count; this one states what each image holds
    (1 plane, 32 bits)."""
    images, entries = [], b''
    for i, number in enumerate(numbers):
        _, _, _, _, hot_x, hot_y, size, offset = struct.unpack_from('<BBBBHHII', cur, 6 + 16 * i)
        dib = cur[offset:offset + size]
        width, height, planes, bits = struct.unpack_from('<iiHH', dib, 4)
        images.append(struct.pack('<HH', hot_x, hot_y) + dib)
        entries += struct.pack('<HHHHIH', width, height, planes, bits, len(images[-1]), number)
    return images, struct.pack('<HHH', 0, 2, len(numbers)) + entries


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        'pozadie.bmp': lambda: bmp24(1021, 783, tint(brushed(1021, 783, 201), (206,) * 3,
                                                     (212,) * 3), 2835),
        'pozadie_dlg.bmp': lambda: bmp24(616, 408, tint(leather(616, 408, 202), (30, 31, 33),
                                                        (35, 36, 38)), 0),
        'pozadie_dlg2.bmp': lambda: bmp24(381, 318, tint(brushed(381, 318, 203), (216, 188, 104),
                                                         (222, 196, 112)), 0),
        'kocka.ico': lambda: icon_group(ice_cube, (256, 128, 64, 48, 40, 32, 24, 20, 16)),
        'vystraha.ico': lambda: icon_group(warning_tile, (128, 96, 72, 64, 48, 40, 32, 24, 20, 16)),
        'gula.ico': lambda: icon_group(glossy_sphere, (256, 128, 96, 72, 64, 48, 32, 24, 16),
                                       png_sizes=(256,)),
        'sipka.cur': lambda: cursor(cursor_shape(ARROW, WHITE, DEEP_BLUE, 1.0, 1.2), 1, 1),
        'hrot.cur': lambda: cursor(cursor_shape(ARROWHEAD, BLUE, DEEP_BLUE, 0.5, 1.2), 4, 3,
                                   (32, 48, 64)),
        'ibeam.cur': lambda: cursor(cursor_shape(IBEAM, BLUE, DEEP_BLUE, 1.0, 0.8), 11, 11),
    }
    written = {}
    for name, make in files.items():
        written[name] = make()
    # RT_CURSOR numbers: each group's 32-pixel image first, then the larger ones of the arrowhead.
    for name, numbers, sizes in (('sipka', (1,), ('',)), ('hrot', (2, 4, 5), ('', '48', '64')),
                                 ('ibeam', (3,), ('',))):
        images, written[name + '.skupina'] = cursor_resources(written[name + '.cur'], numbers)
        for size, image in zip(sizes, images):
            written[name + size + '.kurzor'] = image
    for name, data in written.items():
        path = os.path.join(out, name)
        # Rewrite only what changed, so that the resources are not rebuilt for nothing.
        if os.path.exists(path):
            with open(path, 'rb') as f:
                if f.read() == data:
                    continue
        with open(path, 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
