#!/usr/bin/env python3
"""Tests of the picture generator (windows/res/generator/generuj.py): the same bytes on every run,
well-formed bitmaps, icons and cursors, and the cursors' raw resources made of the .cur files. How
the pictures look is checked under wine.

usage: obrazky_test.py GENERATOR OUTPUT_DIRECTORY
"""
import os
import struct
import subprocess
import sys
import unittest

GENERATOR = OUT = None  # from the command line


def read(name, directory=None):
    with open(os.path.join(directory or OUT, name), 'rb') as f:
        return f.read()


def names(*suffixes):
    return sorted(n for n in os.listdir(OUT) if n.endswith(suffixes))


def images(data):
    """The directory of an .ico or .cur file: (size, two fields, the image's bytes, its stated
    length) per entry. The fields are planes and bit count in an icon, the hot spot in a cursor."""
    count = struct.unpack_from('<H', data, 4)[0]
    for i in range(count):
        size, _, _, _, f1, f2, length, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        yield size or 256, f1, f2, data[offset:offset + length], length


class Obrazky(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        for directory in (OUT, OUT + '-znova'):
            subprocess.run([sys.executable, GENERATOR, directory], check=True)

    def test_every_picture_is_made(self):
        self.assertEqual(names('.bmp'), ['pozadie.bmp', 'pozadie_dlg.bmp', 'pozadie_dlg2.bmp'])
        self.assertEqual(names('.ico'), ['gula.ico', 'kocka.ico', 'vystraha.ico'])
        self.assertEqual(names('.cur'), ['hrot.cur', 'ibeam.cur', 'sipka.cur'])

    def test_a_second_run_makes_the_same_bytes(self):
        for name in names(''):
            with self.subTest(name):
                self.assertEqual(read(name), read(name, OUT + '-znova'))

    def test_bitmaps_are_24_bit_bottom_up_and_as_long_as_they_say(self):
        for name in names('.bmp'):
            data = read(name)
            width, height, planes, bits = struct.unpack_from('<iiHH', data, 18)
            with self.subTest(name):
                self.assertEqual(data[:2], b'BM')
                self.assertEqual(planes, 1)
                self.assertEqual(bits, 24)
                self.assertGreater(height, 0)
                self.assertEqual(len(data), 54 + ((width * 3 + 3) & ~3) * height)
                self.assertEqual(struct.unpack_from('<I', data, 2)[0], len(data))

    def test_icon_and_cursor_images_are_32_bit_and_partly_transparent(self):
        for name in names('.ico', '.cur'):
            for size, _, _, image, length in images(read(name)):
                with self.subTest(name, size=size):
                    self.assertEqual(len(image), length)
                    if image[:4] == b'\x89PNG':
                        continue  # as Windows keeps its 256-pixel icon images
                    header = struct.unpack_from('<IiiHH', image)
                    self.assertEqual(header, (40, size, 2 * size, 1, 32))
                    mask = (size + 31) // 32 * 4 * size  # the 1-bit AND mask after the pixels
                    self.assertEqual(len(image), 40 + 4 * size * size + mask)
                    alphas = image[43:40 + 4 * size * size:4]  # BGRA pixels after the header
                    self.assertEqual(min(alphas), 0)
                    self.assertGreaterEqual(max(alphas), 65)

    def test_cursor_resources_are_the_cur_files_images_with_their_hot_spots(self):
        for name in names('.cur'):
            group = read(name[:-4] + '.skupina')
            entries = list(images(read(name)))
            with self.subTest(name):
                self.assertEqual(struct.unpack_from('<HHH', group), (0, 2, len(entries)))
            for i, (size, hot_x, hot_y, image, _) in enumerate(entries):
                resource = read(name[:-4] + ('' if size == 32 else str(size)) + '.kurzor')
                with self.subTest(name, size=size):
                    self.assertEqual(struct.unpack_from('<HH', resource), (hot_x, hot_y))
                    self.assertEqual(resource[4:], image)
                    self.assertEqual(struct.unpack_from('<HHHHI', group, 6 + 14 * i),
                                     (size, 2 * size, 1, 32, len(resource)))


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    GENERATOR, OUT = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
