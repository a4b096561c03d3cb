"""The program's face by its pixels, the readout strip and the two dialogs, all in one run."""

import contextlib
import os
import subprocess
import time

from harness import Failure, check, check_equal, check_mode, dword, log, pack, store, wait_for

KEY_OUTLINE, KEY_FACE, ARROW = (0, 190, 255), (150, 200, 255), (80, 100, 120)
HIGHLIGHT, STATUS_OUTLINE, STATUS_FILL = (255, 255, 140), (160, 210, 210), (230, 240, 240)
STRIP_FILL, STRIP_OUTLINE = (170, 170, 170), (145, 145, 145)
# The arrow keys of the legend: client corner (side 21) and the vertices of their arrows.
ARROW_KEYS = [((115, 141), [(125, 158), (125, 151), (129, 151), (125, 144), (121, 151)]),
              ((115, 164), [(125, 167), (125, 174), (129, 174), (125, 180), (121, 174)]),
              ((92, 164), [(109, 174), (102, 174), (102, 178), (95, 174), (102, 170)]),
              ((138, 164), [(141, 174), (148, 174), (148, 178), (154, 174), (148, 170)])]
# The readout's five texts: where each may stand (client x; negative from the right) and its colour.
READOUT = {"x": (10, 49, lambda p: p[0] > 200 and p[1] > 200 and p[2] < 100),
           "y": (50, -115, lambda p: p[0] < 100 and p[1] > 200 and p[2] > 200),
           "R": (-114, -78, lambda p: p[0] > 200 and p[1] < 100 and p[2] < 100),
           "G": (-77, -39, lambda p: p[0] < 100 and p[1] > 200 and p[2] < 100),
           "B": (-38, -1, lambda p: p[0] < 100 and p[1] < 100 and p[2] > 200)}
red = lambda p: p[0] >= 180 and p[1] <= 110 and p[2] <= 110  # noqa: E731
blue = lambda p: p[2] >= 150 and p[0] <= 110 and p[1] <= 110  # noqa: E731


class Picture:
    """The RGB pixels of a screenshot, or of a part (left, top, right, bottom) of one."""

    def __init__(self, path, rect):
        self.width, self.height = rect[2] - rect[0], rect[3] - rect[1]
        crop = "%dx%d+%d+%d" % (self.width, self.height, rect[0], rect[1])
        self.data = subprocess.run(["convert", path, "-crop", crop, "+repage", "-depth", "8", "rgb:-"],
                                   capture_output=True, check=True, timeout=60).stdout
        check_equal(len(self.data), 3 * self.width * self.height, f"pixels read from {path}")

    def at(self, x, y):
        return tuple(self.data[3 * (y * self.width + x):3 * (y * self.width + x) + 3])

    def count(self, test, box, where=False):
        """How many pixels of box (x0, y0, x1, y1 inclusive) pass test; or the box they span, or None."""
        found = [(x, y) for y in range(box[1], box[3] + 1) for x in range(box[0], box[2] + 1) if test(self.at(x, y))]
        xs, ys = zip(*found) if found else ((), ())
        return (found and (min(xs), min(ys), max(xs), max(ys))) or None if where else len(found)

    def where(self, test, box):
        return self.count(test, box, True)


class Face:
    """Screenshots of the client area (whose rectangle is asked anew after a change of mode) and of
    the dialogs, the menu bar, the status box."""

    def __init__(self, s):
        self.s, self.shots, self.client = s, 0, None

    def picture(self, rect=None, pause=0.4):
        time.sleep(pause)  # the repaint after a key has no message to wait for
        self.shots += 1
        self.client = self.client or self.s.apps[-1].probe()["client"]
        shot = self.s.display.screenshot(os.path.join(self.s.workdir, f"shot{self.shots}.png"))
        return Picture(shot, rect or self.client)

    def status(self, pic, text_test, what):
        box = pic.where(lambda p: p == STATUS_OUTLINE, (0, 60, pic.width - 1, 150))
        check(box and (box[0], box[2], box[3] - box[1]) == (35, 174, 20), "status box x 35..174, 21 high",
              (35, 174, 20), box)
        inner = (36, box[1] + 1, 173, box[3] - 1)
        check(pic.count(lambda p: p == STATUS_FILL, inner) > 138 * 19 // 2, "the status box is filled")
        text = pic.count(text_test, inner)
        check(text > 20 if what else text == 0, f"status text {what or 'not red'}", what, text)
        return box

    def menu(self, index, name):
        """Clicks the menu bar's item (0 Nastavenia, 1 O programe) where wine draws it, just above
        the client area, and returns the dialog's facts; a click that only raises the window is repeated."""
        app = self.s.apps[-1]
        for _ in range(3):
            left, top = app.probe()["client"][:2]
            self.s.display.click(left + (25 if index == 0 else 110), top - 11)
            with contextlib.suppress(Failure):
                return wait_for(lambda: (lambda f: name in f and f)(app.probe()), 8, f"the {name} dialog")
        raise Failure(f"the menu bar's item {index} opens the {name} dialog")

    def dialog_gone(self, name, title):
        """Win32 closes the dialog before wine unmaps its X window; a click meanwhile would land on it."""
        wait_for(lambda: name not in self.s.apps[-1].probe(), 20, f"the {name} dialog to close")
        wait_for(lambda: not self.s.display.windows(title), 20, f"the {name} dialog's X window to go")

    def dialog_picture(self, facts, name, test, what):
        left, top, right, bottom = rect = facts[name + "_client"]
        pic = self.picture(rect, 0.2)
        share = pic.count(test, (2, 2, pic.width - 3, pic.height - 3))
        check(share > pic.width * pic.height // 2, f"the {name} dialog is {what}", "over half", share)
        check(facts[name + "_1"][3] <= bottom + 1, f"the {name} dialog's Ok inside it", bottom, facts[name + "_1"])
        return pic


def rows_and_status(f, s, app):
    pic = f.picture()
    for (x, y), vertices in ARROW_KEYS:
        edges = [(x, y + 10), (x + 20, y + 10), (x + 10, y), (x + 10, y + 20)]
        outside = [(x - 1, y + 10), (x + 21, y + 10), (x + 10, y - 1), (x + 10, y + 21)]
        got = [pic.at(*p) for p in edges + [(x + 3, y + 3), (x + 17, y + 17)] + vertices]
        check_equal(got, [KEY_OUTLINE] * 4 + [KEY_FACE] * 2 + [ARROW] * 5, f"arrow key at {x, y}")
        check(not {pic.at(*p) for p in outside} & {KEY_OUTLINE, KEY_FACE}, f"arrow key at {x, y} is 21 wide")
    check_equal(pic.where(lambda p: p == KEY_OUTLINE, (0, 160, 60, 195))[:2], (11, 170), "ESC key cap")
    row = [pic.at(x, 20) for x in range(pic.width)]
    want = [(96 + i // 2,) * 3 for i in range(64)]  # grey setting 3: 32 strokes 2 wide, levels 96..127
    starts = [x for x in range(pic.width - 63) if row[x:x + 64] == want]
    check(len(starts) == 1 and all([pic.at(starts[0] + i, y) for i in range(64)] == want for y in range(16, 26)),
          "the grey strip of setting 3 in rows 16..25")
    tops = [pic.where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, 140))]
    check_equal(tops[0][1::2], (9, 27), "row 1's highlight box")
    idle = f.status(pic, red, None)
    check_equal(pic.where(lambda p: p == KEY_FACE, (0, 60, 60, 120)), None, "no TAB row before a search")
    for n in (2, 3, 1):
        app.key("Down")
        box = f.picture().where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, 140))
        below = box and box[3] - box[1] == 18 and box[1] > tops[-1][1] + 12
        check(below if n > 1 else box == tops[0], f"DOWN highlights row {n}", tops[-1], box)
        tops.append(box)
    app.search()
    check_equal(f.status(f.picture(), red, "red")[1], idle[1], "the status box's place, nothing found")
    s.show("grey", [((100, 100, 100), (400, 400, 459, 459)), ((100, 100, 100), (800, 600, 839, 629))], verify=False)
    app.search()
    pic = f.picture()
    found = f.status(pic, blue, "blue")
    check(found[1] >= idle[1] + 10, "the status box below rows 4 and 5", idle[1] + 10, found[1])
    tab = pic.where(lambda p: p == KEY_OUTLINE, (0, tops[2][1] + 10, 40, found[1] - 1))
    check(tab and tab[0] == 10, "row 4's TAB key cap at x 10", 10, tab)
    check(pic.where(lambda p: p[0] == p[1] == p[2] and 120 <= p[0] <= 200, (80, tab[3], 200, found[1] - 1)),
          "row 5 shows the object's size in grey")
    app.key("Down", "Down", "Down")
    box = f.picture().where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, found[1] - 1))
    check(box and tab[1] - 4 <= box[1] <= tab[3], "DOWN highlights row 4", tab, box)


def settings(f, s, app, checked, button, tracking):
    facts = f.menu(0, "settings")
    check_equal(facts["settings_checked"], checked, "the box shows the tracking switch")
    f.dialog_picture(facts, "settings", lambda p: p[0] > 190 and 150 < p[1] < 220 and p[2] < 140, "gold")
    for control in (501, button):
        left, top, right, bottom = facts[f"settings_{control}"]
        s.display.click((left + right) // 2, (top + bottom) // 2)
        if control == 501:
            wait_for(lambda: app.probe().get("settings_checked") == 1 - checked, 10, "the box to change")
    f.dialog_gone("settings", "^ Nastavenia$")
    check_mode(app, 100, 100, tracking)
    f.client = None
    pic = f.picture()
    strip = pic.where(lambda p: p == STRIP_FILL, (0, pic.height - 17, pic.width - 1, pic.height - 1))
    check((strip is not None) == tracking, "the readout strip shows only with tracking on")


def readout(f, s, app):
    s.show("colours", [((255, 0, 0), (400, 0, 899, 1079)), ((0, 255, 0), (900, 0, 1399, 1079)),
                       ((0, 0, 255), (1400, 0, 1919, 1079))], background=(0, 0, 0), verify=False)
    rect, widths = app.probe()["client"], {}
    for name, at in (("red", (600, 500)), ("green", (1100, 500)), ("blue", (1600, 500)), ("far", (600, 1000))):
        s.display.move_cursor(*at)
        pic = f.picture(rect, 0.5)
        w, h, top = pic.width, pic.height, pic.height - 17
        check_equal([pic.at(x, top) for x in range(w)] + [pic.at(0, top + 8), pic.at(w - 1, h - 1), pic.at(5, top + 8)],
                    [STRIP_OUTLINE] * (w + 2) + [STRIP_FILL], "the strip's outline and fill")
        check(pic.at(5, top - 1) != STRIP_OUTLINE, "the strip is 17 pixels high")
        boxes = {k: pic.where(test, (x0 % w, top + 1, x1 % w, h - 2)) for k, (x0, x1, test) in READOUT.items()}
        check(all(boxes.values()), "the five texts in their colours", "all", boxes)
        widths[name] = {k: b[2] - b[0] for k, b in boxes.items()}
    log("readout text widths", widths)
    for wide, key in (("red", "R"), ("green", "G"), ("blue", "B")):  # "R=255" is wider than "R=0"
        check(all(widths[wide][key] > widths[o][key] for o in {"red", "green", "blue"} - {wide}),
              f"{key} reads 255 only over {wide}", wide, widths)
    check(widths["blue"]["x"] > widths["red"]["x"], "x=1600 wider than x=600")
    check(widths["far"]["y"] > widths["red"]["y"], "y=1000 wider than y=500")
    check_equal({**widths["far"], "y": 0}, {**widths["red"], "y": 0}, "only y changes further down")
    rss = lambda: int(open(f"/proc/{app.proc.pid}/status").read().split("VmRSS:")[1].split()[0])  # noqa: E731
    first, before = f.picture(rect, 1), rss()
    for _ in range(100):  # the readout repaints only when the cursor moves
        s.display.xdotool("mousemove", 601, 1000)
        s.display.xdotool("mousemove", 600, 1000)
    check(rss() - before < 2048, "resident memory stays flat while tracking", before, rss())
    check(first.data == f.picture(rect, 0.5).data, "the face is the same after 200 repaints")


def about(f, s, app):
    before = f.picture()
    for way in ("click", "ok", "Escape"):  # ENTER gives the Ok button's command
        facts = f.menu(1, "about")
        pic = f.dialog_picture(facts, "about", lambda p: max(p) < 60, "dark")
        pale = pic.count(lambda p: p[2] > 200 and p[1] > 170 and p[0] > 150 and p[2] > p[0],
                         (0, 0, pic.width - 1, pic.height - 1))
        check(pale > 300, "the About box's text is pale blue", "> 300", pale)
        left, top, right, bottom = facts["about_1"]
        if way in ("click", "ok"):
            s.display.click(*((facts["about_client"][0] + 60, facts["about_client"][1] + 40) if way == "click"
                              else ((left + right) // 2, (top + bottom) // 2)))
        else:
            s.display.key(way)
        f.dialog_gone("about", "^ O programe$")
        check(f.picture().data == before.data, f"the main window whole after the About box closed by {way}")


def face(s):
    """Rows, highlight, grey strip, legend and status box; Settings switching tracking, the readout
    strip, and the About box, in one run of the program."""
    s.show("empty", [])
    store(s, WindowPos=dword(pack(100, 100)), StupneSedi=dword(3))
    app, f = s.start(), Face(s)
    rows_and_status(f, s, app)
    settings(f, s, app, 0, 2, False)  # a changed box and Cancel
    settings(f, s, app, 0, 1, True)
    readout(f, s, app)
    settings(f, s, app, 1, 1, False)
    about(f, s, app)
    app.close_with("Escape")


SCENARIOS = {"face": (face, (1920, 1080))}
