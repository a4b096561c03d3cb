#!/usr/bin/env python3
"""The program at several display scales: the face whole and proportional, the search and TAB in
physical pixels, the outer size made from the face, and the Settings dialog scaled."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (KEY, check, check_equal, dword, log, main, pack, reg_data, saved,  # noqa
                     wait_for)

DESKTOP = r"HKEY_CURRENT_USER\Control Panel\Desktop"
METRICS = DESKTOP + r"\WindowMetrics"
FACE = (214, 211)  # the face's client size in 96-DPI units, readout strip included
# LogPixels, and Windows 10's title-bar and menu heights (23 and 20 pixels, in twips) or wine's own.
SCALES = [(96, None), (120, None), (144, None), (192, None), (96, ("-345", "-300"))]
# The colours of the face's boxes: key caps, value boxes, status box, readout strip.
BOXES = ["0,190,255", "150,200,255", "180,180,180", "205,205,205", "255,230,255", "255,255,140",
         "160,210,210", "230,240,240", "145,145,145", "170,170,170"]
CORNERS = [(3, 2, 42, 31), (1880, 5, 1916, 44), (0, 1040, 29, 1079), (1890, 1050, 1919, 1079)]


def scaled(value, dpi):
    return int(value * dpi / 96 + 0.5)


def boxes(path, x, y, w, h):
    """Bounding boxes (client coordinates, inclusive) of the patches of those colours, in reading
    order, holes in digits left out."""
    opaque = [a for c in BOXES for a in ("-opaque", f"rgb({c})")]
    out = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-fill",
                          "#010203", *opaque, "-define", "connected-components:verbose=true",
                          "-connected-components", "4", "null:"],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    found = [tuple(map(int, b)) for b in
             re.findall(r"(\d+)x(\d+)\+(\d+)\+(\d+) \S+ \d+ srgb\(1,2,3\)", out)]
    # and the span of the texts in the labels' blue, where an unscaled font would show
    span = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-fill",
                           "white", "+opaque", "rgb(0,0,160)", "-format", "%@", "info:"],
                          capture_output=True, text=True, check=True, timeout=60).stdout
    found += [tuple(map(int, re.findall(r"\d+", span)))]
    return sorted(((x, y, x + w - 1, y + h - 1) for w, h, x, y in found if min(w, h) > 12),
                  key=lambda b: (b[1] // 4, b[0]))


def near(box, want):
    """Within 2 pixels; a box around a text may also be 5 % wider or narrower, as text widths do
    not grow exactly with the font."""
    size = (box[2] - box[0] - want[2] + want[0], box[3] - box[1] - want[3] + want[1])
    return (abs(box[0] - want[0]) <= 2 and abs(box[1] - want[1]) <= 2 and
            all(abs(d) <= max(2, (want[i + 2] - want[i]) // 20) for i, d in enumerate(size)))


def set_scale(s, dpi, metrics, settings=""):
    """LogPixels, the two heights (None deletes them) and the program's settings in one wine
    start, then a fresh server."""
    caption, menu = (f'"{v}"' for v in metrics) if metrics else ("-", "-")
    with open(os.path.join(s.workdir, "scale.reg"), "w", encoding="utf-16") as f:
        f.write(f'Windows Registry Editor Version 5.00\n\n[{DESKTOP}]\n"LogPixels"=dword:{dpi:08x}'
                f'\n\n[{METRICS}]\n"CaptionHeight"={caption}\n"MenuHeight"={menu}\n{settings}')
    s.wine.reg("import", "scale.reg", cwd=s.workdir)
    s.wine.kill_server()


def check_settings(s, app, left, top, dpi):
    """The Settings dialog: the check box clear of its painted label, Ok and Cancel inside."""
    app.display.move_cursor(left + scaled(25, dpi), top - scaled(9, dpi))
    app.display.xdotool("click", "1")
    f = wait_for(lambda: (lambda f: "settings" in f and f)(app.probe()), 10, "the Settings dialog")
    cl, ct, cr, _ = f["settings_client"]
    box, w = f["settings_501"], cr - cl
    shot = s.display.screenshot(os.path.join(s.workdir, f"settings{dpi}.png"))
    grey = subprocess.run(["convert", shot, "-crop", f"{w}x{scaled(16, dpi)}+{cl}+"
                           f"{ct + scaled(22, dpi)}", "+repage", "-depth", "8", "gray:-"],
                          capture_output=True, check=True, timeout=60).stdout
    dark = [i % w for i, v in enumerate(grey) if v < 60 and not box[0] <= cl + i % w <= box[2]]
    label = min(dark, default=-1)
    check(box[2] - cl < label and abs(label - scaled(39, dpi)) <= scaled(3, dpi),
          "the label at its scaled place, clear of the check box", scaled(39, dpi), (label, box))
    for b in (f["settings_1"], f["settings_2"]):
        check(all(map(int.__le__, f["settings"][:2] + b[2:], b[:2] + f["settings"][2:])),
              "the button inside the dialog", f["settings"], b)
    app.key("Escape")
    wait_for(lambda: "settings" not in app.probe(), 10, "the Settings dialog to close")


def one_scale(s, dpi, metrics, reference):
    log("LogPixels", dpi, "window metrics", metrics)
    # Grey setting 3, tracking on, outlines off: over objects in all four corners their popup covers
    # the whole screen, and wine without a window manager stalls two seconds in hiding such a window.
    values = dict(saved(800, 300, 224, 242, 3, 20, 70, 1, 1), UkazatObjekty=dword(0))
    set_scale(s, dpi, metrics, f"\n[-{KEY}]\n\n[{KEY}]\n" +
              "".join(f'"{n}"={reg_data(*v)}\n' for n, v in values.items()))
    app = s.start()
    facts = app.probe()
    left, top, right, bottom = facts["client"]
    check_equal((right - left, bottom - top), tuple(scaled(v, dpi) for v in FACE),
                "the client area is the face at the scale")
    x0, y0, x1, y1 = facts["window"]
    check(0 <= x0 and 0 <= y0 and x1 <= 1920 and y1 <= 1080, "the window on the screen")
    shot = s.display.screenshot(os.path.join(s.workdir, f"face{dpi}-{bool(metrics)}.png"))
    found = boxes(shot, left, top, right - left, bottom - top)
    reference[:] = reference or found
    want = [tuple(scaled(v, dpi) for v in b) for b in reference]
    check(len(found) == len(want) and all(map(near, found, want)),
          "the face's boxes at their 96-DPI places times the scale", want, found)
    centres = [((l + r) // 2, (t + b) // 2) for l, t, r, b in CORNERS]
    if not metrics:
        check_equal(app.search(), b"".join(b"%d,%d\r\n" % c for c in centres), "Stredy.txt")
        for c in centres:
            check_equal(app.tab(), c, "TAB puts the cursor on the centre")
    if dpi == 144:
        check_settings(s, app, left, top, dpi)
    app.close_with("Escape")
    if dpi == 144:
        check_equal(s.wine.values()["WindowSize"], dword(pack(x1 - x0, y1 - y0)), "WindowSize")


def scales(s):
    s.show("corners", [((100, 100, 100), box) for box in CORNERS])
    out = s.wine.run(["reg", "query", METRICS]).stdout
    own = re.findall(r"^\s*(?:CaptionHeight|MenuHeight)\s+REG_SZ\s+(\S+)", out, re.M)
    reference = []
    try:
        for dpi, metrics in SCALES:
            one_scale(s, dpi, metrics, reference)
    finally:
        set_scale(s, 96, own if len(own) == 2 else None)


if __name__ == "__main__":
    sys.exit(main({"dpi_scales": (scales, (1920, 1080))}, __doc__))
