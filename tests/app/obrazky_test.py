#!/usr/bin/env python3
"""Checks the pictures of res/generator: formats, tones, transparency, the cursors' two resources and
repeatability. (Their numbers, sizes and hot spots as built into the program are read back under wine.)
Usage: obrazky_test.py GENERATOR OUTPUT_DIRECTORY"""
import os, struct, subprocess, sys

GENERATOR, OUT = sys.argv[1], sys.argv[2]
failures = []
check = lambda condition, what: condition or failures.append(what)
read = lambda name, d=OUT: open(os.path.join(d, name), 'rb').read()
alphas = lambda body, size: body[40 + 3:40 + 4 * size * size:4]


# The kind (1 icon, 2 cursor) and the directory entries, each with its image.
entries = lambda data: (data[2], [(e, data[e[7]:e[7] + e[6]]) for e in (
    struct.unpack_from('<BBBBHHII', data, 6 + 16 * i) for i in range(data[4]))])


for directory in (OUT, OUT + '-znova'):
    subprocess.run([sys.executable, GENERATOR, directory], check=True)
for name in sorted(os.listdir(OUT)):
    check(read(name) == read(name, OUT + '-znova'), name + ' made the same twice')

# 24-bit bottom-up bitmaps with a 40-byte header; each channel's tones within its range.
for name, (w, h, ppm, low, high) in {'pozadie.bmp': (1021, 783, 2835, (206,) * 3, (212,) * 3),
                                     'pozadie_dlg.bmp': (616, 408, 0, (30, 31, 33), (35, 36, 38)),
                                     'pozadie_dlg2.bmp': (381, 318, 0, (216, 188, 104), (222, 196, 112))}.items():
    data = read(name)
    head = struct.unpack_from('<2s8xIIiiHHIIiiI', data, 0)
    check(head[:8] + head[9:] == (b'BM', 54, 40, w, h, 1, 24, 0, ppm, ppm, 0) and len(data) == 54 + head[8], name)
    rows = [data[54 + y * ((w * 3 + 3) & ~3):][:3 * w] for y in range(h)]
    for c in range(3):  # stored b, g, r
        tones = [min(min(r[2 - c::3]) for r in rows), max(max(r[2 - c::3]) for r in rows)]
        check(low[c] <= tones[0] < tones[1] <= high[c], f'{name} channel {c} tones {tones}')
        check(name != 'pozadie.bmp' or rows[0][c::3] == rows[0][0::3], 'the main background is grey')

# Icons: 32-bit images of the listed sizes, partly transparent; the largest sphere a PNG.
for name, sizes in {'kocka.ico': (256, 128, 64, 48, 40, 32, 24, 20, 16),
                    'vystraha.ico': (128, 96, 72, 64, 48, 40, 32, 24, 20, 16),
                    'gula.ico': (256, 128, 96, 72, 64, 48, 32, 24, 16)}.items():
    kind, images = entries(read(name))
    check((kind, tuple(e[0] or 256 for e, _ in images)) == (1, sizes), name + ' sizes')
    for e, body in images:
        s = e[0] or 256
        png = body[:8] == b'\x89PNG\r\n\x1a\n' and body[16:26] == struct.pack('>IIBB', s, s, 8, 6)  # 8-bit RGBA
        check((e[1] or 256, e[4], e[5]) == (s, 1, 32) and (png if name == 'gula.ico' and s == 256 else struct.unpack_from(
            '<IiiHH', body, 0) + (len(body),) == (40, s, 2 * s, 1, 32, 40 + 4 * s * s + (s + 31) // 32 * 4 * s)
            and 0 in alphas(body, s) and max(alphas(body, s)) >= 200), f'{name} {s} image')

# Cursors: hot spot (scaled from 32 pixels), the range of the strongest alpha (the arrowhead is half
# transparent), and the image and group resources made of the .cur file, the arrowhead at 3 sizes.
for name, (hx, hy, lo, hi, numbers) in {'sipka': (1, 1, 255, 255, {32: 1}), 'ibeam': (11, 11, 255, 255, {32: 3}),
                                        'hrot': (4, 3, 65, 128, {32: 2, 48: 4, 64: 5})}.items():
    kind, images = entries(read(name + '.cur'))
    group = read(name + '.skupina')
    check(kind == 2 and [e[0] for e, _ in images] == list(numbers) and group[:6] == struct.pack('<HHH', 0, 2, len(numbers)), name)
    for i, (e, body) in enumerate(images):
        s, x, y = e[0], (hx * e[0] + 16) // 32, (hy * e[0] + 16) // 32
        a, image = alphas(body, s), read(name + ('' if s == 32 else str(s)) + '.kurzor')
        check((e[1], e[4], e[5]) == (s, x, y) and struct.unpack_from('<IiiHH', body, 0) == (40, s, 2 * s, 1, 32)
              and a[(s - 1 - y) * s + x] > 0 and lo <= max(a) <= hi, f'{name}.cur {s}')
        check(image == struct.pack('<HH', x, y) + body and group[6 + 14 * i:20 + 14 * i] ==
              struct.pack('<HHHHIH', s, 2 * s, 1, 32, len(image), numbers[s]), f'{name} {s} resources')

print('\n'.join(failures) or 'OK')
sys.exit(1 if failures else 0)
