#!/usr/bin/env python3
"""Puts screens of known colours on a private Xvfb and has the screen-copy checker compare, inside
wine64, the program's copy with GetPixel and with the known image; then it tries the mouse toolbox."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "e2e"))
from harness import WINE, Failure, Session, check, log, stop_process  # noqa: E402


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


def answer(checker):
    """The checker's answer: detail lines (indented), then the verdict."""
    lines = []
    while not lines or lines[-1].startswith("  "):
        line = checker.stdout.readline()
        check(line != "", "the checker answers", "a line", "end of its output")
        lines.append(line.rstrip())
    log("\n".join(lines))
    check(lines[-1].startswith("ok "), "the checker's verdict", "ok", lines[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True, help="the screen-copy checker (x86_64)")
    parser.add_argument("--build-dir", required=True, help="holds the shared wine prefix")
    parser.add_argument("--size", default="640x480")
    args = parser.parse_args()
    w, h = (int(v) for v in args.size.split("x"))
    workdir = os.path.join(os.path.abspath(args.build_dir), "e2e-work", "capture")
    checker = None
    try:
        with Session(None, args.build_dir, workdir, width=w, height=h) as s:
            checker = subprocess.Popen([WINE, os.path.abspath(args.exe)], cwd=workdir,
                                       env=s.wine.env(), stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, text=True, start_new_session=True)
            # Two screens in one process: the second copy must show the new screen, not the kept one.
            for salt, getpixel in ((0, 1), (101, 0)):
                name = f"screen{salt}"
                with open(os.path.join(workdir, name + ".rgb"), "wb") as f:
                    f.write(known_image(w, h, salt))
                subprocess.run(["convert", "-size", f"{w}x{h}", "-depth", "8", f"rgb:{name}.rgb",
                                f"PNG24:{name}.png"], cwd=workdir, check=True, timeout=60)
                s.display.show(os.path.join(workdir, name + ".png"))
                checker.stdin.write(f"{name}.rgb {getpixel}\n")
                checker.stdin.flush()
                answer(checker)
            checker.stdin.close()
            answer(checker)
            check(checker.wait(60) == 0, "the checker ends with 0")
    except Failure as failure:
        log(f"FAIL: {failure}")
        return 1
    finally:
        if checker is not None:
            stop_process(checker)
    return 0


if __name__ == "__main__":
    sys.exit(main())
