#!/usr/bin/env python3
"""The run command's default without a display: the program on a private demo screen, searched and
jumped through, with the centres, the cursor positions and a screenshot."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Failure, Session  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--workdir", required=True, help="the program's working directory")
    parser.add_argument("--screenshot", required=True)
    parser.add_argument("--tabs", type=int, default=3)
    args = parser.parse_args()
    harness.VERBOSE = False
    try:
        with Session(args.exe, args.build_dir, args.workdir) as s:
            image = os.path.join(s.workdir, "demo-screen.png")
            subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "demo-screen"), "--size",
                            f"{s.display.width}x{s.display.height}", image], check=True, timeout=120)
            s.display.show(image)
            s.wine.set_values(None)  # the settings a first start has
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
        print(f"demo failed: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
