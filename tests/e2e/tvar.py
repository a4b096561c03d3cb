"""End-to-end checks of the face by its pixels: the rows, the legend, the status box, the dialogs, the
readout (face), and the face at every display scale (dpi_scales)."""

import contextlib
import os
import re
import subprocess
import time

from harness import check_mode, dialog_gone
from ovladac import (KEY, LOW, WIDTH, Failure, centres, check, check_equal, dword, log, middle, pack, reg_data, rgb,
                     saved, store, wait_for)


KEY_OUTLINE, KEY_FACE, ARROW = (0, 190, 255), (150, 200, 255), (80, 100, 120)
HIGHLIGHT, STATUS_OUTLINE, STATUS_FILL = (255, 255, 140), (160, 210, 210), (230, 240, 240)
STRIP_FILL, STRIP_OUTLINE = (170, 170, 170), (145, 145, 145)
# The arrow keys of the legend: client corner (side 21) and their arrows' tips (the vertices are a unit table's).
ARROW_KEYS = [((115, 141), (125, 144)), ((115, 164), (125, 180)), ((92, 164), (95, 174)), ((138, 164), (154, 174))]
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
    check(box, "the status box's outline", STATUS_OUTLINE, box)
    for got, want, side in ((box[0], 35, "left"), (box[2], 174, "right"), (box[3] - box[1], 20, "height less one")):
        check_equal(got, want, f"the status box's {side}")
    inner = (36, box[1] + 1, 173, box[3] - 1)
    fill = len(pic.passing(lambda p: p == STATUS_FILL, inner))
    check(fill > 138 * 19 // 2, "the status box's fill", "over half", fill)
    text = len(pic.passing(text_test, inner))
    check(text > 20 if what else text == 0, f"pixels of the status text {what or 'not red'}",
          "over 20" if what else 0, text)
    return box


def menu(s, app, index, name):
    """Clicks the menu item (0 Nastavenia, 1 O programe) above the client area; a click that only raises, again."""
    for _ in range(3):
        left, top = app.probe()["client"][:2]
        s.display.click(left + (25 if index == 0 else 110), top - 11)
        with contextlib.suppress(Failure):
            return wait_for(lambda: (lambda f: name in f and f)(app.probe()), 8, f"the {name} dialog")
    raise Failure(f"the menu bar's item {index} opens the {name} dialog")


def dialog_picture(s, rect, test, what, part=2):
    share = len((pic := picture(s, rect, 0.2)).passing(test, (2, 2, pic.width - 3, pic.height - 3)))
    check(share > pic.width * pic.height // part, what, f"over 1/{part}", share)


def rows_and_status(s, app):
    pic = picture(s)
    for (x, y), tip in ARROW_KEYS:
        edges = [(x, y + 10), (x + 20, y + 10), (x + 10, y), (x + 10, y + 20)]
        outside = [(x - 1, y + 10), (x + 21, y + 10), (x + 10, y - 1), (x + 10, y + 21)]
        got = [pic.at(*p) for p in edges + [(x + 3, y + 3), (x + 17, y + 17), tip]]
        check_equal(got, [KEY_OUTLINE] * 4 + [KEY_FACE] * 2 + [ARROW], f"arrow key at {x, y}")
        check_equal({pic.at(*p) for p in outside} & {KEY_OUTLINE, KEY_FACE}, set(), f"key colours round the key at {x, y}")
    check_equal(pic.where(lambda p: p == KEY_OUTLINE, (0, 160, 60, 195))[:2], (11, 170), "ESC key cap")
    row = [pic.at(x, 20) for x in range(pic.width)]
    want = [(96 + i // 2,) * 3 for i in range(64)]  # grey setting 3: 32 strokes 2 wide, levels 96..127
    starts = [x for x in range(pic.width - 63) if row[x:x + 64] == want]
    check_equal(len(starts), 1, "grey strips of setting 3 in row 20")
    for y in range(16, 26):
        check_equal([pic.at(starts[0] + i, y) for i in range(64)], want, f"the grey strip in row {y}")
    tops = [pic.where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, 140))]
    check_equal(tops[0][1::2], (9, 27), "row 1's highlight box, top and bottom")
    check_equal(pic.where(lambda p: p == KEY_FACE, (0, 60, 60, 120)), None, "a TAB key cap before a search")
    idle = status(pic, red, None)
    for n in (2, 3):
        app.key("Down")
        box = picture(s).where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, 140))
        check(box, f"a highlight box after DOWN to row {n}")
        check_equal(box[3] - box[1], 18, f"the highlight box of row {n}, its height less one")
        check(box[1] > tops[-1][1] + 12, f"DOWN highlights row {n} below the last", tops[-1], box)
        tops.append(box)
    app.search()
    check_equal(status(picture(s), red, "red")[1], idle[1], "the status box's place, nothing found")
    s.show("grey", [((100, 100, 100), (400, 400, 459, 459)), ((100, 100, 100), (800, 600, 839, 629))], verify=False)
    app.search()
    pic = picture(s)
    found = status(pic, blue, "blue")
    check(found[1] >= idle[1] + 10, "the status box below rows 4 and 5", idle[1] + 10, found[1])
    tab = pic.where(lambda p: p == KEY_OUTLINE, (0, tops[2][1] + 10, 40, found[1] - 1))
    check_equal(tab and tab[0], 10, "the left of row 4's TAB key cap")
    check(pic.where(lambda p: p[0] == p[1] == p[2] and 120 <= p[0] <= 200, (80, tab[3], 200, found[1] - 1)),
          "row 5 shows the object's size in grey")
    app.key("Down")
    box = picture(s).where(lambda p: p == HIGHLIGHT, (0, 0, pic.width - 1, found[1] - 1))
    check(box, "a highlight box above the status box after DOWN to row 4")
    check(tab[1] - 4 <= box[1] <= tab[3], "DOWN highlights row 4: its box's top by the TAB key cap", tab, box)


def face_settings(s, app, checked, button, tracking):
    facts = menu(s, app, 0, "settings")
    check_equal(facts["settings_checked"], checked, "the box shows the tracking switch")
    for rect, part in ((facts["settings_client"], 2), (facts["settings_512"], 3)):  # a radio button's background too
        dialog_picture(s, rect, lambda p: p[0] > 190 and 150 < p[1] < 220 and p[2] < 140, "the Settings dialog gold", part)
    s.display.click(*middle(facts["settings_501"]))
    wait_for(lambda: app.probe().get("settings_checked") == 1 - checked, 10, "the box to change")
    s.display.click(*middle(facts[f"settings_{button}"]))
    dialog_gone(app, "settings", "^ Nastavenia$")
    check_mode(app, 100, 100, tracking)
    s.client = None
    pic = picture(s)
    strip = pic.where(lambda p: p == STRIP_FILL, (0, pic.height - 17, pic.width - 1, pic.height - 1))
    check_equal(strip is not None, tracking, "the readout strip shown (with tracking on only)")


def readout(s, app):
    s.show("colours", [((255, 0, 0), (400, 0, 899, 1079)), ((0, 255, 0), (900, 0, 1399, 1079)),
                       ((0, 0, 255), (1400, 0, 1919, 1079))], background=(0, 0, 0), verify=False)
    widths = {}
    for name, at in (("red", (600, 500)), ("green", (1100, 500)), ("blue", (1600, 500)), ("far", (600, 1000))):
        s.display.move_cursor(*at)
        pic = picture(s, None, 0.5)
        w, h, top = pic.width, pic.height, pic.height - 17
        check_equal({pic.at(x, top) for x in range(w)}, {STRIP_OUTLINE}, "the strip's top outline, 17 above the bottom")
        check_equal(pic.at(0, top + 8), STRIP_OUTLINE, "the strip's left outline")
        check_equal(pic.at(w - 1, h - 1), STRIP_OUTLINE, "the strip's bottom right corner")
        check_equal(pic.at(5, top + 8), STRIP_FILL, "the strip's fill")
        check(pic.at(5, top - 1) != STRIP_OUTLINE, "the pixel above the strip is no outline", "other", pic.at(5, top - 1))
        boxes = {k: pic.where(test, (x0 % w, top + 1, x1 % w, h - 2)) for k, (x0, x1, test) in READOUT.items()}
        for k, box in boxes.items():
            check(box, f"the text {k} in its colour over {name}", "found", box)
        widths[name] = {k: b[2] - b[0] for k, b in boxes.items()}
    for wide, key in (("red", "R"), ("green", "G"), ("blue", "B")):  # "R=255" is wider than "R=0"
        for other in {"red", "green", "blue"} - {wide}:
            check(widths[wide][key] > widths[other][key], f"{key} wider over {wide} than over {other}", wide, widths)
    check(widths["blue"]["x"] > widths["red"]["x"], "x=1600 wider than x=600", widths["red"], widths["blue"])
    check(widths["far"]["y"] > widths["red"]["y"], "y=1000 wider than y=500", widths["red"], widths["far"])
    check_equal({**widths["far"], "y": 0}, {**widths["red"], "y": 0}, "only y changes further down")
    rss = lambda: int(open(f"/proc/{app.proc.pid}/status").read().split("VmRSS:")[1].split()[0])  # noqa: E731
    first, before = picture(s, None, 1), rss()
    for _ in range(100):  # the readout repaints only when the cursor moves
        for x in (601, 600):
            s.display.xdotool("mousemove", x, 1000)
    check(rss() - before < 2048, "resident memory stays flat while tracking", before, rss())
    check(first.data == picture(s, None, 0.5).data, "the face is the same after 200 repaints")


def face(s):
    """Rows, grey strip, legend, status; Settings switching tracking; the readout; About closed by click, ESC."""
    s.show("empty", [])
    store(s, WindowPos=dword(pack(100, 100)), StupneSedi=dword(3))
    app, s.client, s.shots = s.start(), None, 0
    rows_and_status(s, app)
    face_settings(s, app, 0, 2, False)  # a changed box and Cancel
    face_settings(s, app, 0, 1, True)
    readout(s, app)
    face_settings(s, app, 1, 1, False)
    before = picture(s)
    for way in ("click", "Escape"):
        facts = menu(s, app, 1, "about")
        dialog_picture(s, facts["about_client"], lambda p: max(p) < 60, "the About dialog dark")
        if way == "click":
            s.display.click(facts["about_client"][0] + 60, facts["about_client"][1] + 40)
        else:
            app.key(way)
        dialog_gone(app, "about", "^ O programe$")
        check(picture(s).data == before.data, f"the main window whole after the About box closed by {way}")
    app.close_with("Escape")


DESKTOP = r"HKEY_CURRENT_USER\Control Panel\Desktop"
FACE = (214, 211)  # the face's client size in 96-DPI units, readout strip included
# LogPixels, and Windows 10's title-bar and menu heights (23 and 20 pixels, in twips) or wine's own.
SCALES = [(96, None), (120, None), (144, None), (192, None), (96, ("-345", "-300"))]
# The colours of the face's boxes: key caps, value boxes, status box, readout strip.
FACE_COLOURS = ("0,190,255 150,200,255 180,180,180 205,205,205 255,230,255 255,255,140 160,210,210 230,240,240 "
                "145,145,145 170,170,170").split()
SCALED = [(3, 2, 42, 31), (1880, 5, 1916, 44), (0, 1040, 29, 1079), (1890, 1050, 1919, 1079)]
scaled = lambda value, dpi: int(value * dpi / 96 + 0.5)  # noqa: E731


def boxes(path, x, y, w, h):
    """Boxes (inclusive) of the patches of those colours and of the labels' blue texts, in reading order."""
    crop = ["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-fill"]
    out = subprocess.run(crop + ["#010203", *[a for c in FACE_COLOURS for a in ("-opaque", f"rgb({c})")], "-define",
                                 "connected-components:verbose=true", "-connected-components", "4", "null:"],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    found = [tuple(map(int, b)) for b in re.findall(r"(\d+)x(\d+)\+(\d+)\+(\d+) \S+ \d+ srgb\(1,2,3\)", out)]
    span = subprocess.run(crop + ["white", "+opaque", "rgb(0,0,160)", "-format", "%@", "info:"],
                          capture_output=True, text=True, check=True, timeout=60).stdout
    found += [tuple(map(int, re.findall(r"\d+", span)))]
    return sorted(((x, y, x + w - 1, y + h - 1) for w, h, x, y in found if min(w, h) > 12), key=lambda b: (b[1] // 4, b[0]))


def near(box, want):
    """Within 2 pixels; a box around a text may also be 5 % wider or narrower."""
    return all(abs(box[i] - want[i]) <= 2 and abs(box[i + 2] - box[i] - want[i + 2] + want[i]) <= max(
        2, (want[i + 2] - want[i]) // 20) for i in (0, 1))


def set_scale(s, dpi, metrics, settings=""):
    """LogPixels, the two heights (None deletes them) and the program's settings, then a fresh server."""
    caption, height = (f'"{v}"' for v in metrics) if metrics else ("-", "-")
    s.wine.import_reg(f'[{DESKTOP}]\n"LogPixels"=dword:{dpi:08x}\n\n[{DESKTOP}\\WindowMetrics]\n'
                      f'"CaptionHeight"={caption}\n"MenuHeight"={height}\n{settings}')
    s.wine.kill_server()


def settings_scaled(s, app, dpi):
    """The Settings dialog: the check box clear of its painted label."""
    f = menu(s, app, 0, "settings")
    (cl, ct, cr, _), box = f["settings_client"], f["settings_501"]
    grey = rgb(s.display.screenshot(os.path.join(s.workdir, f"settings{dpi}.png")),
               f"{cr - cl}x{scaled(16, dpi)}+{cl}+{ct + scaled(22, dpi)}")[1::3]
    label = min([i % (cr - cl) for i, v in enumerate(grey) if v < 60 and not box[0] <= cl + i % (cr - cl) <= box[2]],
                default=-1)
    check(box[2] - cl < label, "the label clear of the check box", box[2] - cl, label)
    check(abs(label - scaled(39, dpi)) <= scaled(3, dpi), "the label at its scaled place", scaled(39, dpi), label)
    app.key("Escape")
    dialog_gone(app, "settings", "^ Nastavenia$")


def one_scale(s, dpi, metrics, reference):
    log("LogPixels", dpi, "window metrics", metrics)
    # Grey setting 3, tracking on, outlines off: over objects in all four corners their popup covers
    # the whole screen, and wine without a window manager stalls two seconds in hiding such a window.
    # Saved at the bottom edge with tracking off, it grows at the start and moves up just that far.
    values = dict(saved(800, 1080 - LOW, WIDTH, LOW, 3, 20, 70, 1, 1), UkazatObjekty=dword(0))
    set_scale(s, dpi, metrics, f"\n[-{KEY}]\n\n[{KEY}]\n" + "".join(f'"{n}"={reg_data(*v)}\n' for n, v in values.items()))
    app = s.start()
    facts = app.probe()
    (left, top, right, bottom), (x0, y0, x1, y1) = facts["client"], facts["window"]
    check_equal((right - left, bottom - top), tuple(scaled(v, dpi) for v in FACE), "the client area is the face at the scale")
    check_equal(x0, 800, "the window's left edge, where it was saved")
    check_equal(y1, 1080, "the window's bottom edge, on the screen's")
    found = boxes(s.display.screenshot(os.path.join(s.workdir, f"face{dpi}-{bool(metrics)}.png")),
                  left, top, right - left, bottom - top)
    reference[:] = reference or found
    want = [tuple(scaled(v, dpi) for v in b) for b in reference]
    check_equal(len(found), len(want), "the face's boxes")
    for got, expected in zip(found, want):
        check(near(got, expected), "a face's box at its 96-DPI place scaled", expected, got)
    points = list(map(middle, SCALED))
    if not metrics:
        check_equal(app.search(), centres(points), "Stredy.txt")
        check_equal([app.tab() for _ in points], points, "TAB puts the cursor on each centre")
    if dpi == 144:
        settings_scaled(s, app, dpi)
    app.close_with("Escape")
    if dpi == 144:
        check_equal(s.wine.values()["WindowSize"], dword(pack(x1 - x0, y1 - y0)), "WindowSize saved")


def dpi_scales(s):
    """The face proportional, search and TAB in physical pixels, the outer size from the face, Settings."""
    s.show("corners", [((100, 100, 100), box) for box in SCALED])
    own = re.findall(r"^\s*(?:CaptionHeight|MenuHeight)\s+REG_SZ\s+(\S+)",
                     s.wine.run(["reg", "query", DESKTOP + r"\WindowMetrics"]).stdout, re.M)
    reference = []
    try:
        for dpi, metrics in SCALES:
            one_scale(s, dpi, metrics, reference)
    finally:
        set_scale(s, 96, own if len(own) == 2 else None)
