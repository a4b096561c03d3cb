#!/usr/bin/env python3
"""The objects found outlined on the screen with their TAB numbers, and SHIFT+TAB backwards."""

import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import check, check_equal, dword, log, main, store, wait_for  # noqa: E402

OUTLINE, WHITE = bytes((255, 0, 128)), (255, 255, 255)
GREY = (20, 20, 20)
# Boxes, right and bottom inclusive, in the order the search finds them. The last is exactly the
# minimum size: with its edge pixels painted over it would no longer be found.
BOXES = [(100, 100, 139, 129), (1500, 120, 1559, 179), (300, 700, 319, 719)]
CENTRES = [((l + r) // 2, (t + b) // 2) for l, t, r, b in BOXES]
FILE = b"".join(b"%d,%d\r\n" % c for c in CENTRES)


class Shot:
    """The pixels of the outline's colour on the screen, and the white ones near each box."""

    def __init__(self, s, name):
        path = s.display.screenshot(os.path.join(s.workdir, name + ".png"))
        self.w = s.display.width
        self.rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                                  check=True, timeout=60).stdout
        self.pink = {(i // 3 % self.w, i // 3 // self.w)
                     for i in (m.start() for m in re.finditer(re.escape(OUTLINE), self.rgb)) if i % 3 == 0}

    def label(self, box):
        """White pixels (the number) above the box's top-left corner, relative to it."""
        l, t = box[0], box[1]
        return frozenset((x - l, y - t) for y in range(max(t - 30, 0), t) for x in range(l - 1, l + 40)
                         if tuple(self.rgb[3 * (y * self.w + x):3 * (y * self.w + x) + 3]) == WHITE)


def rings(box):
    """The outline: the box's edge pixels and the ring one pixel outside them."""
    l, t, r, b = box
    return {(x, y) for d in (0, 1) for x in range(l - d, r + d + 1) for y in range(t - d, b + d + 1)
            if x in (l - d, r + d) or y in (t - d, b + d)}


def check_outlined(shot, shown, what):
    """Exactly the given objects outlined, each with a number on a label above its corner; their
    numbers (white pixel patterns), object number -> pattern."""
    labels = {}
    for k in shown:
        box = BOXES[k - 1]
        check(rings(box) <= shot.pink, f"{what}: object {k}'s box outlined on its edge")
        labels[k] = shot.label(box)
        check(len(labels[k]) > 5, f"{what}: a number above object {k}", "> 5 white pixels",
              len(labels[k]))
    near = {(x, y) for k in shown for l, t, r, b in [BOXES[k - 1]]
            for x, y in shot.pink if l - 1 <= x <= r + 1 and (t - 30 <= y <= b + 1)}
    check_equal(shot.pink - near, set(), f"{what}: outline-coloured pixels elsewhere")
    return labels


def outlined(s, name):
    """The first screenshot that shows outlines, within 3 s."""
    return wait_for(lambda: (lambda shot: shot if shot.pink else None)(Shot(s, name)), 3,
                    f"outlines on the screen ({name})", interval=0)


def jump(s, app, key):
    park = app.park()
    app.key(key)
    return wait_for(lambda: (lambda c: c if c != park else None)(s.display.cursor()), 20,
                    f"{key} to move the cursor")


def overlay(s):
    """Outlines after ENTER, gone after two seconds or at the next key; the file and the focus kept;
    TAB and SHIFT+TAB show the current object; the check box switches it off and is saved."""
    s.show("screen", [(GREY, box) for box in BOXES])
    store(s)  # no UkazatObjekty: on
    app = s.start()
    check_equal(app.search(), FILE, "Stredy.txt")
    numbers = check_outlined(outlined(s, "all"), [1, 2, 3], "after ENTER")
    check_equal(len(set(numbers.values())), 3, "three different numbers")
    check_equal(app.search(), FILE, "Stredy.txt of ENTER pressed with the outlines shown")
    # The outlines come up right after the file is written; two moments of their two seconds.
    written = time.monotonic()
    for after, seen in ((1.0, True), (3.0, False)):
        time.sleep(max(0.0, written + after - time.monotonic()))
        check_equal(bool(Shot(s, f"at{after}").pink), seen, f"outlines {after} s after ENTER")

    # TAB order forward and SHIFT+TAB backward with a wrap; each jump outlines its object alone.
    for key, k in (("Tab", 1), ("Tab", 2), ("shift+Tab", 1), ("shift+Tab", 3), ("shift+Tab", 2)):
        check_equal(jump(s, app, key), CENTRES[k - 1], f"cursor after {key} to object {k}")
        got = check_outlined(outlined(s, f"{key}-{k}"), [k], f"after {key} to object {k}")
        check_equal(got[k], numbers[k], f"object {k}'s number as after ENTER")
    app.key("Up")
    wait_for(lambda: not Shot(s, "key").pink, 1, "the outlines to go at the next key", interval=0)

    app.key("alt+n")
    facts = wait_for(lambda: (lambda f: f if "settings_502" in f else None)(app.probe()), 10,
                     "the Settings dialog")
    x0, y0, x1, y1 = facts["settings_502"]
    s.display.move_cursor((x0 + x1) // 2, (y0 + y1) // 2)
    s.display.xdotool("click", "1")
    app.key("Return")
    wait_for(lambda: "settings" not in app.probe(), 10, "the Settings dialog to close")
    for what in ("ENTER", "TAB"):
        if what == "ENTER":
            check_equal(app.search(), FILE, "Stredy.txt with the outlines off")
        else:
            check_equal(jump(s, app, "Tab"), CENTRES[1], "TAB with the outlines off")
        check(not any(Shot(s, f"off{i}").pink for i in range(3)), f"nothing outlined after {what}")
    app.close_with("Escape")
    check_equal(s.wine.values().get("UkazatObjekty"), dword(0), "UkazatObjekty saved")


if __name__ == "__main__":
    sys.exit(main({"overlay": (overlay, (1920, 1080))}, __doc__))
