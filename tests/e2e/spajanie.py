#!/usr/bin/env python3
"""End-to-end: the grouping chosen in the Settings dialog changes what ENTER finds and is saved."""

import os
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import Failure, check_equal, dword, log, main, store, wait_for  # noqa: E402

BG, GREY = (30, 90, 150), (20, 20, 20)  # GREY is in the band of grey setting 0
# A panel with two buttons, each inside a 1-px border of another colour; two squares meeting at a
# corner. All of it left of and above the window (848, 411).
SHAPES = [(GREY, (200, 200, 499, 399)),
          (BG, (250, 250, 329, 329)), (GREY, (251, 251, 328, 328)),
          (BG, (370, 250, 449, 329)), (GREY, (371, 251, 448, 328)),
          (GREY, (600, 200, 629, 229)), (GREY, (630, 230, 659, 259))]
PANEL, SQUARES, BUTTONS = [(349, 299)], [(614, 214), (644, 244)], [(289, 289), (409, 289)]
# Per step: the radio button clicked (none: as loaded), the button that closes the dialog, the
# centres ENTER then finds. By rows the panel swallows the buttons; touching along a side finds
# them; touching at a corner too joins the squares into one half-filled object (fill 70 rejects it).
STEPS = [(None, None, PANEL + SQUARES),
         (512, 1, PANEL + SQUARES + BUTTONS),
         (513, 2, PANEL + SQUARES + BUTTONS),
         (513, 1, PANEL + BUTTONS)]


def click(s, rect):
    s.display.move_cursor((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    s.display.xdotool("click", "1")


def facts(app):
    """The probe's facts; empty when a run of it came back without them (wine busy)."""
    try:
        return app.probe()
    except Failure:
        return {}


def grouping_dialog(s):
    """Ok applies the radio button chosen, Cancel does not; the close saves the grouping."""
    s.show("grouping", SHAPES)
    store(s)
    app = s.start()
    for radio, button, found in STEPS:
        if radio:
            log(f"Settings: radio {radio}, then button {button}")
            app.key("alt+n")
            dialog = wait_for(lambda: (lambda f: f if f"settings_{radio}" in f else None)(facts(app)),
                              20, "the Settings dialog")
            click(s, dialog[f"settings_{radio}"])
            click(s, dialog[f"settings_{button}"])
            wait_for(lambda: (lambda f: f and "settings" not in f)(facts(app)), 20,
                     "the dialog to close")
            wait_for(lambda: not s.display.windows("^ Nastavenia$"), 20, "its X window to go")
        check_equal(app.search(), b"".join(b"%d,%d\r\n" % p for p in found), f"Stredy.txt after radio {radio}, button {button}")
    app.close_with("Escape")
    check_equal(s.wine.values().get("Spajanie"), dword(8), "the grouping saved at the close")


if __name__ == "__main__":
    sys.exit(main({"grouping_dialog": (grouping_dialog, (1920, 1080))}, __doc__))
