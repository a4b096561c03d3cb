#!/usr/bin/env python3
"""The objects found outlined on the screen with their TAB numbers; SHIFT+TAB backwards."""

import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import check, check_equal, dword, main, store, wait_for  # noqa: E402

PINK = re.compile(re.escape(bytes((255, 0, 128))))  # the outline's colour
# In the order the search finds them. The last is exactly the minimum size: with its edge pixels
# painted over it would no longer be found.
BOXES = [(100, 100, 139, 129), (1500, 120, 1559, 179), (300, 700, 319, 719)]
CENTRES = [((l + r) // 2, (t + b) // 2) for l, t, r, b in BOXES]
FILE = b"".join(b"%d,%d\r\n" % c for c in CENTRES)


def seen(s, name):
    """The objects outlined on the screen, on their boxes' edge and one pixel outside: number ->
    the white pixels (the number) of the label above the box. No outline colour elsewhere."""
    w = s.display.width
    rgb = subprocess.run(["convert", s.display.screenshot(os.path.join(s.workdir, name + ".png")),
                          "-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=60).stdout
    pink = {(i // 3 % w, i // 3 // w) for i in (m.start() for m in PINK.finditer(rgb)) if i % 3 == 0}
    found, near = {}, set()
    for k, (l, t, r, b) in enumerate(BOXES, 1):
        ring = {(x, y) for d in (0, 1) for x in range(l - d, r + d + 1) for y in range(t - d, b + d + 1)
                if x in (l - d, r + d) or y in (t - d, b + d)}
        if ring <= pink:
            found[k] = frozenset((x - l, y - t) for y in range(t - 30, t) for x in range(l - 1, l + 40)
                                 if rgb[3 * (y * w + x):3 * (y * w + x) + 3] == b"\xff\xff\xff")
            near |= {(x, y) for x, y in pink if l - 1 <= x <= r + 1 and t - 30 <= y <= b + 1}
    check_equal(pink - near, set(), f"{name}: pixels of the outline colour off the outlines")
    return found


def outlined(s, name, count):
    return wait_for(lambda: (lambda f: len(f) == count and f)(seen(s, name)), 3, name, interval=0)


def overlay(s):
    """Outlines after ENTER for two seconds or until the next key, the same file with them shown,
    the focus kept; TAB and SHIFT+TAB outline the object they go to; the check box switches them
    off and is saved."""
    s.show("screen", [((20, 20, 20), box) for box in BOXES])
    store(s, UkazatObjekty=None)  # absent: on
    app = s.start()
    check_equal(app.search(), FILE, "Stredy.txt")
    numbers = outlined(s, "all", 3)
    check(all(numbers.values()) and len(set(numbers.values())) == 3, "three different numbers")
    check_equal(app.search(), FILE, "Stredy.txt of ENTER pressed with the outlines shown")
    written = time.monotonic()
    for after, count in ((0.7, 3), (3.0, 0)):  # two moments of their two seconds
        time.sleep(max(0.0, written + after - time.monotonic()))
        check_equal(len(seen(s, f"at{after}")), count, f"objects outlined {after} s after ENTER")
    for key, k in (("Tab", 1), ("Tab", 2), ("shift+Tab", 1), ("shift+Tab", 3), ("shift+Tab", 2)):
        park = app.park()
        app.key(key)
        check_equal(wait_for(lambda: (lambda c: c != park and c)(s.display.cursor()), 20, key),
                    CENTRES[k - 1], f"cursor after {key}")
        check_equal(outlined(s, key, 1), {k: numbers[k]}, f"after {key}: object {k} with its number")
    app.key("Up")
    wait_for(lambda: not seen(s, "key"), 1, "the outlines to go at the next key", interval=0)

    app.key("alt+n")  # Settings: the second check box off
    x0, y0, x1, y1 = wait_for(lambda: app.probe().get("settings_502"), 10, "the Settings dialog")
    s.display.xdotool("mousemove", "--sync", (x0 + x1) // 2, (y0 + y1) // 2, "click", "1")
    app.key("Return")
    wait_for(lambda: "settings" not in app.probe(), 10, "the Settings dialog to close")
    check_equal(app.search(), FILE, "Stredy.txt with the outlines off")
    check_equal(app.tab(), CENTRES[1], "TAB with the outlines off")
    check(not any(seen(s, f"off{i}") for i in range(3)), "nothing outlined with the check box off")
    app.close_with("Escape")
    check_equal(s.wine.values().get("UkazatObjekty"), dword(0), "UkazatObjekty saved")


if __name__ == "__main__":
    sys.exit(main({"overlay": (overlay, (1920, 1080))}, __doc__))
