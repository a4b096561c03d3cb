#!/usr/bin/env python3
"""End-to-end checks of the program's face by its pixels, its dialogs, and a steady minute of tracking."""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import (REG_BINARY, Failure, check, check_equal, check_mode,  # noqa: E402
                     dword, log, main, pack, wait_for)

GREY = (100, 100, 100)  # in the band of grey setting 3 (96..127)
ORIGIN = (100, 100)  # where the window is put by the stored position

KEY_OUTLINE = (0, 190, 255)
KEY_FACE = (150, 200, 255)
ARROW = (80, 100, 120)
FRAME_FILL = (205, 205, 205)
HIGHLIGHT_FILL = (255, 255, 140)
STATUS_OUTLINE = (160, 210, 210)
STATUS_FILL = (230, 240, 240)
STRIP_FILL = (170, 170, 170)
STRIP_OUTLINE = (145, 145, 145)

# The arrow keys (client coordinates of the top-left corner, side 21) and the vertices of their
# arrows, as the legend lays them out.
ARROW_KEYS = {
    "up": ((115, 141), [(125, 158), (125, 151), (129, 151), (125, 144), (121, 151)]),
    "down": ((115, 164), [(125, 167), (125, 174), (129, 174), (125, 180), (121, 174)]),
    "left": ((92, 164), [(109, 174), (102, 174), (102, 178), (95, 174), (102, 170)]),
    "right": ((138, 164), [(141, 174), (148, 174), (148, 178), (154, 174), (148, 170)]),
}

TRACKING_ON = {"InfoKurzor": (REG_BINARY, b"\x01")}


# ---------------------------------------------------------------- pictures

class Picture:
    """The RGB pixels of a screenshot, or of a part (x, y, width, height) of one."""

    def __init__(self, path, box=None):
        crop = ["-crop", "%dx%d+%d+%d" % (box[2], box[3], box[0], box[1]), "+repage"] if box else []
        args = ["convert", path, *crop, "-depth", "8"]
        size = subprocess.run(args + ["-format", "%w %h", "info:"], capture_output=True, text=True,
                              check=True, timeout=60)
        self.width, self.height = map(int, size.stdout.split())
        self.data = subprocess.run(args + ["rgb:-"], capture_output=True, check=True, timeout=60).stdout
        check_equal(len(self.data), 3 * self.width * self.height, f"pixels read from {path}")

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def points(self, test, box):
        x0, y0, x1, y1 = box
        return [(x, y) for y in range(max(y0, 0), min(y1, self.height - 1) + 1)
                for x in range(max(x0, 0), min(x1, self.width - 1) + 1) if test(self.at(x, y))]

    def where(self, test, box=None):
        """Bounding box (x0, y0, x1, y1 inclusive) of the pixels passing test, or None."""
        found = self.points(test, box or (0, 0, self.width - 1, self.height - 1))
        xs, ys = [x for x, _ in found], [y for _, y in found]
        return (min(xs), min(ys), max(xs), max(ys)) if found else None

    def count(self, test, box):
        return len(self.points(test, box))


def colour(rgb):
    return lambda p: p == rgb


def reddish(p):
    return p[0] >= 180 and p[1] <= 110 and p[2] <= 110


def bluish(p):
    return p[2] >= 150 and p[0] <= 110 and p[1] <= 110


# ---------------------------------------------------------------- the window from inside wine

def probe(session):
    """The facts of the main window and any open dialog, from inside wine."""
    return session.apps[-1].probe()


def client_picture(session, app, name):
    """A screenshot of the main window's client area, in client coordinates."""
    facts = probe(session)
    left, top, right, bottom = facts["client"]
    shot = session.display.screenshot(os.path.join(app.workdir, name + ".png"))
    return Picture(shot, (left, top, right - left, bottom - top))


def store(session, **changes):
    harness.store(session, WindowPos=dword(pack(*ORIGIN)), **changes)


def settle(seconds=0.4):
    time.sleep(seconds)


def click(session, x, y):
    session.display.move_cursor(x, y)
    session.display.xdotool("click", "1")


def mid(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


# ---------------------------------------------------------------- checks of one picture

def check_legend(pic):
    for name, ((x, y), vertices) in ARROW_KEYS.items():
        edges = [(x, y + 10), (x + 20, y + 10), (x + 10, y), (x + 10, y + 20)]
        check_equal([pic.at(*p) for p in edges + [(x + 3, y + 3), (x + 17, y + 17)] + vertices],
                    [KEY_OUTLINE] * 4 + [KEY_FACE] * 2 + [ARROW] * len(vertices),
                    f"{name} arrow key: outline at its edges, face, the arrow at its vertices")
        outside = {pic.at(x - 1, y + 10), pic.at(x + 21, y + 10), pic.at(x + 10, y - 1),
                   pic.at(x + 10, y + 21)}
        check(not outside & {KEY_OUTLINE, KEY_FACE, ARROW}, f"{name} arrow key ends at its 21 pixels",
              "background", outside)
    # The ESC key cap: anchored at (8, 169), its cap from (11, 170).
    cap = pic.where(colour(KEY_OUTLINE), (0, 160, 60, 195))
    check(cap is not None and cap[0] == 11 and cap[1] == 170, "the ESC key cap at (11, 170)",
          (11, 170), cap)


def highlight(pic):
    return pic.where(colour(HIGHLIGHT_FILL), (0, 0, pic.width - 1, 140))


def status_box(pic):
    box = pic.where(colour(STATUS_OUTLINE), (0, 60, pic.width - 1, 150))
    check(box is not None, "the status box is drawn")
    check_equal((box[0], box[2], box[3] - box[1] + 1), (35, 174, 21),
                "status box: left, right and height")
    fill = pic.count(colour(STATUS_FILL), (36, box[1] + 1, 173, box[3] - 1))
    check(fill > 138 * 19 // 2, "the status box is filled in its colour", "> half", fill)
    return box


def check_grey_strip(pic, setting):
    """32 strokes 2 pixels wide, grey levels 32 * setting .. 32 * setting + 31, left to right."""
    first = 32 * setting
    row = [pic.at(x, 20) for x in range(pic.width)]
    want = [(first + i // 2,) * 3 for i in range(64)]
    starts = [x for x in range(pic.width - 63) if row[x:x + 64] == want]
    check(len(starts) == 1, f"the grey strip of setting {setting} in row 20",
          "one run of 32 greys, 2 pixels each", [row[x] for x in range(pic.width)])
    x = starts[0]
    for y in range(16, 26):
        check_equal([pic.at(x + i, y) for i in range(64)], want, f"grey strip in row {y}")


# ---------------------------------------------------------------- scenarios

def face_rows(s):
    """The setting rows, the highlight that UP and DOWN move, the grey strip, the legend, and the
    status box's place and colours before and after searches."""
    s.show("screen-empty", [])
    store(s, StupneSedi=dword(3))
    app = s.start()
    pic = client_picture(s, app, "start")
    check_legend(pic)
    check_grey_strip(pic, 3)
    one = highlight(pic)
    check(one is not None, "row 1 is highlighted at start")
    check_equal((one[1], one[3]), (9, 27), "row 1's highlight box: fill from y 9 to 27")
    idle = status_box(pic)
    check_equal(pic.count(reddish, (36, idle[1] + 1, 173, idle[3] - 1)), 0, "no red text at start")
    check_equal(pic.where(colour(KEY_FACE), (0, 60, 60, 120)), None, "no TAB row before a search")

    tops = [one[1]]
    for n in (2, 3):
        app.key("Down")
        settle()
        pic = client_picture(s, app, f"row{n}")
        box = highlight(pic)
        check(box is not None and box[1] > tops[-1] + 12, f"DOWN highlights row {n} below row {n - 1}",
              f"below y {tops[-1] + 12}", box)
        check_equal(box[3] - box[1], 18, f"row {n}'s highlight box height")
        check_equal(pic.at(one[0] + 1, one[1] + 9), FRAME_FILL,
                    f"row 1's value is framed, not highlighted, with row {n} selected")
        tops.append(box[1])
    # Without results row 3 wraps to row 1 and back.
    for n, (key, row) in enumerate((("Down", 1), ("Up", 3), ("Up", 2))):
        app.key(key)
        settle()
        check_equal(highlight(client_picture(s, app, f"wrap{n}"))[1], tops[row - 1],
                    f"{key} gives row {row}")

    # A search on a screen without grey: nothing found, red text in the status box.
    app.search()
    settle()
    pic = client_picture(s, app, "nothing-found")
    none = status_box(pic)
    check_equal(none[1], idle[1], "the status box stays below row 3 when nothing is found")
    red = pic.count(reddish, (36, none[1] + 1, 173, none[3] - 1))
    check(red > 20, "the status box reads in red after a search that found nothing", "> 20", red)

    # A search that finds objects: rows 4 and 5 appear, the status box moves down, blue count.
    s.show("screen-grey", [(GREY, (400, 400, 459, 459)), (GREY, (800, 600, 839, 629))], verify=False)
    app.key("Down")  # row 2 to row 3
    app.search()
    settle()
    pic = client_picture(s, app, "found")
    found = status_box(pic)
    check(found[1] >= idle[1] + 10, "the status box moves below rows 4 and 5", f"> {idle[1] + 9}",
          found[1])
    tab = pic.where(colour(KEY_OUTLINE), (0, tops[2] + 10, 40, found[1] - 1))
    check(tab is not None and tab[0] == 10, "the TAB key cap of row 4 at x 10", 10, tab)
    size_text = pic.where(lambda p: p[0] == p[1] == p[2] and 120 <= p[0] <= 200,
                          (80, tab[3], 200, found[1] - 1))
    check(size_text is not None, "row 5 shows the object's size in grey text")
    blue = pic.count(bluish, (36, found[1] + 1, 173, found[3] - 1))
    check(blue > 20, "the status box shows the count in blue", "> 20", blue)
    check_equal(pic.count(reddish, (36, found[1] + 1, 173, found[3] - 1)), 0, "no red text")
    app.key("Down")  # row 3 to row 4 now that objects exist
    settle()
    pic = client_picture(s, app, "row4")
    box = highlight(pic)
    check(box is not None and tab[1] - 4 <= box[1] <= tab[3], "DOWN highlights row 4's value",
          f"about y {tab[1]}", box)
    check_legend(pic)
    app.close_with("Escape")


# The readout's five texts: where each may stand (client x, from the left or, negative, from the
# right edge) and its colour.
READOUT_TEXTS = {
    "x": (10, 49, lambda p: p[0] > 200 and p[1] > 200 and p[2] < 100),
    "y": (50, -115, lambda p: p[0] < 100 and p[1] > 200 and p[2] > 200),
    "R": (-114, -78, lambda p: p[0] > 200 and p[1] < 100 and p[2] < 100),
    "G": (-77, -39, lambda p: p[0] < 100 and p[1] > 200 and p[2] < 100),
    "B": (-38, -1, lambda p: p[0] < 100 and p[1] < 100 and p[2] > 200),
}


def readout(s, app, name):
    """The readout strip's outline and fill; the width of each of its texts."""
    settle(0.5)
    pic = client_picture(s, app, name)
    w, h, top = pic.width, pic.height, pic.height - 17
    check_equal([pic.at(x, top) for x in range(w)], [STRIP_OUTLINE] * w, "strip's top outline")
    check_equal([pic.at(0, top + 8), pic.at(w - 1, top + 8), pic.at(w - 1, h - 1), pic.at(5, top + 8)],
                [STRIP_OUTLINE] * 3 + [STRIP_FILL], "strip's left, right, bottom outline and fill")
    check(pic.at(5, top - 1) != STRIP_OUTLINE, "the strip is 17 pixels high")
    widths = {}
    for key, (x0, x1, test) in READOUT_TEXTS.items():
        box = pic.where(test, (x0 % w, top + 1, x1 % w, h - 2))
        check(box is not None, f"the {key} text is drawn in its colour ({name})")
        widths[key] = box[2] - box[0] + 1
    return widths


def face_tracking(s, seconds=60):
    """With tracking on the strip shows the cursor's position and the colour under it; over a minute
    of repaints as the cursor moves memory stays flat and the face the same (a routine that kept its GDI
    objects would run the process out of them long before)."""
    s.show("screen-colours", [((255, 0, 0), (400, 0, 899, 1079)), ((0, 255, 0), (900, 0, 1399, 1079)),
                              ((0, 0, 255), (1400, 0, 1919, 1079))], background=(0, 0, 0))
    store(s, **TRACKING_ON)
    app = s.start()
    check_mode(app, *ORIGIN, tracking=True)

    def rss():
        with open(f"/proc/{app.proc.pid}/status") as f:
            return int(next(line for line in f if line.startswith("VmRSS:")).split()[1])
    widths = {}
    for name, at in (("red", (600, 500)), ("green", (1100, 500)), ("blue", (1600, 500)),
                     ("red-far", (600, 1000))):
        s.display.move_cursor(*at)
        widths[name] = readout(s, app, "tracking-" + name)
    log("text widths", widths)
    # "R=255" is wider than "R=0": each colour's own value is the wide one.
    for wide, key in (("red", "R"), ("green", "G"), ("blue", "B")):
        for other in {"red", "green", "blue"} - {wide}:
            check(widths[wide][key] > widths[other][key], f"{key} reads 255 over {wide} and 0 over "
                  f"{other}", f"wider than {widths[other][key]}", widths[wide][key])
    check(widths["blue"]["x"] > widths["red"]["x"], "x=1600 is wider than x=600")
    check(widths["red-far"]["y"] > widths["red"]["y"], "y=1000 is wider than y=500")
    check_equal({**widths["red-far"], "y": 0}, {**widths["red"], "y": 0},
                "only y changes when the cursor moves down over the same colour")

    s.display.move_cursor(700, 700)
    settle(3)
    first = client_picture(s, app, "steady-first")
    samples, end = [], time.monotonic() + seconds
    while time.monotonic() < end:
        samples.append(rss())
        pause = time.monotonic() + 5
        while time.monotonic() < pause:  # the readout repaints only when the cursor moves
            for x in (701, 700):
                s.display.xdotool("mousemove", x, 700)
    s.display.move_cursor(700, 700)
    settle(1)
    log("resident memory over", seconds, "s (kB):", samples)
    growth = samples[-1] - samples[1]
    check(growth < 2048, "resident memory stays flat while tracking", "< 2048 kB growth", growth)
    check(first.data == client_picture(s, app, "steady-last").data,
          "the face is the same after a minute of repaints")
    app.close_with("Escape")


def open_menu_item(s, index, name):
    """Clicks the menu bar's item (0 Nastavenia, 1 O programe) and returns the dialog's facts.
    The bar is not a window of its own: the click goes to where wine draws the item, just above
    the client area; a click that only brings the window forward is repeated."""
    for attempt in range(3):
        facts = probe(s)
        left, top = facts["client"][0], facts["client"][1]
        click(s, left + (25 if index == 0 else 110), top - 11)
        try:
            return wait_for(lambda: (lambda f: f if name in f else None)(probe(s)), 8,
                            f"the {name} dialog")
        except Failure:
            log(f"menu item {index} did not open the {name} dialog (click {attempt + 1})")
    raise Failure(f"the menu bar's item {index} opens the {name} dialog")


TITLES = {"settings": "^ Nastavenia$", "about": "^ O programe$"}


def dialog_gone(s, name):
    """Waits until the dialog is closed for Win32 and its X window is unmapped: wine keeps the X
    window up for a while without a window manager, and a click meanwhile would land on it."""
    wait_for(lambda: name not in probe(s), 20, f"the {name} dialog to close")
    wait_for(lambda: not s.display.windows(TITLES[name]), 20, f"the {name} dialog's X window to go")
    settle()


def face_settings(s):
    """The Settings dialog's Ok switches the window between its two shapes; Cancel changes
    nothing."""
    store(s)
    app = s.start()
    check_mode(app, *ORIGIN, tracking=False)
    for what, checked, button, tracking in (("tracking on with Ok", 0, 1, True),
                                            ("a changed box and Cancel", 1, 2, True),
                                            ("tracking off with Ok", 1, 1, False)):
        log("Settings:", what)
        facts = open_menu_item(s, 0, "settings")
        check_equal(facts["settings_checked"], checked, "the box shows the tracking switch")
        shot = Picture(s.display.screenshot(os.path.join(s.workdir, f"settings{button}{checked}.png")))
        left, top, right, bottom = facts["settings_client"]
        gold = shot.count(lambda p: p[0] > 190 and 150 < p[1] < 220 and p[2] < 140,
                          (left + 2, top + 2, right - 3, bottom - 3))
        check(gold > (right - left) * (bottom - top) // 2, "the Settings dialog is gold", "> half", gold)
        check(facts["settings_1"][3] <= bottom, "the Ok button lies inside the dialog", f"<= {bottom}",
              facts["settings_1"])
        click(s, *mid(facts["settings_501"]))
        wait_for(lambda: probe(s).get("settings_checked") == 1 - checked, 10, "the box to change")
        click(s, *mid(facts[f"settings_{button}"]))
        dialog_gone(s, "settings")
        check_mode(app, *ORIGIN, tracking)
        pic = client_picture(s, app, f"after-settings-{button}-{checked}")
        strip = pic.where(colour(STRIP_FILL), (0, pic.height - 17, pic.width - 1, pic.height - 1))
        check((strip is not None) == tracking, f"the readout strip shows only with tracking on ({what})")
    app.close_with("Escape")


def face_about(s):
    """The About box: pale text on a dark background; a click on it, Ok, ENTER and ESC close it,
    and each time the main window is whole again."""
    store(s)
    app = s.start()
    before = client_picture(s, app, "before-about")
    for way in ("click", "ok", "enter", "escape"):
        facts = open_menu_item(s, 1, "about")
        left, top, right, bottom = facts["about_client"]
        shot = Picture(s.display.screenshot(os.path.join(s.workdir, f"about-{way}.png")))
        dark = shot.count(lambda p: max(p) < 60, (left + 2, top + 2, right - 3, bottom - 3))
        check(dark > (right - left) * (bottom - top) // 2, "the About box is dark", "> half", dark)
        pale = shot.count(lambda p: p[2] > 200 and p[1] > 170 and p[0] > 150 and p[2] > p[0],
                          (left, top, right - 1, bottom - 1))
        check(pale > 300, "the About box's text is pale blue", "> 300", pale)
        ok = facts["about_1"]
        check(ok[3] <= bottom + 1, "the Ok button lies inside the About box", f"<= {bottom}", ok)
        if way == "click":
            click(s, left + 60, top + 40)
        elif way == "ok":
            click(s, *mid(ok))
        else:
            s.display.key("Return" if way == "enter" else "Escape")
        dialog_gone(s, "about")
        settle()
        after = client_picture(s, app, f"after-about-{way}")
        check(after.data == before.data, f"the main window is repainted whole after {way}")
    app.close_with("Escape")


SCENARIOS = {name: (function, (1920, 1080)) for name, function in (
    ("face_rows", face_rows), ("face_tracking", face_tracking), ("face_settings", face_settings),
    ("face_about", face_about))}


if __name__ == "__main__":
    sys.exit(main(SCENARIOS, __doc__))
