#!/usr/bin/env python3
"""The run command's default without a display: the program on a private demo screen, searched and
jumped through, with the centres, the cursor positions and a screenshot."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import Failure, Session, log, make_screen  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Used when scripts/demo-screen is not there: dark grey objects (grey band 1 of 8, the default) of
# several sizes and fills on a coloured desktop.
FALLBACK_SHAPES = [
    ((20, 20, 20), (160, 140, 259, 219)),
    ((10, 10, 10), (1400, 200, 1479, 279)),
    ((25, 25, 25), (300, 700, 339, 739)),
    ((5, 5, 5), (1500, 800, 1619, 859)),
    ((40, 120, 170), (1530, 815, 1589, 844)),  # a hole: 75 % of that box is grey
    ((90, 90, 90), (700, 150, 739, 189)),      # another band: not found with the defaults
]


def demo_screen(path, width, height):
    generator = os.path.join(ROOT, "scripts", "demo-screen")
    if os.access(generator, os.X_OK):
        subprocess.run([generator, "--width", str(width), "--height", str(height), path],
                       check=True, timeout=120)
        return path
    return make_screen(path, (width, height), (40, 120, 170), FALLBACK_SHAPES)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--workdir", required=True, help="the program's working directory")
    parser.add_argument("--screenshot", required=True)
    parser.add_argument("--tabs", type=int, default=3)
    args = parser.parse_args()
    try:
        with Session(args.exe, args.build_dir, args.workdir) as s:
            image = demo_screen(os.path.join(s.workdir, "demo-screen.png"), s.display.width,
                                s.display.height)
            s.display.show(image)
            s.wine.delete_key()  # the settings a first start has
            app = s.start(workdir=os.path.join(s.workdir, "program"))
            found = app.search()
            print(f"Centres found ({app.centre_file}):")
            print(found.decode().replace("\r", "") or "(none)", end="" if found else "\n")
            for n in range(1, args.tabs + 1):
                if found:
                    x, y = app.tab()
                else:  # TAB does nothing without objects
                    app.key("Tab")
                    x, y = s.display.cursor()
                print(f"TAB {n}: cursor at {x},{y}")
            s.display.screenshot(os.path.abspath(args.screenshot))
            print(f"Screenshot: {os.path.abspath(args.screenshot)}")
            app.close_with("Escape")
    except Failure as failure:
        log(f"demo failed: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
