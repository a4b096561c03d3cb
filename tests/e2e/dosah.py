"""Reaching out of the window: chords while the helper's target has the focus, clicks, jumps by number, labels apart."""

import contextlib
import os
import re
import subprocess
import threading
import time

from ovladac import WINE, Failure, centres, check, check_equal, middle, wait_for

# The helper's target at (100, 100): 4 x 3 black buttons 40 x 30, 120 and 80 pixels apart, in the search's order.
BUTTONS = [(139 + 120 * c, 134 + 80 * r) for r in range(3) for c in range(4)]
# A dense grid right of the program's window: 8 x 5 squares of 16 x 16, 2 pixels apart, narrower than their labels.
GRID = [(1300 + 18 * c, 150 + 18 * r, 1315 + 18 * c, 165 + 18 * r) for r in range(5) for c in range(8)]
CELLS = list(map(middle, GRID))


def target(s, app, *args):
    """Starts the helper's target (holding Ctrl+Alt+PAGE UP with "pgup"), or stops it without arguments."""
    if getattr(s, "target", None):
        s.target.kill()
        s.target.wait(10)
        wait_for(lambda: not s.display.windows("^terc$"), 10, "the target to go")
    if args == ("stop",):
        return
    s.target = subprocess.Popen([WINE, s.probe, "terc", *args], cwd=s.workdir, env=s.wine.env(), text=True,
                                stdout=subprocess.PIPE, start_new_session=True)
    s.said = []
    threading.Thread(target=lambda: [s.said.append(line.split()) for line in s.target.stdout], daemon=True).start()
    wait_for(lambda: ["terc"] in s.said, 60, "the target to start")
    wait_for(lambda: s.display.windows("^terc$"), 10, "the target window")
    check_equal([w for w in s.said if w[0] == "drzi"], [["drzi", "1"]] if args else [], "the chord held by the target")


def focus(s, app, which):
    """Clicks the target's background or the program's client area, then gives it the X focus."""
    x, y, w, h = app.geometry()
    window = s.display.windows("^terc$")[0] if which == "target" else app.window
    s.display.click(*((110, 340) if which == "target" else (x + w // 2, y + h - 30)))
    s.display.xdotool("windowfocus", "--sync", window)
    if which == "target":
        wait_for(lambda: [w for w in s.said if w[0] == "fokus"][-1:] == [["fokus", "1"]], 10, "the target's focus")
        wait_for(lambda: ["klik", "L", "-1"] in [w[:3] for w in s.said], 10, "the target's click")
    s.said.clear()


def press(s, app, held, key, kinds):
    """The key with the modifiers held a moment longer: the target's presses (kind, button), each with no modifier,
    the target in front and keeping the focus. Half a second after the cursor's park and the last click: wine reads
    the keyboard anew on the program's window, and two clicks at once make a double click."""
    app.park()
    time.sleep(0.5)
    s.display.xdotool("keydown", held)
    s.display.key(key)
    time.sleep(0.3)
    s.display.xdotool("keyup", held)
    clicks = lambda: [w for w in s.said if w[0] == "klik"]  # noqa: E731
    wait_for(lambda: len(clicks()) >= len(kinds), 10, f"{held}+{key} to click")
    time.sleep(0.3)
    check_equal(clicks(), [["klik", k, str(b), "0", "1"] for k, b in kinds],
                f"presses of {held}+{key}: kind, button, no modifier, the target in front")
    check_equal(s.display.cursor(), BUTTONS[kinds[0][1]], f"the cursor where {held}+{key} clicked")
    check(["fokus", "0"] not in s.said, f"the target keeps the focus after {held}+{key}")
    s.said.clear()


def chord(s, app, key, at=None):
    """A chord while the target has the focus: the cursor at a point, or (at None) standing still; the focus stays.
    The cursor parked on the program's window first, and a moment given to wine: a window it enters makes wine read
    the pointer and the keyboard anew, and a chord sent at once could lose its Ctrl and Alt or its cursor move."""
    park = app.park()
    time.sleep(0.3)
    s.display.key(key)
    with contextlib.suppress(Failure):  # a move that should not come is given a second
        wait_for(lambda: at and s.display.cursor() == at, 10 if at else 1, f"the cursor after {key}")
    check_equal(s.display.cursor(), at or park, f"the cursor after {key}")
    check(["fokus", "0"] not in s.said, f"the target keeps the focus after {key}")


def chord_find(s, app, points):
    """Ctrl+Alt+ENTER while the target has the focus writes the centre file; the focus stays."""
    check_equal(app.search(60, "ctrl+alt+Return"), centres(points), "Stredy.txt after Ctrl+Alt+ENTER")
    check(["fokus", "0"] not in s.said, "the target keeps the focus after Ctrl+Alt+ENTER")


def labels(s, app):
    """After ENTER over the dense grid every number shows whole and apart: its white digits, joined across gaps of up
    to 4 pixels along a line, make one group per object, and two groups lie at least the labels' margins and gap apart
    (3 + 2 + 3 pixels across, 1 + 2 + 1 down)."""
    left, top = GRID[0][0] - 100, GRID[0][1] - 100
    crop = f"{GRID[-1][2] + 100 - left}x{GRID[-1][3] + 100 - top}+{left}+{top}"

    def groups():
        shot = s.display.screenshot(os.path.join(s.workdir, "labels.png"))
        out = subprocess.run(["convert", shot, "-crop", crop, "+repage", "-fill", "black", "+opaque", "white",
                              "-morphology", "Dilate", "Rectangle:5x1", "-define", "connected-components:verbose=true",
                              "-connected-components", "8", "null:"], capture_output=True, text=True, timeout=60).stdout
        found = re.findall(r"(\d+)x(\d+)\+(\d+)\+(\d+) \S+ \d+ (?:srgb\(255,255,255\)|white|gray\(255\))", out)
        return [(x + 2, y, x + w - 3, y + h - 1) for w, h, x, y in (map(int, g) for g in found)]

    found = wait_for(lambda: (lambda g: len(g) == len(GRID) and g)(groups()), 3, "a group of digits per object")
    close = [(a, b) for i, a in enumerate(found) for b in found[i + 1:]
             if b[0] - a[2] <= 8 and a[0] - b[2] <= 8 and b[1] - a[3] <= 4 and a[1] - b[3] <= 4]
    check_equal(close, [], "labels' digits nearer than the margins and the gap")


def jump(s, app, digits, at):
    """Digits typed in the window put the cursor on the object of that number."""
    app.key(*digits.split())
    wait_for(lambda: s.display.cursor() == at, 10, f"the cursor at {at} after {digits}")


OPS = {"target": target, "focus": focus, "press": press, "chord": chord, "chord_find": chord_find, "labels": labels,
       "jump": jump}
# The target holds Ctrl+Alt+PAGE UP: the status says so and the other chords work from the target. Then the keys
# in the window, two digits, the chords switched off and saved so; the labels of a dense grid, PAGE UP free again.
REACH = [
    ("screen", "plain", []), ("store", {}), ("target", "pgup"), ("start",), ("red", True), ("focus", "target"),
    ("chord_find", BUTTONS), ("chord", "ctrl+alt+Next", BUTTONS[0]), ("chord", "ctrl+alt+Next", BUTTONS[1]),
    ("chord", "ctrl+alt+Prior"),  # the target's
    ("press", "ctrl+alt", "space", [("L", 1)]), ("focus", "program"),
    ("press", "shift", "space", [("R", 1)]), ("focus", "program"), ("press", "ctrl", "space", [("L", 1), ("D", 1)]),
    ("focus", "program"), ("find", BUTTONS), ("jump", "1 1", BUTTONS[10]),
    ("settings", 503, 1), ("focus", "target"), ("chord", "ctrl+alt+Next"), ("focus", "program"),
    ("close", "Escape"), ("saved", dict(Skratky=0)), ("target", "stop"),
    ("screen", "grid", [((20, 20, 20), box) for box in GRID]), ("store", dict(VelkostObjektu=15)), ("start",),
    ("find", CELLS), ("labels",), ("chord", "ctrl+alt+Next", CELLS[0]), ("chord", "ctrl+alt+Prior", CELLS[-1]),
    ("close", "Escape"),
]
