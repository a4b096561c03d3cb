#!/usr/bin/env python3
"""The program at several display scales: the face whole and proportional, the search and TAB in
physical pixels, the outer size made from the face, and the Settings dialog scaled."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (REG_BINARY, check, check_equal, dword, log, main, pack,  # noqa: E402
                     store, wait_for)

DESKTOP = r"HKCU\Control Panel\Desktop"
METRICS = DESKTOP + r"\WindowMetrics"
FACE = (214, 211)  # the face's client size in 96-DPI units, readout strip included
# LogPixels, and Windows 10's title-bar and menu heights (23 and 20 pixels, in twips) or wine's own.
SCALES = [(96, None), (120, None), (144, None), (192, None), (96, ("-345", "-300"))]
# Colours of the face's boxes: key caps, value boxes (plain and selected), status box, readout.
BOXES = {(0, 190, 255): 0, (150, 200, 255): 0, (180, 180, 180): 1, (205, 205, 205): 1,
         (255, 230, 255): 1, (255, 255, 140): 1, (160, 210, 210): 2, (230, 240, 240): 2,
         (145, 145, 145): 3, (170, 170, 170): 3}
GREY = (100, 100, 100)  # in the band of grey setting 3
CORNERS = [(3, 2, 42, 31), (1880, 5, 1916, 44), (0, 1040, 29, 1079), (1890, 1050, 1919, 1079)]
WINDOW = (800, 300)


def scaled(value, dpi):
    return int(value * dpi / 96 + 0.5)


def boxes(path, box):
    """Bounding boxes (client coordinates, inclusive) of the face's boxes found in the picture,
    each one connected patch of one colour group, in reading order."""
    x0, y0, w, h = box
    data = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x0}+{y0}", "+repage", "-depth",
                           "8", "rgb:-"], capture_output=True, check=True, timeout=60).stdout
    group = [BOXES.get(tuple(data[i:i + 3]), -1) for i in range(0, len(data), 3)]
    seen, found = [False] * len(group), []
    for start, g in enumerate(group):
        if g < 0 or seen[start]:
            continue
        seen[start], stack, xs, ys = True, [start], [], []
        while stack:
            i = stack.pop()
            xs.append(i % w)
            ys.append(i // w)
            for j in (i - 1, i + 1, i - w, i + w):
                if 0 <= j < len(group) and not seen[j] and group[j] == g and abs(j % w - i % w) <= 1:
                    seen[j] = True
                    stack.append(j)
        if min(max(xs) - min(xs), max(ys) - min(ys)) >= 12:  # not a hole in a digit
            found.append((min(xs), min(ys), max(xs), max(ys)))
    return sorted(found, key=lambda b: (b[1] // 4, b[0]))


def near(box, want):
    """Within 2 pixels; a box around a text may be wider or narrower by 5 % as well, since text
    widths do not grow exactly with the font."""
    size = [box[2] - box[0] - want[2] + want[0], box[3] - box[1] - want[3] + want[1]]
    return (abs(box[0] - want[0]) <= 2 and abs(box[1] - want[1]) <= 2 and
            all(abs(d) <= max(2, (want[i + 2] - want[i]) // 20) for i, d in enumerate(size)))


def set_scale(s, dpi, metrics):
    """LogPixels and the two heights (None deletes them) in one wine start, then a fresh server."""
    caption, menu = (f'"{v}"' for v in metrics) if metrics else ("-", "-")
    text = (f'Windows Registry Editor Version 5.00\n\n[{DESKTOP}]\n"LogPixels"=dword:{dpi:08x}\n\n'
            f'[{METRICS}]\n"CaptionHeight"={caption}\n"MenuHeight"={menu}\n')
    path = os.path.join(s.workdir, "scale.reg")
    with open(path, "w", encoding="utf-16") as f:
        f.write(text.replace("HKCU", "HKEY_CURRENT_USER"))
    s.wine.reg("import", "scale.reg", cwd=s.workdir)
    s.wine.kill_server()


def check_settings(s, app, facts, dpi):
    """The Settings dialog from the menu bar: its check box clear of the painted label, Ok and
    Cancel inside the dialog."""
    left, top = facts["client"][:2]
    app.display.move_cursor(left + scaled(25, dpi), top - scaled(9, dpi))
    app.display.xdotool("click", "1")
    f = wait_for(lambda: (lambda f: f if "settings_client" in f else None)(app.probe()), 10,
                 "the Settings dialog")
    cl, ct, cr, cb = f["settings_client"]
    box = f["settings_501"]
    shot = s.display.screenshot(os.path.join(s.workdir, f"settings{dpi}.png"))
    data = subprocess.run(["convert", shot, "-crop", f"{cr - cl}x{scaled(16, dpi)}+{cl}+"
                           f"{ct + scaled(22, dpi)}", "+repage", "-depth", "8", "gray:-"],
                          capture_output=True, check=True, timeout=60).stdout
    columns = [i % (cr - cl) for i, v in enumerate(data) if v < 60 and i % (cr - cl) > box[2] - cl]
    label = min(columns, default=-1)
    check(abs(label - scaled(39, dpi)) <= scaled(3, dpi), "the label at its scaled place",
          scaled(39, dpi), label)
    check(box[2] - cl <= label, "the check box clear of its label", label, box)
    for button in (f["settings_1"], f["settings_2"]):
        check(f["settings"][0] <= button[0] and button[2] <= f["settings"][2] and
              f["settings"][1] <= button[1] and button[3] <= f["settings"][3],
              "the button inside the dialog", f["settings"], button)
    app.key("Escape")
    wait_for(lambda: "settings" not in app.probe(), 10, "the Settings dialog to close")


def one_scale(s, dpi, metrics, reference):
    log("LogPixels", dpi, "window metrics", metrics)
    set_scale(s, dpi, metrics)
    store(s, WindowPos=dword(pack(*WINDOW)), StupneSedi=dword(3),
          InfoKurzor=(REG_BINARY, b"\x01"))
    app = s.start()
    facts = app.probe()
    left, top, right, bottom = facts["client"]
    check_equal((right - left, bottom - top), tuple(scaled(v, dpi) for v in FACE),
                "the client area is the face at the scale")
    x0, y0, x1, y1 = facts["window"]
    check(0 <= x0 and 0 <= y0 and x1 <= 1920 and y1 <= 1080, "the window on the screen")
    shot = s.display.screenshot(os.path.join(s.workdir, f"face{dpi}.png"))
    found = boxes(shot, (left, top, right - left, bottom - top))
    if dpi == 96 and not metrics:
        reference[:] = found
    want = [tuple(scaled(v, dpi) for v in b) for b in reference]
    check(len(found) == len(want) and all(near(f, w) for f, w in zip(found, want)),
          "the face's boxes at their 96-DPI places times the scale", want, found)
    centres = [((l + r) // 2, (t + b) // 2) for l, t, r, b in CORNERS]
    check_equal(app.search(), b"".join(b"%d,%d\r\n" % c for c in centres), "Stredy.txt")
    for c in centres:
        check_equal(app.tab(), c, "TAB puts the cursor on the centre")
    if dpi == 144:
        check_settings(s, app, facts, dpi)
    app.close_with("Escape")
    w, h = x1 - x0, y1 - y0
    check_equal(s.wine.values()["WindowSize"], dword(pack(w, h)), "WindowSize saved as it is")


def heights(s):
    """The prefix's own caption and menu heights, to be put back."""
    out = s.wine.run(["reg", "query", METRICS]).stdout
    found = dict(re.findall(r"^\s*(CaptionHeight|MenuHeight)\s+REG_SZ\s+(\S+)", out, re.M))
    return (found["CaptionHeight"], found["MenuHeight"]) if len(found) == 2 else None


def scales(s):
    s.show("corners", [(GREY, box) for box in CORNERS])
    reference, own = [], heights(s)
    try:
        for dpi, metrics in SCALES:
            one_scale(s, dpi, metrics, reference)
    finally:
        set_scale(s, 96, own)


if __name__ == "__main__":
    sys.exit(main({"dpi_scales": (scales, (1920, 1080))}, __doc__))
