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


def bmp_info(data):
    (magic, _, _, _, offset) = struct.unpack_from('<2sIHHI', data, 0)
    header = struct.unpack_from('<IiiHHIIiiII', data, 14)
    return magic, offset, header


def bmp_channel_ranges(data):
    _, offset, (_, w, h, _, _, _, _, _, _, _, _) = bmp_info(data)
    stride = (w * 3 + 3) & ~3
    lo, hi = [255] * 3, [0] * 3
    for y in range(h):
        row = data[offset + y * stride: offset + y * stride + 3 * w]
        for c in range(3):  # stored b, g, r
            channel = row[c::3]
            lo[c], hi[c] = min(lo[c], min(channel)), max(hi[c], max(channel))
    return (lo[2], lo[1], lo[0]), (hi[2], hi[1], hi[0])


def icon_entries(data):
    _, kind, count = struct.unpack_from('<HHH', data, 0)
    entries = [struct.unpack_from('<BBBBHHII', data, 6 + 16 * i) for i in range(count)]
    return kind, entries


def image_alphas(data, entry):
    size = entry[0] or 256
    offset = entry[7]
    return data[offset + 40 + 3: offset + 40 + 4 * size * size: 4]


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
            magic, offset, header = bmp_info(data)
            size, width, height, planes, bits, compression, image, xppm, yppm, used, _ = header
            self.assertEqual((magic, offset, size), (b'BM', 54, 40), name)
            self.assertEqual((width, height, planes, bits, compression), (w, h, 1, 24, 0), name)
            self.assertEqual((xppm, yppm, used), (ppm, ppm, 0), name)
            self.assertEqual(len(data), 54 + image, name)
            lo, hi = bmp_channel_ranges(data)
            for c in range(3):
                self.assertGreaterEqual(lo[c], low[c], name)
                self.assertLessEqual(hi[c], high[c], name)
                self.assertLess(lo[c], hi[c], name + ': a texture, not a flat colour')

    def test_main_background_is_pure_grey(self):
        data = read('pozadie.bmp')
        pixels = data[54:54 + 1021 * 3]
        self.assertTrue(all(pixels[i] == pixels[i + 1] == pixels[i + 2]
                            for i in range(0, len(pixels), 3)))

    def test_icon_groups(self):
        expected = {
            'kocka.ico': (256, 128, 64, 48, 32, 24, 16),
            'vystraha.ico': (128, 96, 72, 64, 48, 32, 24, 16),
            'gula.ico': (256, 128, 96, 72, 64, 48, 32, 24, 16),
        }
        for name, sizes in expected.items():
            data = read(name)
            kind, entries = icon_entries(data)
            self.assertEqual(kind, 1, name)
            self.assertEqual(tuple(e[0] or 256 for e in entries), sizes, name)
            for e in entries:
                size = e[0] or 256
                self.assertEqual((e[1] or 256, e[4], e[5]), (size, 1, 32), name)
                body = data[e[7]:e[7] + e[6]]
                if name == 'gula.ico' and size == 256:
                    self.assertEqual(body[:8], b'\x89PNG\r\n\x1a\n')
                    self.assertEqual(struct.unpack_from('>II', body, 16), (256, 256))
                    self.assertEqual(body[24:26], b'\x08\x06')  # 8-bit RGBA
                    continue
                self.assertEqual(struct.unpack_from('<IiiHH', body, 0), (40, size, 2 * size, 1, 32),
                                 (name, size))
                mask = ((size + 31) // 32) * 4 * size
                self.assertEqual(len(body), 40 + 4 * size * size + mask, (name, size))
                alphas = image_alphas(data, e)
                self.assertIn(0, alphas, (name, size))
                self.assertGreaterEqual(max(alphas), 200, (name, size))

    def test_cursors(self):
        expected = {'sipka.cur': (1, 1), 'hrot.cur': (4, 3), 'ibeam.cur': (11, 11)}
        for name, hot in expected.items():
            data = read(name)
            kind, entries = icon_entries(data)
            self.assertEqual((kind, len(entries)), (2, 1), name)
            e = entries[0]
            self.assertEqual((e[0], e[1], e[4], e[5]), (32, 32) + hot, name)
            body = data[e[7]:e[7] + e[6]]
            self.assertEqual(struct.unpack_from('<IiiHH', body, 0), (40, 32, 64, 1, 32), name)
            alphas = image_alphas(data, e)
            hx, hy = hot
            self.assertGreater(alphas[(31 - hy) * 32 + hx], 0, name + ': the hot spot is drawn')
            if name == 'hrot.cur':
                self.assertLessEqual(max(alphas), 128)
                self.assertGreater(max(alphas), 64)
            else:
                self.assertEqual(max(alphas), 255, name)

    def test_cursor_resources_match_their_files(self):
        for number, name in enumerate(('sipka', 'hrot', 'ibeam'), start=1):
            cur = read(name + '.cur')
            _, entries = icon_entries(cur)
            e = entries[0]
            image, group = read(name + '.kurzor'), read(name + '.skupina')
            self.assertEqual(struct.unpack_from('<HH', image, 0), (e[4], e[5]), name)
            self.assertEqual(image[4:], cur[e[7]:e[7] + e[6]], name)
            self.assertEqual(struct.unpack('<HHHHHHHIH', group),
                             (0, 2, 1, 32, 64, 1, 32, len(image), number), name)

    def test_repeatable(self):
        again = OUT + '-znova'
        generate(again)
        for name in sorted(os.listdir(OUT)):
            self.assertEqual(read(name), read(name, again), name)


if __name__ == '__main__':
    unittest.main()
