"""The program's face by its pixels, the readout strip and the two dialogs; the face at several display scales."""

import contextlib
import os
import re
import subprocess
import time

from harness import KEY, Failure, check, check_equal, check_mode, dword, log, pack, reg_data, rgb, saved, store, wait_for

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
    """The RGB pixels of a part (left, top, right, bottom) of a screenshot."""

    def __init__(self, path, rect):
        self.width, self.height = rect[2] - rect[0], rect[3] - rect[1]
        self.data = rgb(path, "%dx%d+%d+%d" % (self.width, self.height, rect[0], rect[1]))

    def at(self, x, y):
        return tuple(self.data[3 * (y * self.width + x):3 * (y * self.width + x) + 3])

    def passing(self, test, box):
        return [(x, y) for y in range(box[1], box[3] + 1) for x in range(box[0], box[2] + 1) if test(self.at(x, y))]

    def where(self, test, box):
        """The box (inclusive) the pixels of box passing test span, or None."""
        found = self.passing(test, box)
        return found and (min(x for x, _ in found), found[0][1], max(x for x, _ in found), found[-1][1]) or None


def picture(s, rect=None, pause=0.4):
    """The client area (asked anew after a change of mode) or rect, once the repaint is done."""
    time.sleep(pause)  # the repaint after a key has no message to wait for
    s.shots += 1
    if not rect:
        s.client = s.client or s.apps[-1].probe()["client"]
    return Picture(s.display.screenshot(os.path.join(s.workdir, f"shot{s.shots}.png")), rect or s.client)


def status(pic, text_test, what):
    box = pic.where(lambda p: p == STATUS_OUTLINE, (0, 60, pic.width - 1, 150))
    check(box and (box[0], box[2], box[3] - box[1]) == (35, 174, 20), "status box x 35..174, 21 high",
          (35, 174, 20), box)
    inner = (36, box[1] + 1, 173, box[3] - 1)
    text = len(pic.passing(text_test, inner))
    check(len(pic.passing(lambda p: p == STATUS_FILL, inner)) > 138 * 19 // 2 and (text > 20 if what else text == 0),
          f"the status box filled, its text {what or 'not red'}", what, text)
    return box


def menu(s, app, index, name):
    """Clicks the menu bar's item (0 Nastavenia, 1 O programe) where wine draws it, just above the
    client area, and returns the dialog's facts; a click that only raises the window is repeated."""
    for _ in range(3):
        left, top = app.probe()["client"][:2]
        s.display.click(left + (25 if index == 0 else 110), top - 11)
        with contextlib.suppress(Failure):
            return wait_for(lambda: (lambda f: name in f and f)(app.probe()), 8, f"the {name} dialog")
    raise Failure(f"the menu bar's item {index} opens the {name} dialog")


def dialog_gone(s, app, name, title):
    """Win32 closes the dialog before wine unmaps its X window; a click meanwhile would land on it."""
    wait_for(lambda: name not in app.probe(), 20, f"the {name} dialog to close")
    wait_for(lambda: not s.display.windows(title), 20, f"the {name} dialog's X window to go")


def dialog_picture(s, facts, name, test, what):
    pic = picture(s, facts[name + "_client"], 0.2)
    share = len(pic.passing(test, (2, 2, pic.width - 3, pic.height - 3)))
    check(share > pic.width * pic.height // 2, f"the {name} dialog {what}", "over half", share)


def rows_and_status(s, app):
    pic = picture(s)
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
    check_equal((tops[0][1::2], pic.where(lambda p: p == KEY_FACE, (0, 60, 60, 120))), ((9, 27), None),
                "row 1's highlight box; no TAB row before a search")
    idle = status(pic, red, None)
    for n in (2, 3, 1):
        app.key("Down")
        box = picture(s).where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, 140))
        below = box and box[3] - box[1] == 18 and box[1] > tops[-1][1] + 12
        check(below if n > 1 else box == tops[0], f"DOWN highlights row {n}", tops[-1], box)
        tops.append(box)
    app.search()
    check_equal(status(picture(s), red, "red")[1], idle[1], "the status box's place, nothing found")
    s.show("grey", [((100, 100, 100), (400, 400, 459, 459)), ((100, 100, 100), (800, 600, 839, 629))], verify=False)
    app.search()
    pic = picture(s)
    found = status(pic, blue, "blue")
    check(found[1] >= idle[1] + 10, "the status box below rows 4 and 5", idle[1] + 10, found[1])
    tab = pic.where(lambda p: p == KEY_OUTLINE, (0, tops[2][1] + 10, 40, found[1] - 1))
    check(tab and tab[0] == 10, "row 4's TAB key cap at x 10", 10, tab)
    check(pic.where(lambda p: p[0] == p[1] == p[2] and 120 <= p[0] <= 200, (80, tab[3], 200, found[1] - 1)),
          "row 5 shows the object's size in grey")
    app.key("Down", "Down", "Down")
    box = picture(s).where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, found[1] - 1))
    check(box and tab[1] - 4 <= box[1] <= tab[3], "DOWN highlights row 4", tab, box)


def settings(s, app, checked, button, tracking):
    facts = menu(s, app, 0, "settings")
    check_equal(facts["settings_checked"], checked, "the box shows the tracking switch")
    dialog_picture(s, facts, "settings", lambda p: p[0] > 190 and 150 < p[1] < 220 and p[2] < 140, "is gold")
    for control in (501, button):
        left, top, right, bottom = facts[f"settings_{control}"]
        s.display.click((left + right) // 2, (top + bottom) // 2)
        if control == 501:
            wait_for(lambda: app.probe().get("settings_checked") == 1 - checked, 10, "the box to change")
    dialog_gone(s, app, "settings", "^ Nastavenia$")
    check_mode(app, 100, 100, tracking)
    s.client = None
    pic = picture(s)
    strip = pic.where(lambda p: p == STRIP_FILL, (0, pic.height - 17, pic.width - 1, pic.height - 1))
    check((strip is not None) == tracking, "the readout strip shows only with tracking on")


def readout(s, app):
    s.show("colours", [((255, 0, 0), (400, 0, 899, 1079)), ((0, 255, 0), (900, 0, 1399, 1079)),
                       ((0, 0, 255), (1400, 0, 1919, 1079))], background=(0, 0, 0), verify=False)
    widths = {}
    for name, at in (("red", (600, 500)), ("green", (1100, 500)), ("blue", (1600, 500)), ("far", (600, 1000))):
        s.display.move_cursor(*at)
        pic = picture(s, None, 0.5)
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
    check(widths["blue"]["x"] > widths["red"]["x"] and widths["far"]["y"] > widths["red"]["y"],
          "x=1600 wider than x=600, y=1000 than y=500")
    check_equal({**widths["far"], "y": 0}, {**widths["red"], "y": 0}, "only y changes further down")
    rss = lambda: int(open(f"/proc/{app.proc.pid}/status").read().split("VmRSS:")[1].split()[0])  # noqa: E731
    first, before = picture(s, None, 1), rss()
    for _ in range(100):  # the readout repaints only when the cursor moves
        s.display.xdotool("mousemove", 601, 1000)
        s.display.xdotool("mousemove", 600, 1000)
    check(rss() - before < 2048, "resident memory stays flat while tracking", before, rss())
    check(first.data == picture(s, None, 0.5).data, "the face is the same after 200 repaints")


def face(s):
    """Rows, highlight, grey strip, legend and status box; Settings switching tracking, the readout
    strip, and the About box closed by a click and by ESC, in one run of the program."""
    s.show("empty", [])
    store(s, WindowPos=dword(pack(100, 100)), StupneSedi=dword(3))
    app, s.client, s.shots = s.start(), None, 0
    rows_and_status(s, app)
    settings(s, app, 0, 2, False)  # a changed box and Cancel
    settings(s, app, 0, 1, True)
    readout(s, app)
    settings(s, app, 1, 1, False)
    before = picture(s)
    for way in ("click", "Escape"):
        facts = menu(s, app, 1, "about")
        dialog_picture(s, facts, "about", lambda p: max(p) < 60, "is dark")
        way == "click" and s.display.click(facts["about_client"][0] + 60, facts["about_client"][1] + 40)
        way == "Escape" and s.display.key(way)
        dialog_gone(s, app, "about", "^ O programe$")
        check(picture(s).data == before.data, f"the main window whole after the About box closed by {way}")
    app.close_with("Escape")


DESKTOP = r"HKEY_CURRENT_USER\Control Panel\Desktop"
FACE = (214, 211)  # the face's client size in 96-DPI units, readout strip included
# LogPixels, and Windows 10's title-bar and menu heights (23 and 20 pixels, in twips) or wine's own.
SCALES = [(96, None), (120, None), (144, None), (192, None), (96, ("-345", "-300"))]
# The colours of the face's boxes: key caps, value boxes, status box, readout strip.
BOXES = ("0,190,255 150,200,255 180,180,180 205,205,205 255,230,255 255,255,140 160,210,210 230,240,240 "
         "145,145,145 170,170,170").split()
CORNERS = [(3, 2, 42, 31), (1880, 5, 1916, 44), (0, 1040, 29, 1079), (1890, 1050, 1919, 1079)]
scaled = lambda value, dpi: int(value * dpi / 96 + 0.5)  # noqa: E731


def boxes(path, x, y, w, h):
    """Bounding boxes (client coordinates, inclusive) of the patches of those colours and of the
    labels' blue texts (where an unscaled font would show), in reading order."""
    crop = ["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-fill"]
    out = subprocess.run(crop + ["#010203", *[a for c in BOXES for a in ("-opaque", f"rgb({c})")], "-define",
                                 "connected-components:verbose=true", "-connected-components", "4", "null:"],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    found = [tuple(map(int, b)) for b in re.findall(r"(\d+)x(\d+)\+(\d+)\+(\d+) \S+ \d+ srgb\(1,2,3\)", out)]
    span = subprocess.run(crop + ["white", "+opaque", "rgb(0,0,160)", "-format", "%@", "info:"],
                          capture_output=True, text=True, check=True, timeout=60).stdout
    found += [tuple(map(int, re.findall(r"\d+", span)))]
    return sorted(((x, y, x + w - 1, y + h - 1) for w, h, x, y in found if min(w, h) > 12), key=lambda b: (b[1] // 4, b[0]))


def near(box, want):
    """Within 2 pixels; a box around a text may also be 5 % wider or narrower."""
    size = (box[2] - box[0] - want[2] + want[0], box[3] - box[1] - want[3] + want[1])
    return (abs(box[0] - want[0]) <= 2 and abs(box[1] - want[1]) <= 2 and
            all(abs(d) <= max(2, (want[i + 2] - want[i]) // 20) for i, d in enumerate(size)))


def set_scale(s, dpi, metrics, settings=""):
    """LogPixels, the two heights (None deletes them) and the program's settings, then a fresh server."""
    caption, height = (f'"{v}"' for v in metrics) if metrics else ("-", "-")
    s.wine.import_reg(f'[{DESKTOP}]\n"LogPixels"=dword:{dpi:08x}\n\n[{DESKTOP}\\WindowMetrics]\n'
                      f'"CaptionHeight"={caption}\n"MenuHeight"={height}\n{settings}')
    s.wine.kill_server()


def settings_scaled(s, app, dpi):
    """The Settings dialog: the check box clear of its painted label, Ok and Cancel inside."""
    f = menu(s, app, 0, "settings")
    (cl, ct, cr, _), box = f["settings_client"], f["settings_501"]
    grey = rgb(s.display.screenshot(os.path.join(s.workdir, f"settings{dpi}.png")),
               f"{cr - cl}x{scaled(16, dpi)}+{cl}+{ct + scaled(22, dpi)}")[1::3]
    label = min([i % (cr - cl) for i, v in enumerate(grey) if v < 60 and not box[0] <= cl + i % (cr - cl) <= box[2]],
                default=-1)
    check(box[2] - cl < label and abs(label - scaled(39, dpi)) <= scaled(3, dpi),
          "the label at its scaled place, clear of the check box", scaled(39, dpi), (label, box))
    check(all(all(map(int.__le__, f["settings"][:2] + b[2:], b[:2] + f["settings"][2:]))
              for b in (f["settings_1"], f["settings_2"])), "the buttons inside the dialog")
    app.key("Escape")
    wait_for(lambda: "settings" not in app.probe(), 10, "the Settings dialog to close")


def one_scale(s, dpi, metrics, reference):
    log("LogPixels", dpi, "window metrics", metrics)
    # Grey setting 3, tracking on, outlines off: over objects in all four corners their popup covers
    # the whole screen, and wine without a window manager stalls two seconds in hiding such a window.
    values = dict(saved(800, 300, 224, 242, 3, 20, 70, 1, 1), UkazatObjekty=dword(0))
    set_scale(s, dpi, metrics, f"\n[-{KEY}]\n\n[{KEY}]\n" + "".join(f'"{n}"={reg_data(*v)}\n' for n, v in values.items()))
    app = s.start()
    facts = app.probe()
    (left, top, right, bottom), (x0, y0, x1, y1) = facts["client"], facts["window"]
    check_equal((right - left, bottom - top), tuple(scaled(v, dpi) for v in FACE), "the client area is the face at the scale")
    check(0 <= x0 and 0 <= y0 and x1 <= 1920 and y1 <= 1080, "the window on the screen", None, facts["window"])
    found = boxes(s.display.screenshot(os.path.join(s.workdir, f"face{dpi}-{bool(metrics)}.png")),
                  left, top, right - left, bottom - top)
    reference[:] = reference or found
    want = [tuple(scaled(v, dpi) for v in b) for b in reference]
    check(len(found) == len(want) and all(map(near, found, want)), "the face's boxes at their 96-DPI places scaled",
          want, found)
    centres = [((l + r) // 2, (t + b) // 2) for l, t, r, b in CORNERS]
    if not metrics:
        check_equal(app.search(), b"".join(b"%d,%d\r\n" % c for c in centres), "Stredy.txt")
        check_equal([app.tab() for _ in centres], centres, "TAB puts the cursor on each centre")
    if dpi == 144:
        settings_scaled(s, app, dpi)
    app.close_with("Escape")
    if dpi == 144:
        check_equal(s.wine.values()["WindowSize"], dword(pack(x1 - x0, y1 - y0)), "WindowSize")


def dpi_scales(s):
    """The face whole and proportional, the search and TAB in physical pixels, the outer size made
    from the face, and the Settings dialog scaled."""
    s.show("corners", [((100, 100, 100), box) for box in CORNERS])
    own = re.findall(r"^\s*(?:CaptionHeight|MenuHeight)\s+REG_SZ\s+(\S+)",
                     s.wine.run(["reg", "query", DESKTOP + r"\WindowMetrics"]).stdout, re.M)
    reference = []
    try:
        for dpi, metrics in SCALES:
            one_scale(s, dpi, metrics, reference)
    finally:
        set_scale(s, 96, own if len(own) == 2 else None)


SCENARIOS = {"face": (face, {}), "dpi_scales": (dpi_scales, {})}
