#!/usr/bin/env python3
"""What must not be lost: the settings at the session's end, an 8K screen's corners, the previous
centre file when the new one cannot replace it."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (LOW, WIDTH, WINE, check, check_equal, dword, main, saved, store,  # noqa: E402
                     wait_for)
from scenarios import once  # noqa: E402

GREY = (20, 20, 20)  # in the band of grey setting 0


def end_session(s):
    """wineboot --end-session after two keys: the new value saved, every value exactly once."""
    store(s)
    app = s.start(trace=True)
    app.key("Right", "Right")
    check_equal(s.wine.run(["wineboot", "--end-session"]).returncode, 0, "wineboot --end-session")
    want = saved(848, 411, WIDTH, LOW, 2, 20, 70, 1, 0)
    wait_for(lambda: (s.wine.values() or {}).get("StupneSedi") == want["StupneSedi"], 20, "the save")
    once(s, app)
    check_equal({n: v for n, v in s.wine.values().items() if n in want}, want, "the values saved")


def corners_8k(s):
    w, h = s.display.width, s.display.height
    boxes = [(0, 0, 39, 29), (w - 40, 0, w - 1, 39), (w - 50, h - 40, w - 1, h - 1),
             (0, h - 30, 49, h - 1)]  # in the search's order: by top row, then left to right
    s.show("corners", [(GREY, b) for b in boxes], verify=False)
    store(s, WindowPos=dword(100 | 100 << 16))
    app = s.start()
    check_equal(app.search(), b"".join(b"%d,%d\r\n" % ((l + r) // 2, (t + b) // 2)
                                       for l, t, r, b in boxes), "Stredy.txt of the four corners")
    app.close_with("Escape")


def red_status(app):
    """Whether the status box (below the rows of found objects) has red text."""
    left, top, _, _ = app.probe()["client"]
    shot = app.display.screenshot(os.path.join(app.workdir, "status.png"))
    px = subprocess.run(["convert", shot, "-crop", "140x95+%d+%d" % (left + 35, top + 70), "-depth",
                         "8", "rgb:-"], capture_output=True, check=True, timeout=60).stdout
    return sum(r >= 180 and g <= 110 and b <= 110 for r, g, b in zip(*[iter(px)] * 3)) >= 10


def enter_blocked(app):
    app.park()
    app.display.xdotool("click", "1")  # back to the hint, so that the red comes from this search
    wait_for(lambda: not red_status(app), 20, "the status box cleared by a click")
    app.key("Return")
    wait_for(lambda: red_status(app), 60, "the red status")
    with open(app.centre_file, "rb") as f:
        check_equal(f.read(), b"old\r\n", "the previous Stredy.txt")
    check(not os.path.exists(app.centre_file + ".tmp"), "no temporary file left behind")
    check_equal(app.tab(), (119, 114), "TAB after a search whose file could not be written")


def held_centre_file(s):
    """Stredy.txt held open without sharing, then its folder read-only: the old bytes stay, the
    status is red, TAB works; freed, ENTER writes it."""
    s.show("two", [(GREY, (100, 100, 139, 129)), (GREY, (1500, 120, 1559, 179))])
    store(s)
    app = s.start()
    with open(app.centre_file, "wb") as f:
        f.write(b"old\r\n")
    holder = subprocess.Popen([WINE, os.path.join(os.path.dirname(s.probe), "zornavit_e2e_drzi.exe"),
                               "Stredy.txt"], cwd=app.workdir, env=s.wine.env(),
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    with holder.stdin:
        check_equal(holder.stdout.readline().strip(), "held", "the helper holds Stredy.txt")
        enter_blocked(app)
    holder.wait(30)
    subprocess.run(["chattr", "+i", app.workdir], check=True)
    try:
        enter_blocked(app)
    finally:
        subprocess.run(["chattr", "-i", app.workdir], check=True)
    check_equal(app.search(), b"119,114\r\n1529,149\r\n", "Stredy.txt once it can be replaced")
    check(not red_status(app), "no red status after a search that wrote its file")
    app.close_with("Escape")


if __name__ == "__main__":
    sys.exit(main({"end_session": (end_session, (1920, 1080)), "corners_8k": (corners_8k, (7680, 4320)),
                   "held_centre_file": (held_centre_file, (1920, 1080))}, __doc__))
