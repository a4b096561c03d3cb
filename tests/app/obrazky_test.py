#!/usr/bin/env python3
"""Checks the pictures of res/generator: formats, sizes, tones, hot spots and repeatability.

Usage: obrazky_test.py GENERATOR OUTPUT_DIRECTORY
"""
import os
import struct
import subprocess
import sys
import unittest

GENERATOR, OUT = sys.argv[1], sys.argv[2]
del sys.argv[1:]


def generate(directory):
    subprocess.run([sys.executable, GENERATOR, directory], check=True)


def read(name, directory=None):
    with open(os.path.join(directory or OUT, name), 'rb') as f:
        return f.read()


def icon_entries(data):
    """The kind (1 icon, 2 cursor) and the directory entries with each entry's image."""
    _, kind, count = struct.unpack_from('<HHH', data, 0)
    entries = [struct.unpack_from('<BBBBHHII', data, 6 + 16 * i) for i in range(count)]
    return kind, [(e, data[e[7]:e[7] + e[6]]) for e in entries]


def alphas(body, size):
    return body[40 + 3:40 + 4 * size * size:4]


class Pictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        generate(OUT)

    def test_background_bitmaps(self):
        expected = {
            'pozadie.bmp': (1021, 783, 2835, (206, 206, 206), (212, 212, 212)),
            'pozadie_dlg.bmp': (616, 408, 0, (30, 31, 33), (35, 36, 38)),
            'pozadie_dlg2.bmp': (381, 318, 0, (216, 188, 104), (222, 196, 112)),
        }
        for name, (w, h, ppm, low, high) in expected.items():
            data = read(name)
            magic, offset = struct.unpack_from('<2s8xI', data, 0)
            size, width, height, planes, bits, compression, image, xppm, yppm, used, _ = \
                struct.unpack_from('<IiiHHIIiiII', data, 14)
            self.assertEqual((magic, offset, size), (b'BM', 54, 40), name)
            self.assertEqual((width, height, planes, bits, compression), (w, h, 1, 24, 0), name)
            self.assertEqual((xppm, yppm, used, len(data)), (ppm, ppm, 0, 54 + image), name)
            stride = (w * 3 + 3) & ~3
            rows = [data[54 + y * stride:54 + y * stride + 3 * w] for y in range(h)]
            for c in range(3):  # stored b, g, r
                lo = min(min(row[2 - c::3]) for row in rows)
                hi = max(max(row[2 - c::3]) for row in rows)
                self.assertTrue(low[c] <= lo < hi <= high[c], (name, c, lo, hi))
        row = read('pozadie.bmp')[54:54 + 1021 * 3]
        self.assertTrue(all(row[i] == row[i + 1] == row[i + 2] for i in range(0, len(row), 3)))

    def test_icon_groups(self):
        expected = {
            'kocka.ico': (256, 128, 64, 48, 40, 32, 24, 20, 16),
            'vystraha.ico': (128, 96, 72, 64, 48, 40, 32, 24, 20, 16),
            'gula.ico': (256, 128, 96, 72, 64, 48, 32, 24, 16),
        }
        for name, sizes in expected.items():
            kind, entries = icon_entries(read(name))
            self.assertEqual((kind, tuple(e[0] or 256 for e, _ in entries)), (1, sizes), name)
            for e, body in entries:
                size = e[0] or 256
                self.assertEqual((e[1] or 256, e[4], e[5]), (size, 1, 32), name)
                if name == 'gula.ico' and size == 256:
                    self.assertEqual(body[:8], b'\x89PNG\r\n\x1a\n')
                    self.assertEqual(struct.unpack_from('>II', body, 16), (256, 256))
                    self.assertEqual(body[24:26], b'\x08\x06')  # 8-bit RGBA
                    continue
                mask = ((size + 31) // 32) * 4 * size
                self.assertEqual(struct.unpack_from('<IiiHH', body, 0) + (len(body),),
                                 (40, size, 2 * size, 1, 32, 40 + 4 * size * size + mask),
                                 (name, size))
                a = alphas(body, size)
                self.assertTrue(0 in a and max(a) >= 200, (name, size))

    def test_cursors_and_their_resources(self):
        # Hot spot at 32 pixels, the range of the strongest alpha (the arrowhead is half
        # transparent), the image sizes and their RT_CURSOR numbers.
        expected = {'sipka': (1, 1, 255, 255, {32: 1}), 'hrot': (4, 3, 65, 128, {32: 2, 48: 4, 64: 5}),
                    'ibeam': (11, 11, 255, 255, {32: 3})}
        for name, (hx, hy, lo, hi, numbers) in expected.items():
            kind, entries = icon_entries(read(name + '.cur'))
            self.assertEqual((kind, [e[0] for e, _ in entries]), (2, list(numbers)), name)
            group = read(name + '.skupina')
            self.assertEqual(struct.unpack_from('<HHH', group), (0, 2, len(numbers)), name)
            for i, (e, body) in enumerate(entries):
                s, x, y = e[0], (hx * e[0] + 16) // 32, (hy * e[0] + 16) // 32
                self.assertEqual((e[1], e[4], e[5]), (s, x, y), name)
                self.assertEqual(struct.unpack_from('<IiiHH', body, 0), (40, s, 2 * s, 1, 32), name)
                a = alphas(body, s)
                self.assertGreater(a[(s - 1 - y) * s + x], 0, name + ': the hot spot is drawn')
                self.assertTrue(lo <= max(a) <= hi, name)
                image = read(name + ('' if s == 32 else str(s)) + '.kurzor')
                self.assertEqual(image, struct.pack('<HH', x, y) + body, name)
                self.assertEqual(struct.unpack_from('<HHHHIH', group, 6 + 14 * i),
                                 (s, 2 * s, 1, 32, len(image), numbers[s]), name)

    def test_repeatable(self):
        again = OUT + '-znova'
        generate(again)
        for name in sorted(os.listdir(OUT)):
            self.assertEqual(read(name), read(name, again), name)


if __name__ == '__main__':
    unittest.main()
