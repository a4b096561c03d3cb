#!/usr/bin/env python3
"""Puts screens of known colours on a private Xvfb and has the screen-copy checker compare, inside
wine64, the program's copy with GetPixel and with the known image."""

import argparse
import os
import struct
import subprocess
import sys
import zlib

sys.dont_write_bytecode = True  # keeps the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "e2e"))
from harness import WINE, Display, Failure, Wine, check, log, stop_process  # noqa: E402


def variants(g):
    """Pure grey g and its six nearest non-greys: one channel one level off."""
    up, down = (g + 1) % 256, (g - 1) % 256
    return [(g, g, g), (g, g, up), (g, g, down), (up, g, g), (down, g, g), (g, up, g), (g, down, g)]


def pixel(x, y, w, h, salt):
    """The known colour of (x, y). Top quarter: every grey level in columns (all eight bands), with
    one-level-off near-greys between; the rest: colours that tell the three channels apart."""
    if y < h // 4:
        g = (x + salt) % 256
        return variants(g)[(y // 2 + salt) % 7]
    if y < h // 4 + 8:  # pure red, green and blue, then their mixtures
        return [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (0, 255, 255),
                (255, 0, 255), (1, 0, 0), (0, 0, 1)][(x // 8 + salt) % 8]
    r = (x * 7 + y * 3 + salt * 31) & 255
    g = (x * 13 ^ y * 5 ^ salt) & 255
    b = (x + y * 11 + salt * 57) & 255
    return r, g, b


def known_image(w, h, salt):
    return b"".join(bytes(c for x in range(w) for c in pixel(x, y, w, h, salt)) for y in range(h))


def write_png(path, w, h, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\x00" + rgb[3 * w * y:3 * w * (y + 1)] for y in range(h))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True, help="the screen-copy checker (x86_64)")
    parser.add_argument("--build-dir", required=True, help="holds the shared wine prefix")
    parser.add_argument("--size", default="640x480")
    args = parser.parse_args()
    w, h = (int(v) for v in args.size.split("x"))
    workdir = os.path.join(os.path.abspath(args.build_dir), "capture-test")
    os.makedirs(workdir, exist_ok=True)
    display = Display(w, h)
    wine = Wine(os.path.join(os.path.abspath(args.build_dir), "e2e-wine"), display)
    checker = None
    try:
        display.start()
        wine.prepare()
        checker = subprocess.Popen([WINE, os.path.abspath(args.exe)], cwd=workdir, env=wine.env(),
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                   start_new_session=True)
        # Two screens in one process: the second copy must show the new screen, not the kept one.
        for salt, getpixel in ((0, 1), (101, 0)):
            rgb = known_image(w, h, salt)
            name = f"screen{salt}"
            with open(os.path.join(workdir, name + ".rgb"), "wb") as f:
                f.write(rgb)
            png = os.path.join(workdir, name + ".png")
            write_png(png, w, h, rgb)
            display.show(png)
            checker.stdin.write(f"{name}.rgb {getpixel}\n")
            checker.stdin.flush()
            lines = []
            while True:
                line = checker.stdout.readline()
                check(line != "", "the checker answers", "a line", "end of its output")
                lines.append(line.rstrip())
                if not line.startswith("  "):
                    break
            log(name + ":\n" + "\n".join(lines))
            check(lines[-1].startswith("ok "), f"the copy of {name} is exact", "ok", lines[-1])
        checker.stdin.close()
        check(checker.wait(60) == 0, "the checker ends with 0")
    except Failure as failure:
        log(f"FAIL: {failure}")
        return 1
    finally:
        if checker is not None:
            stop_process(checker)
        if display.proc:
            wine.kill_server()
        display.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
