#!/usr/bin/env python3
"""End-to-end scenarios of the program as tables of steps, played by one driver on one Xvfb and wine."""

import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (HEIGHT, LOW, REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ, VALUE_NAMES, WINE,  # noqa: E402
                     WIDTH, Failure, check, check_equal, check_mode, dword, log, main, pack, saved,
                     stop_process, store, wait_for)

GREY = (20, 20, 20)  # in the band of grey setting 0 (0..31)
# Screen A; the window stands at the centred position of a 1920 x 1080 desktop (848, 411, 224 x 242).
SCREEN_A = [
    (GREY, (100, 100, 139, 129)), (GREY, (1500, 120, 1559, 179)),  # a 40 x 30, b 60 x 60
    (GREY, (780, 450, 879, 489)), (GREY, (1040, 520, 1119, 559)),  # f, g: cut by the window
    (GREY, (900, 560, 959, 619)), (GREY, (400, 600, 414, 614)),  # h under the window, d 15 x 15
    (GREY, (1000, 800, 1039, 839)), ((30, 90, 150), (1010, 810, 1029, 829)),  # c: 75 % filled
    ((70, 70, 70), (300, 900, 329, 929)), ((20, 20, 21), (1700, 700, 1729, 729))]  # e band 2; no grey
A, B, F, G, D, C, E = (119, 114), (1529, 149), (813, 469), (1096, 539), (407, 607), (1019, 819), (314, 914)
DEFAULT = [A, B, F, G, C]


def value(v):
    """Table shorthand: a number is a DWORD, a pair of numbers two packed words, bytes binary."""
    if isinstance(v, int):
        return dword(v)
    if isinstance(v, bytes):
        return (REG_BINARY, v)
    return v if isinstance(v[1], bytes) else dword(pack(*v))


def expect_saved(s, app, expected, exact=False):
    got = s.wine.values()
    check(got is not None, "the program's key exists")
    want = {n: value(v) for n, v in expected.items()}
    check_equal({n: got.get(n) for n in (got if exact else want)}, want, "values in the registry")


def once(s, app):
    """Each value written exactly once at the close, with its type and size (wine's registry trace)."""
    with open(app.stderr_path, errors="replace") as f:
        writes = re.findall(r'NtSetValueKey \([^,]*,L"([^"]*)",(\d+),[^,]*,(\d+)\)', f.read())
    check_equal({n: [(int(t), int(z)) for m, t, z in writes if m == n] for n in VALUE_NAMES},
                {n: [(REG_BINARY, 1) if n == "InfoKurzor" else (REG_DWORD, 4)] for n in VALUE_NAMES},
                "registry writes at the close")


def close(s, app, how):
    """Closes by a key, the close box, or the minimize box and then the taskbar's Close."""
    if how not in ("box", "minimised"):
        return app.close_with(how)
    x, y, w, _ = app.geometry()
    s.display.click(x + w - (14 if how == "box" else 42), y + 12)
    if how == "minimised":
        wait_for(lambda: app.probe()["style"] & 0x20000000, 20, "the window to be minimised")
        app.probe("close")
    check_equal(app.wait_exit(), 0, "exit code")


def no_jump(s, app, points):
    """A TAB with nothing found leaves the cursor; the search after it shows it was handled."""
    park = app.park()
    app.key("Tab")
    OPS["find"](s, app, points)
    check_equal(s.display.cursor(), park, "cursor after a TAB with nothing found")


OPS = {
    "screen": lambda s, app, name, shapes: s.show(name, shapes, verify=not app or app.proc.poll() is not None),
    "store": lambda s, app, changes: store(s, **{n: None if v is None else value(v) for n, v in changes.items()}),
    "key": lambda s, app, values: s.wine.set_values(values and {n: value(v) for n, v in values.items()}),
    "start": lambda s, app, *a: s.start(*a),
    "keys": lambda s, app, keys: app.key(*keys.split()),
    "find": lambda s, app, points: check_equal(app.search(), b"".join(b"%d,%d\r\n" % p for p in points),
                                               "Stredy.txt"),
    "tabs": lambda s, app, points: check_equal([app.tab(120) for _ in points], points, "cursor after TABs"),
    "no_jump": no_jump,
    "at": lambda s, app, *rect: check_equal(app.geometry()[:len(rect)], rect, "window rectangle"),
    "mode": lambda s, app, *a: check_mode(app, *a),
    "move": lambda s, app, x, y: (s.display.xdotool("windowmove", "--sync", app.window, x, y), wait_for(
        lambda: app.probe()["window"][:2] == (x, y), 20, f"the window at {x, y}")),
    "click": lambda s, app, dx, dy: s.display.click(app.geometry()[0] + dx, app.geometry()[1] + dy),
    "close": close,
    "saved": expect_saved,
    "once": once,
    "no_file": lambda s, app: check(not os.path.exists(app.centre_file), "no Stredy.txt before a search"),
    # Stredy.txt a directory: it cannot be written.
    "unwritable": lambda s, app: (os.makedirs(os.path.join(s.workdir, "blocked", "Stredy.txt")),
                                  s.start(workdir=os.path.join(s.workdir, "blocked"))),
    "untouched": lambda s, app: check(os.path.isdir(app.centre_file), "the directory Stredy.txt is left"),
}


def play(steps):
    """A scenario playing the table of steps (operation, arguments...) on one session."""
    def scenario(s):
        for n, (op, *args) in enumerate(steps):
            log("step", n, op)
            try:
                OPS[op](s, s.apps[-1] if s.apps else None, *args)
            except Failure as failure:
                raise Failure(f"step {n} {op} {args}: {failure}") from None
    return scenario


SEARCH = [
    ("screen", "a", SCREEN_A), ("store", {}), ("start",), ("at", 848, 411, WIDTH, LOW),
    ("no_jump", DEFAULT),  # f and g cut by the window, h under it, d small, e another band
    ("tabs", DEFAULT + [A, B]), ("click", 100, 150), ("tabs", [F]),  # a click keeps the results
    ("keys", "Up Right"), ("tabs", [G, G]),  # row 1 wraps to row 4: object 4 each time
    ("keys", "Right Right Right"), ("tabs", [C]), ("keys", "Left " * 6), ("tabs", [A]),
    ("keys", "Right Right Down"), ("tabs", [G, C]),  # off row 4 TAB advances again
    ("find", DEFAULT), ("tabs", [C, A]),  # the first TAB after a search goes to the kept object
    ("keys", "Tab Tab Tab"), ("tabs", [C]), ("keys", "Down Down Right Right"), ("find", [A, B, F, G]),
    ("tabs", [G]),  # fill 80 %: c (75 %) is out, the current object 5 becomes 4
    ("keys", "Left"), ("find", DEFAULT), ("keys", "Up Left"), ("find", [A, B, F, G, D, C]),  # size 15
    ("keys", "Up Right Right"), ("find", [E]), ("keys", "Up"), ("screen", "empty", []),
    ("find", []), ("no_jump", []), ("keys", "Left"),  # row 4 became row 2 when nothing was found
    ("close", "Escape"), ("saved", saved(848, 411, WIDTH, LOW, 2, 10, 75, 2, 0)),
    ("screen", "a", SCREEN_A), ("unwritable",), ("keys", "Up Left Left Return"),
    ("tabs", [A, B, F, G, D]), ("untouched",), ("close", "Escape"),  # the loaded size 10 admits d
]


# On a 1024 x 768 desktop the first start centres the window at (400, 255).
HOME = (100, 100)
PLACEMENT = [
    ("key", None), ("start", True), ("saved", {}, True), ("mode", 400, 255, False), ("no_file",),
    ("keys", "Right"), ("close", "Escape"), ("once",),
    ("saved", saved(400, 255, WIDTH, LOW, 1, 20, 70, 1, 0), True),
    # Size up to one step past width - 100; a saved row 4 is row 2; fill past 100 off its steps.
    ("store", dict(WindowPos=HOME, VelkostObjektu=900, percento_vyplne=97, Volba=4)), ("start",),
    ("keys", "Right Right Right Down Right Right"), ("close", "Escape"),
    ("saved", dict(VelkostObjektu=950, percento_vyplne=102, Volba=3)),
    ("store", dict(WindowPos=HOME)), ("start", True), ("keys", "Left" + " Right" * 9 + " Down" + " Right" * 7
                                                       + " Down" + " Right" * 7),
    ("close", "box"), ("once",), ("saved", dict(StupneSedi=7, VelkostObjektu=60, percento_vyplne=100, Volba=3)),
    ("start", True), ("keys", "Left " * 20 + "Up Left Left Up" + " Left" * 8), ("close", "alt+k"), ("once",),
    ("saved", dict(StupneSedi=0, VelkostObjektu=45, percento_vyplne=5, Volba=1)),  # loaded, then lowered
    ("store", dict(WindowPos=HOME, InfoKurzor=b"\x01")), ("start",), ("mode", *HOME, True),
    ("move", -30, -25), ("close", "Escape"), ("saved", saved(0, 0, WIDTH, HEIGHT, 0, 20, 70, 1, 1)),
    ("store", dict(WindowPos=(500, 300), WindowSize=(111, 222))), ("start",), ("close", "minimised"),
    ("saved", dict(WindowPos=(500, 300), WindowSize=(111, 222), WindowShow=2)),
    ("store", dict(WindowPos=(1024, 100))), ("start",), ("at", 400, 255), ("close", "Escape"),
    ("store", dict(WindowPos=(900, 700))), ("start",), ("at", 900, 700), ("close", "Escape"),
    ("saved", dict(WindowPos=(800, 526))),  # partly off the desktop: pulled on at the close
    ("key", {}), ("start",), ("mode", 0, 0, False), ("close", "Escape"),
    ("saved", saved(0, 0, WIDTH, LOW, 0, 20, 70, 1, 0)),
    ("store", dict(WindowPos=(REG_BINARY, bytes.fromhex("c800960000000000")), WindowSize=None, WindowShow=None,
                   StupneSedi=(REG_QWORD, (2).to_bytes(8, "little")), VelkostObjektu=(REG_SZ, b"1234567"),
                   percento_vyplne=b"\x50\x00", Volba=b"\x02", InfoKurzor=1)),
    ("start",), ("mode", 0, 0, True), ("keys", "Right"), ("close", "Escape"),  # row 2: size 20 -> 25
    ("saved", saved(0, 0, WIDTH, HEIGHT, 0, 25, 80, 2, 1)),
    ("screen", "one", [(GREY, (100, 400, 139, 429))]),  # grey 200: 32 * 200 wraps to band 0; fill 0
    ("store", dict(WindowPos=HOME, StupneSedi=200, percento_vyplne=0, Volba=9)), ("start",),
    ("find", [(119, 414)]), ("keys", "Down"), ("close", "Escape"), ("saved", dict(Volba=1)),
]

def pixel(x, y, h, salt):
    """Top quarter: every grey level in columns, with its six one-level-off near-greys between; then
    pure red, green, blue and mixtures; then colours that tell the three channels apart."""
    if y < h // 4:
        g, up, down = (x + salt) % 256, (x + salt + 1) % 256, (x + salt - 1) % 256
        return [(g, g, g), (g, g, up), (g, g, down), (up, g, g), (down, g, g), (g, up, g),
                (g, down, g)][(y // 2 + salt) % 7]
    if y < h // 4 + 8:
        return [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (0, 255, 255), (255, 0, 255),
                (1, 0, 0), (0, 0, 1)][(x // 8 + salt) % 8]
    return (x * 7 + y * 3 + salt * 31) & 255, (x * 13 ^ y * 5 ^ salt) & 255, (x + y * 11 + salt * 57) & 255


def checkers(s):
    """The manifest; inside wine the drawing primitives, one process's copies of two screens, the mouse."""
    with open(s.exe, "rb") as f:
        exe = f.read()  # the manifest lies in the program as it is written
    check(exe.count(b'processorArchitecture="amd64"') == 2 and b'"Microsoft.Windows.Common-Controls"' in exe,
          "the manifest names amd64 for the program and common controls 6")
    check(b'<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' in exe, "the manifest asks for asInvoker")
    w, h = s.display.width, s.display.height
    for salt in (0, 101):
        with open(os.path.join(s.workdir, f"s{salt}.rgb"), "wb") as f:
            f.write(bytes(c for y in range(h) for x in range(w) for c in pixel(x, y, h, salt)))
        subprocess.run(["convert", "-size", f"{w}x{h}", "-depth", "8", f"rgb:s{salt}.rgb", f"PNG24:s{salt}.png"],
                       cwd=s.workdir, check=True, timeout=60)
    s.display.show(os.path.join(s.workdir, "s0.png"))
    checker = subprocess.Popen([WINE, os.path.join(os.path.dirname(s.probe), "zornavit_e2e_kontrola.exe"),
                                "manifest=Z:" + s.exe, "s0.rgb",
                                "s101.rgb"], cwd=s.workdir, env=s.wine.env(), stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, text=True, start_new_session=True)
    try:
        out = ""
        while (line := checker.stdout.readline()) and line.strip() != "next":
            out += line
        s.display.show(os.path.join(s.workdir, "s101.png"))  # the same process copies it next
        out += checker.communicate("go\n", timeout=300)[0]
        log(out.strip())
        check_equal(out.split()[-2:], ["OK", "0"], "the checker's verdict")
    finally:
        stop_process(checker)


SCENARIOS = {"search": (play(SEARCH), (1920, 1080)), "placement": (play(PLACEMENT), (1024, 768)),
             "checkers": (checkers, (640, 480))}

if __name__ == "__main__":
    import tvar  # noqa: E402
    SCENARIOS.update(tvar.SCENARIOS)
    sys.exit(main(SCENARIOS, __doc__))
