"""End-to-end steps of near greys and colours: F picks the colour under the cursor, the Settings
dialog's up arrow raises the tolerance, and the scenario that plays them."""

import os

from harness import dialog_gone
from ovladac import middle, rgb, wait_for


def pick(s, app, x, y, colour):
    """F with the cursor at (x, y): the face's swatch then shows the colour (its 63 x 11 inside)."""
    s.display.move_cursor(x, y)
    app.key("f")
    left, top, right, _ = app.probe()["client"]

    def swatch():  # the pixels of the colour in the face's first row
        px = rgb(s.display.screenshot(os.path.join(app.workdir, "swatch.png")), f"{right - left}x26+{left}+{top + 10}")
        return sum(px[i:i + 3] == bytes(colour) for i in range(0, len(px), 3))
    wait_for(lambda: swatch() >= 63 * 11, 10, f"the swatch of {colour}")


def tolerance(s, app, clicks):
    """The Settings dialog's tolerance raised by its up arrow, a click at a time, then Ok."""
    app.key("alt+n")
    arrows = wait_for(lambda: app.probe().get("settings_522"), 20, "the Settings dialog")
    start = app.probe()["settings_tolerance"]
    for n in range(1, clicks + 1):  # each click seen before the next, so that none is a double click
        s.display.click((arrows[0] + arrows[2]) // 2, arrows[1] + (arrows[3] - arrows[1]) // 4)
        wait_for(lambda: app.probe()["settings_tolerance"] == start + n, 10, f"the tolerance {start + n}")
    s.display.click(*middle(app.probe()["settings_1"]))
    dialog_gone(app, "settings", "^ Nastavenia$")


OPS = (pick, tolerance)

# A colour (200, 60, 40) twice, once 6 off in green, and a grey: F over the first square searches
# the colour; the tolerance 6 from the Settings dialog takes the third square too; both saved and
# loaded; LEFT on row 1 goes back to the greys, and the colour is saved no more.
RED, NEAR_RED, GREY = (200, 60, 40), (200, 66, 40), (20, 20, 20)
R1, R2, R3, GR = (319, 319), (1429, 219), (324, 819), (1514, 814)
COLOURS = [
    ("screen", "colours", [(RED, (300, 300, 339, 339)), (RED, (1400, 200, 1459, 239)), (NEAR_RED, (300, 800, 349, 839)),
                           (GREY, (1500, 800, 1529, 829))]),
    ("store", {}), ("start",), ("find", [GR]), ("pick", 310, 310, RED), ("find", [R2, R1]), ("tolerance", 6),
    ("find", [R2, R1, R3]), ("close", "Escape"), ("saved", dict(Farba=0x283CC8, Odchylka=6)),
    ("start",), ("find", [R2, R1, R3]), ("keys", "Left"), ("find", [GR]), ("close", "Escape"),
    ("saved", dict(Odchylka=6, Farba=None)),
]
