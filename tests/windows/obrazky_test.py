#!/usr/bin/env python3
"""Usage: obrazky_test.py GENERATOR OUTPUT_DIRECTORY. The pictures of windows/res/generator: made the same twice,
well-formed, partly transparent, the cursors' resources made of the .cur files (the rest shows under wine)."""
import os, struct, subprocess, sys

GENERATOR, OUT, failures = sys.argv[1], sys.argv[2], []
check = lambda condition, what: condition or failures.append(what)
read = lambda name, d=OUT: open(os.path.join(d, name), 'rb').read()
for directory in (OUT, OUT + '-znova'):
    subprocess.run([sys.executable, GENERATOR, directory], check=True)
for name in sorted(os.listdir(OUT)):
    data = read(name)
    check(data == read(name, OUT + '-znova'), name + ' made the same twice')
    w, h, planes, bits = struct.unpack_from('<iiHH', data + bytes(30), 18)  # a bitmap: 24-bit, sized as it says
    check(not name.endswith('.bmp') or data[:2] == b'BM' and (planes, bits) == (1, 24) and h > 0 and
          len(data) == 54 + ((w * 3 + 3) & ~3) * h == struct.unpack_from('<I', data, 2)[0], name)
    if name[-4:] in ('.ico', '.cur'):  # 32-bit images (or a PNG), partly transparent
        kind, count = struct.unpack_from('<HH', data, 2)
        for i in range(count):
            s, _, _, _, x, y, n, at = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
            s, body, alphas = s or 256, data[at:at + n], data[at + 43:at + 40 + 4 * (s or 256) ** 2:4]
            check(len(body) == n and (body[:4] == b'\x89PNG' or struct.unpack_from('<IiiHH', body, 0) == (
                40, s, 2 * s, 1, 32) and 0 in alphas and max(alphas) >= 65), f'{name} {s}')
            if kind == 2:  # the cursor's image resource and its entry in the group resource
                image, group = read(name[:-4] + ('' if s == 32 else str(s)) + '.kurzor'), read(name[:-4] + '.skupina')
                check(image == struct.pack('<HH', x, y) + body and group[:6] == struct.pack('<HHH', 0, 2, count) and
                      group[6 + 14 * i:18 + 14 * i] == struct.pack('<HHHHI', s, 2 * s, 1, 32, len(image)), f'{name} {s} resources')
print('\n'.join(failures) or 'OK')
sys.exit(1 if failures else 0)
