#!/usr/bin/env python3
"""End-to-end scenarios of the program: one per CTest test, each on its own Xvfb with the shared prefix."""

import os
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (HEIGHT, LOW, REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ, VALUE_NAMES,  # noqa: E402
                     WIDTH, check, check_equal, check_mode, dword, log, main, pack, saved, store,
                     wait_for)

BG = (30, 90, 150)        # not grey: never part of an object
GREY = (20, 20, 20)       # in the band of grey setting 0 (0..31)
GREY70 = (70, 70, 70)     # in the band of grey setting 2 (64..95)

# Screen A, with the window at the centred position of a 1920 x 1080 desktop (848, 411, 224 x 242).
SCREEN_A = [
    (GREY, (100, 100, 139, 129)),       # a: 40 x 30
    (GREY, (1500, 120, 1559, 179)),     # b: 60 x 60
    (GREY, (780, 450, 879, 489)),       # f: its columns from 848 on lie under the window
    (GREY, (1040, 520, 1119, 559)),     # g: its columns up to 1072 (the window's right edge) too
    (GREY, (900, 560, 959, 619)),       # h: wholly under the window
    (GREY, (400, 600, 414, 614)),       # d: 15 x 15, below the default minimum size 20
    (GREY, (1000, 800, 1039, 839)),     # c: 40 x 40 with a 20 x 20 hole: 75 % filled
    (BG, (1010, 810, 1029, 829)),
    (GREY70, (300, 900, 329, 929)),     # e: another grey band
    ((20, 20, 21), (1700, 700, 1729, 729)),  # not grey at all
]
A, B, F, G, D, C, E = (119, 114), (1529, 149), (813, 469), (1096, 539), (407, 607), (1019, 819), (314, 914)
DEFAULT = [A, B, F, G, C]

def lines(points):
    return b"".join(b"%d,%d\r\n" % p for p in points)


def centred(width, height):
    # Integer halves, truncated, as the program centres its window on the first start.
    return width // 2 - WIDTH // 2, height // 2 - HEIGHT // 2


def check_values(session, expected, what):
    got = session.wine.values()
    check(got is not None, f"{what}: the key exists")
    for name in VALUE_NAMES:
        if name in expected:
            check_equal(got.get(name), expected[name], f"{what}: value {name} (type, data)")
    return got


# ---------------------------------------------------------------- scenarios

def first_start(s):
    """No key: the key is created empty, the window is centred, row 1 is selected, ESC saves."""
    w, h = s.display.width, s.display.height
    x, y = centred(w, h)
    s.wine.set_values(None)
    app = s.start()
    check_equal(s.wine.values(), {}, "the key right after the first start (created, no values)")
    check_mode(app, x, y, tracking=False)
    check(not os.path.exists(app.centre_file), "no Stredy.txt before a search")
    app.key("Right")  # row 1 is selected: the grey setting goes from 0 to 1
    app.close_with("Escape")
    got = check_values(s, saved(x, y, WIDTH, LOW, 1, 20, 70, 1, 0), "after ESC")
    check_equal(sorted(got), sorted(VALUE_NAMES), "the names of the values saved")

    # The upper bound of the size ladder follows the desktop's width: one step past width - 100.
    size, stop = {1920: (1800, 1900), 1024: (900, 950)}[w]
    store(s, VelkostObjektu=dword(size), Volba=dword(2))
    app = s.start()
    app.key("Right", "Right", "Right", "Down", *["Left"] * 14, "Down")
    app.close_with("Escape")
    check_values(s, {"VelkostObjektu": dword(stop), "percento_vyplne": dword(5), "Volba": dword(1)},
                 f"RIGHT from {size} on a {w} wide desktop, fill down to its bound, DOWN from row 3")


def enter_search(s):
    """ENTER writes exactly the centres it finds; the settings change what it finds; a restart
    loads them."""
    s.show("screen-a", SCREEN_A)
    store(s)
    app = s.start()
    check_equal(app.geometry(), (848, 411, WIDTH, LOW), "window rectangle")
    check_equal(app.search(), lines(DEFAULT), "Stredy.txt, default settings (f and g cut by the "
                "window, h under it, d too small, e in another band)")
    app.key("Down", "Down", "Right")
    check_equal(app.search(), lines(DEFAULT), "Stredy.txt, fill 75 %")
    app.key("Right")
    check_equal(app.search(), lines([A, B, F, G]), "Stredy.txt, fill 80 % (c is 75 % filled)")
    app.key("Left", "Left", "Up", "Left")
    check_equal(app.search(), lines([A, B, F, G, D, C]), "Stredy.txt, minimum size 15")
    app.key("Up", "Right", "Right")
    check_equal(app.search(), lines([E]), "Stredy.txt, grey setting 2 (band 64..95)")
    app.key("Right")
    check_equal(app.search(), b"", "Stredy.txt after a search that finds nothing")
    app.close_with("Escape")
    check_values(s, saved(848, 411, WIDTH, LOW, 3, 15, 70, 1, 0), "saved after the searches")

    app = s.start()
    check_equal(app.search(), b"", "after a restart: the loaded grey setting 3 finds nothing")
    app.key("Left", "Left", "Left")
    check_equal(app.search(), lines([A, B, F, G, D, C]),
                "after a restart: grey setting 0 with the loaded minimum size 15")
    app.key("Up")  # row 4, offered now that objects were found
    s.show("empty", [], verify=False)
    check_equal(app.search(), b"", "Stredy.txt once the objects are gone")
    app.key("Right")  # row 4 became row 2: the size goes from 15 to 20
    app.close_with("Escape")
    check_values(s, {"VelkostObjektu": dword(20), "Volba": dword(2)},
                 "a search finding nothing moves row 4 to row 2")


def tab_jumps(s):
    """TAB visits the centres in order and wraps; row 4 picks the object; TAB before a search or
    after an empty one does nothing."""
    s.show("screen-a", SCREEN_A)
    store(s)
    app = s.start()
    park = app.park()
    app.key("Tab")
    check_equal(app.search(), lines(DEFAULT), "Stredy.txt")
    check_equal(s.display.cursor(), park, "cursor after a TAB before any search")

    check_equal([app.tab() for _ in range(7)], DEFAULT + [A, B],
                "cursor after each TAB: every centre in order, then from the first again")
    x, y, _, _ = app.geometry()
    s.display.xdotool("mousemove", "--sync", x + 100, y + 150, "click", "1")  # clears the status line
    check_equal(app.tab(), F, "TAB after a left click in the window goes on")

    app.key("Up", "Right")  # row 1 wraps to row 4 once objects were found; object 3 -> 4
    check_equal([app.tab(), app.tab()], [G, G], "row 4 object 4: every TAB goes there")
    app.key("Right", "Right", "Right")
    check_equal(app.tab(), C, "row 4: RIGHT stops at the last object")
    app.key(*["Left"] * 6)
    check_equal(app.tab(), A, "row 4: LEFT stops at object 1")
    app.key("Right", "Right", "Down")  # object 3, then row 4 wraps to row 1
    check_equal([app.tab(), app.tab()], [G, C], "off row 4, TAB advances again")

    check_equal(app.search(), lines(DEFAULT), "Stredy.txt of a repeated search")
    check_equal([app.tab(), app.tab()], [C, A],
                "first TAB after a search goes to the kept object 5, the next one wraps")
    app.key("Tab", "Tab", "Tab")  # objects 2, 3, 4
    check_equal(app.tab(), C, "object 5 again")
    app.key("Down", "Down", "Right", "Right")  # fill 80 %: four objects remain
    check_equal(app.search(), lines([A, B, F, G]), "Stredy.txt with fill 80 %")
    check_equal(app.tab(), G, "object 5 became 4, the last one, after a search finding 4")

    app.key("Up", "Up", "Right", "Right", "Right")  # grey setting 3: nothing on the screen
    check_equal(app.search(), b"", "Stredy.txt of a search that finds nothing")
    park = app.park()
    app.key("Tab")
    app.search()  # handled after the TAB
    check_equal(s.display.cursor(), park, "cursor after a TAB when nothing was found")
    app.close_with("Escape")


def settings_ladder(s):
    """The keys move the settings along the size ladder and within their bounds; the values reach
    the registry at the close; a restart loads them; a saved row 4 comes back as row 2."""
    runs = [
        ("from the start values to the upper bounds", {},
         ["Left"] + ["Right"] * 9 + ["Down"] + ["Right"] * 7 + ["Down"] + ["Right"] * 7,
         dict(StupneSedi=7, VelkostObjektu=60, percento_vyplne=100, Volba=3)),
        ("from what the previous close saved to the lower bounds", None,
         ["Left"] * 20 + ["Up", "Left", "Left", "Up"] + ["Left"] * 8,
         dict(StupneSedi=0, VelkostObjektu=45, percento_vyplne=5, Volba=1)),
        ("a saved row 4 is row 2; fill past 100 off its steps",
         dict(VelkostObjektu=11, percento_vyplne=97, Volba=4), ["Left", "Down", "Right", "Right"],
         dict(VelkostObjektu=10, percento_vyplne=102, Volba=3)),
    ]
    for what, stored, keys, expected in runs:
        log("run:", what)
        if stored is not None:
            store(s, **{k: dword(v) for k, v in stored.items()})
        app = s.start()
        app.key(*keys)
        app.close_with("Escape")
        check_values(s, {k: dword(v) for k, v in expected.items()}, what)


def window_placement(s):
    """The shape saved tracking opens, the placement saved when minimised or moved past the corner,
    and stored positions wholly or partly off the desktop."""
    log("run: tracking saved as 1 opens tall, topmost, without a minimize box")
    store(s, WindowPos=dword(pack(100, 100)), InfoKurzor=(REG_BINARY, b"\x01"))
    app = s.start()
    check_mode(app, 100, 100, tracking=True)
    app.close_with("Escape")
    check_values(s, saved(100, 100, WIDTH, HEIGHT, 0, 20, 70, 1, 1), "saved with tracking on")

    log("run: closed while minimised saves show state 2, the position and size as loaded")
    store(s, WindowPos=dword(pack(500, 300)), WindowSize=dword(pack(111, 222)))
    app = s.start()
    x, y, w, _ = app.geometry()
    s.display.xdotool("mousemove", "--sync", x + w - 42, y + 12, "click", "1")  # minimize box
    wait_for(lambda: app.probe()["style"] & 0x20000000, 20, "the window to be minimised")
    app.probe("close")
    check_equal(app.wait_exit(), 0, "exit code")
    check_values(s, {"WindowPos": dword(pack(500, 300)), "WindowSize": dword(pack(111, 222)),
                     "WindowShow": dword(2)}, "saved while minimised")

    log("run: moved past the top-left corner, saved pulled onto the desktop, its size kept")
    store(s)
    app = s.start()
    s.display.xdotool("windowmove", "--sync", app.window, -30, -25)
    wait_for(lambda: app.probe()["window"][:2] == (-30, -25), 20, "the window at (-30, -25)")
    app.close_with("Escape")
    check_values(s, {"WindowPos": dword(pack(0, 0)), "WindowSize": dword(pack(WIDTH, LOW))},
                 "saved after a move past the top-left corner")

    for what, pos, expect, keep in [
            ("a position wholly off the desktop opens centred", (3000, 2000), (848, 411), (848, 411)),
            ("a position just right of the desktop opens centred", (1920, 100), (848, 411), (848, 411)),
            ("a position partly off the desktop stays, and is pulled on at the close",
             (1800, 1000), (1800, 1000), (1920 - WIDTH, 1080 - LOW))]:
        log("run:", what)
        store(s, WindowPos=dword(pack(*pos)))
        app = s.start()
        check_equal(app.geometry()[:2], expect, what)
        app.close_with("Escape")
        check_values(s, {"WindowPos": dword(pack(*keep))}, what + ": saved position")


def bad_registry(s):
    """Missing values, data too long, other types and out-of-range settings: the program starts and
    goes on as it should."""
    s.show("screen-a", SCREEN_A)

    log("run: the key holds no values")
    s.wine.set_values({})
    app = s.start()
    check_mode(app, 0, 0, tracking=False)
    app.close_with("Escape")
    check_values(s, saved(0, 0, WIDTH, LOW, 0, 20, 70, 1, 0), "saved after a start with no values")

    log("run: data longer than 4 bytes and other types")
    store(s, WindowPos=(REG_BINARY, bytes.fromhex("c800960000000000")),  # (200, 150) in 4 bytes
          WindowSize=None, WindowShow=None,
          StupneSedi=(REG_QWORD, (2).to_bytes(8, "little")), VelkostObjektu=(REG_SZ, b"1234567"),
          percento_vyplne=(REG_BINARY, b"\x50\x00"), Volba=(REG_BINARY, b"\x02"),
          InfoKurzor=dword(1))
    app = s.start()
    check_mode(app, 0, 0, tracking=True)
    app.key("Right")  # row 2 from the one-byte binary: size 20 -> 25
    # The window at (0, 0) hides a; fill 80 % from the two-byte binary leaves out c.
    check_equal(app.search(), lines([B, (829, 469), (1079, 539), (929, 589)]), "Stredy.txt")
    app.close_with("Escape")
    check_values(s, saved(0, 0, WIDTH, HEIGHT, 0, 25, 80, 2, 1), "saved after odd types")

    log("run: settings out of range")
    stored = dict(StupneSedi=200, VelkostObjektu=20, percento_vyplne=0, Volba=9)
    store(s, **{k: dword(v) for k, v in stored.items()})
    app = s.start()
    found = app.search()
    app.key("Down")
    app.close_with("Escape")
    got = check_values(s, {}, "saved after out-of-range settings")
    ranges = dict(StupneSedi=(0, 7), VelkostObjektu=(1, 1900), percento_vyplne=(5, 100), Volba=(1, 3))
    for name, (lo, hi) in ranges.items():
        kind, data = got[name]
        value = int.from_bytes(data, "little")
        check(kind == REG_DWORD and (value == stored[name] or lo <= value <= hi),
              f"{name} saved as loaded or brought into range", f"{stored[name]} or {lo}..{hi}", value)
    grey = int.from_bytes(got["StupneSedi"][1], "little")
    if grey == 200:
        # Loaded as it is: the band's levels wrap at 256, 32 * 200 = 0 (mod 256); fill 0 % admits all.
        check_equal(found, lines(DEFAULT), "Stredy.txt with grey setting 200 and fill 0 %")
        check_equal(int.from_bytes(got["Volba"][1], "little"), 1, "DOWN from row 9 gives row 1")
        log("the out-of-range settings were loaded as they are")
    else:
        log("the program brought the out-of-range settings into range:",
            {k: int.from_bytes(got[k][1], "little") for k in ranges})


def unwritable_centre_file(s):
    """Stredy.txt cannot be written (a directory of that name): the search's result stands, TAB
    works and nothing crashes."""
    s.show("screen-a", SCREEN_A)
    store(s)
    workdir = os.path.join(s.workdir, "blocked")
    blocker = os.path.join(workdir, "Stredy.txt")
    os.makedirs(blocker)
    app = s.start(workdir=workdir)
    app.key("Return")
    check_equal(app.tab(timeout=120), A, "first TAB after the search")
    check_equal(app.tab(), B, "second TAB")
    check(os.path.isdir(blocker) and not os.listdir(blocker), "the directory Stredy.txt is untouched")
    app.close_with("Escape")
    check_values(s, saved(848, 411, WIDTH, LOW, 0, 20, 70, 1, 0), "saved at the close")


def close_once(s):
    """The close box, ESC and the menu's "&Koniec" (Alt+K) each save the eight values exactly once."""
    once = {name: [(REG_DWORD, 4)] for name in VALUE_NAMES}
    once["InfoKurzor"] = [(REG_BINARY, 1)]
    for how in ("close box", "ESC", "Alt+K"):
        log("run: close with the", how)
        store(s)
        app = s.start(trace=True)
        app.key("Right")
        if how == "close box":
            x, y, w, _ = app.geometry()
            s.display.xdotool("mousemove", "--sync", x + w - 14, y + 12, "click", "1")
            rc = app.wait_exit()
            check_equal(rc, 0, "exit code")
        else:
            app.close_with("Escape" if how == "ESC" else "alt+k")
        check_equal(app.register_writes(), once, f"registry writes when closed with the {how}")
        check_values(s, saved(848, 411, WIDTH, LOW, 1, 20, 70, 1, 0), f"saved by the {how}")


FULL_HD = (1920, 1080)
SCENARIOS = {
    "first_start": (first_start, FULL_HD),
    "first_start_1024": (first_start, (1024, 768)),
    "enter_search": (enter_search, FULL_HD),
    "tab_jumps": (tab_jumps, FULL_HD),
    "settings_ladder": (settings_ladder, FULL_HD),
    "window_placement": (window_placement, FULL_HD),
    "bad_registry": (bad_registry, FULL_HD),
    "unwritable_centre_file": (unwritable_centre_file, FULL_HD),
    "close_once": (close_once, FULL_HD),
}


if __name__ == "__main__":
    sys.exit(main(SCENARIOS, __doc__))
