#!/usr/bin/env python3
"""End-to-end scenarios of the program, mostly tables of steps played by one driver on one X server and wine."""

import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (HEIGHT, LOW, REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ, VALUE_NAMES, WINE,  # noqa: E402
                     WIDTH, Failure, check, check_equal, check_mode, dword, log, main, pack, rgb,
                     saved, store, wait_for)

BG, GREY = (30, 90, 150), (20, 20, 20)  # GREY is in the band of grey setting 0 (0..31)
# Screen A; the window stands at the centred position of a 1920 x 1080 desktop (848, 411, 224 x 242).
SCREEN_A = [
    (GREY, (100, 100, 139, 129)), (GREY, (1500, 120, 1559, 179)),  # a 40 x 30, b 60 x 60
    (GREY, (780, 450, 879, 489)), (GREY, (1040, 520, 1119, 559)),  # f, g: cut by the window
    (GREY, (900, 560, 959, 619)), (GREY, (400, 600, 414, 614)),  # h under the window, d 15 x 15
    (GREY, (1000, 800, 1039, 839)), (BG, (1010, 810, 1029, 829)),  # c: 75 % filled
    ((70, 70, 70), (300, 900, 329, 929)), ((20, 20, 21), (1700, 700, 1729, 729))]  # e band 2; no grey
A, B, F, G, D, C, E = (119, 114), (1529, 149), (813, 469), (1096, 539), (407, 607), (1019, 819), (314, 914)
DEFAULT = [A, B, F, G, C]


centres = lambda points: b"".join(b"%d,%d\r\n" % p for p in points)  # noqa: E731


def value(v):
    """Table shorthand: a number is a DWORD, a pair of numbers two packed words, bytes binary."""
    return dword(v) if isinstance(v, int) else (REG_BINARY, v) if isinstance(v, bytes) else v if isinstance(
        v[1], bytes) else dword(pack(*v))


def expect_saved(s, app, expected, exact=False):
    """The key's values (all with exact), or no key for None."""
    got, want = s.wine.values(), expected and {n: value(v) for n, v in expected.items()}
    check(got is not None or want is None, "the program's key exists")
    check_equal(want and {n: got.get(n) for n in (got if exact else want)}, want, "values in the registry")


def once(s, app):
    """Each value written exactly once, with its type and size (wine's registry trace)."""
    with open(app.stderr_path, errors="replace") as f:
        writes = re.findall(r'NtSetValueKey \([^,]*,L"([^"]*)",(\d+),[^,]*,(\d+)\)', f.read())
    check_equal({n: [(int(t), int(z)) for m, t, z in writes if m == n] for n in VALUE_NAMES},
                {n: [(REG_BINARY, 1) if n == "InfoKurzor" else (REG_DWORD, 4)] for n in VALUE_NAMES},
                "registry writes")


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
    app.key("Tab"), OPS["find"](s, app, points)
    check_equal(s.display.cursor(), park, "cursor after a TAB with nothing found")


def settings(s, app, *controls):
    """Opens the Settings dialog (ALT+N), clicks the controls by number, waits for it to go."""
    app.key("alt+n")
    for c in controls:
        box = wait_for(lambda: app.probe().get(f"settings_{c}"), 20, "the Settings dialog")
        s.display.click((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)
    wait_for(lambda: "settings" not in app.probe(), 20, "the dialog to close")
    wait_for(lambda: not s.display.windows("^ Nastavenia$"), 20, "its X window to go")


def batch(s, app, args, want, status=2, old=b"1,2\r\n"):
    """One batch run over the old file: the centres it writes with status 0, or the status, the old
    file and the message, or the status alone. No window of its own meanwhile."""
    if not os.path.isdir(os.path.join(s.workdir, "Stredy.txt")):
        with open(os.path.join(s.workdir, "Stredy.txt"), "wb") as f:
            f.write(old)
    p = subprocess.Popen([WINE, s.exe, *args.split()], cwd=s.workdir, env=s.wine.env(), stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True)
    while p.poll() is None:  # wine itself may show a window at times: only the program's count
        mine = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(p.pid)],
                              env=s.display.env(), capture_output=True, text=True).stdout
        check_equal(mine.split(), [], f"the program's windows while {args} runs")
    out, err = p.communicate()
    if isinstance(want, int):
        return check_equal(p.returncode, want, f"exit status of {args}")
    with open(os.path.join(s.workdir, re.findall(r"/subor (\S+)", args + " /subor Stredy.txt")[0]), "rb") as f:
        got = (p.returncode, f.read(), err.count("\n"))
    check_equal(got, (status, old, int(status == 2)) if isinstance(want, str) else (0, centres(want), 0),
                f"status, file, lines on standard error of {args}")
    check(not isinstance(want, str) or want in err + out, f"the message of {args}", want, err + out)


def blocked(s, app, immutable=False):
    """ENTER that cannot replace Stredy.txt (held, or its folder immutable): the old bytes stay, no
    temporary file, red status, TAB works."""
    if immutable:
        subprocess.run(["chattr", "+i", app.workdir], check=True)
        try:
            return blocked(s, app)
        finally:
            subprocess.run(["chattr", "-i", app.workdir], check=True)
    app.park()
    app.display.xdotool("click", "1")  # back to the hint, so that the red comes from this search
    wait_for(lambda: not red_status(app), 20, "the status box cleared by a click")
    app.key("Return")
    wait_for(lambda: red_status(app), 60, "the red status")
    with open(app.centre_file, "rb") as f:
        check_equal(f.read(), b"old\r\n", "the previous Stredy.txt")
    check(not os.path.exists(app.centre_file + ".tmp"), "no temporary file left behind")
    check_equal(app.tab(), A, "TAB after a search whose file could not be written")


def hold(s, app):
    """Stredy.txt held open without sharing by the helper, until the next step."""
    with open(app.centre_file, "wb") as f:
        f.write(b"old\r\n")
    s.holder = subprocess.Popen([WINE, s.probe, "drzi", "Stredy.txt"], cwd=app.workdir, env=s.wine.env(),
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    check_equal(s.holder.stdout.readline().strip(), "held", "the helper holds Stredy.txt")


def end_session(s, app, grey):
    check_equal(s.wine.run(["wineboot", "--end-session"]).returncode, 0, "wineboot --end-session")
    wait_for(lambda: (s.wine.values() or {}).get("StupneSedi") == dword(grey), 20, "the save")
    once(s, app)
    app.stop()


OPS = {
    "screen": lambda s, app, name, shapes, verify=True: s.show(name, shapes, verify=verify and (
        not app or app.proc.poll() is not None)),
    "store": lambda s, app, changes: store(s, **{n: None if v is None else value(v) for n, v in changes.items()}),
    "key": lambda s, app, values: s.wine.set_values(values and {n: value(v) for n, v in values.items()}),
    "start": lambda s, app, trace=False, folder=None: s.start(trace, folder and os.path.join(s.workdir, folder)),
    "keys": lambda s, app, keys: app.key(*keys.split()),
    "find": lambda s, app, points: check_equal(app.search(), centres(points), "Stredy.txt"),
    "tabs": lambda s, app, points: check_equal([app.tab(30) for _ in points], points, "cursor after TABs"),
    "no_jump": no_jump,
    "at": lambda s, app, *rect: check_equal(app.geometry()[:len(rect)], rect, "window rectangle"),
    "mode": lambda s, app, *a: check_mode(app, *a),
    "move": lambda s, app, x, y, *at: (s.display.xdotool("windowmove", "--sync", app.window, x, y), wait_for(
        lambda: app.probe()["window"][:2] == (tuple(at) or (x, y)), 20, f"the window at {at or (x, y)}")),
    "click": lambda s, app, dx, dy: s.display.click(app.geometry()[0] + dx, app.geometry()[1] + dy),
    "close": close,
    "saved": expect_saved,
    "once": once,
    "settings": settings,
    "end_session": end_session,
    "batch": batch,
    "hold": hold,
    "release": lambda s, app: (s.holder.stdin.close(), s.holder.wait(30)),
    "blocked": blocked,
    "red": lambda s, app, red: check_equal(red_status(app), red, "red status text"),
    "shell": lambda s, app, command: check_equal(subprocess.run(command, shell=True, cwd=s.workdir).returncode, 0,
                                                 command),
}


def play(steps):
    """A scenario playing the table of steps (operation, arguments...) on one session."""
    def scenario(s):
        for n, (op, *args) in enumerate(steps):
            try:
                log("step", n, op), OPS[op](s, s.apps[-1] if s.apps else None, *args)
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
    ("screen", "a", SCREEN_A), ("shell", "mkdir -p blocked/Stredy.txt"), ("start", False, "blocked"),
    ("keys", "Up Left Left Return"), ("tabs", [A, B, F, G, D]),  # the loaded size 10 admits d
    ("shell", "test -d blocked/Stredy.txt"), ("close", "Escape"),  # a directory of that name stays
    # The session's end saves, every value once.
    ("start", True), ("keys", "Right Right"), ("end_session", 2), ("saved", saved(848, 411, WIDTH, LOW, 2, 10, 75, 1, 0)),
]

# A panel with two buttons, each inside a 1-px border of another colour; two squares meeting at a
# corner. By rows the panel swallows the buttons; touching along a side (radio 512) finds them;
# touching at a corner too (513) joins the squares into one half-filled object (fill 70 rejects it).
PANEL, SQUARES, BUTTONS = [(349, 299)], [(614, 214), (644, 244)], [(289, 289), (409, 289)]
GROUPING = [
    ("screen", "grouping", [(GREY, (200, 200, 499, 399)), (BG, (250, 250, 329, 329)), (GREY, (251, 251, 328, 328)),
                            (BG, (370, 250, 449, 329)), (GREY, (371, 251, 448, 328)),
                            (GREY, (600, 200, 629, 229)), (GREY, (630, 230, 659, 259))]),
    ("store", {}), ("start",), ("find", PANEL + SQUARES), ("settings", 512, 1), ("find", PANEL + SQUARES + BUTTONS),
    ("settings", 513, 2), ("find", PANEL + SQUARES + BUTTONS), ("settings", 513, 1), ("find", PANEL + BUTTONS),
    ("close", "Escape"), ("saved", dict(Spajanie=8)), ("start",), ("find", PANEL + BUTTONS), ("close", "Escape"),
]

# On a 1024 x 768 desktop the first start centres the window at (400, 255).
HOME = (100, 100)
PLACEMENT = [
    ("key", None), ("start", True), ("saved", {}, True), ("mode", 400, 255, False), ("shell", "test ! -e run1/Stredy.txt"),
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

# The four corners of an 8K screen, in the search's order.
W8, H8 = 7680, 4320
CORNERS = [(0, 0, 39, 29), (W8 - 40, 0, W8 - 1, 39), (W8 - 50, H8 - 40, W8 - 1, H8 - 1), (0, H8 - 30, 49, H8 - 1)]
CORNERS_8K = [("screen", "corners", [(GREY, b) for b in CORNERS], False), ("store", dict(WindowPos=HOME)),
              ("start",), ("find", [((l + r) // 2, (t + b) // 2) for l, t, r, b in CORNERS]), ("close", "Escape")]


def checkers(s):
    """The manifest; inside wine the drawing primitives, the program's copy of the screen, the mouse."""
    with open(s.exe, "rb") as f:
        exe = f.read()  # the manifest lies in the program as it is written
    check(exe.count(b'processorArchitecture="amd64"') == 2 and b'"Microsoft.Windows.Common-Controls"' in exe
          and b'<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' in exe and b'<dpiAware xmlns="http://'
          b'schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' in exe and b'<dpiAwareness xmlns="http:'
          b'//schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>' in exe,
          "the manifest: amd64 for the program and common controls 6, asInvoker, per-monitor DPI awareness")
    size = f"{s.display.width}x{s.display.height}"  # a plasma: neighbours and channels differ nearly everywhere
    for args in (["-seed", "7", "plasma:fractal", "rgb:s.rgb"], ["rgb:s.rgb", "PNG24:s.png"]):
        subprocess.run(["convert", "-size", size, "-depth", "8", *args], cwd=s.workdir, check=True, timeout=60)
    s.display.show(os.path.join(s.workdir, "s.png"))
    out = s.wine.run([s.probe, "s.rgb"], cwd=s.workdir, timeout=300).stdout
    log(out.strip())
    check_equal(out.split()[-2:], ["OK", "0"], "the checker's verdict")


def red_status(app):
    """Whether the status box (below the rows of found objects) has red text."""
    left, top, _, _ = app.probe()["client"]
    px = rgb(app.display.screenshot(os.path.join(app.workdir, "status.png")), f"140x95+{left + 35}+{top + 70}")
    return sum(r >= 180 and g <= 110 and b <= 110 for r, g, b in zip(*[iter(px)] * 3)) >= 10


# Stredy.txt held open without sharing, then its folder read-only (the files in it still writable):
# the old bytes stay, the status is red, TAB works; freed, ENTER writes it.
HELD = [("screen", "two", SCREEN_A[:2]), ("store", {}), ("start",), ("hold",), ("blocked",), ("release",),
        ("blocked", True), ("find", [A, B]), ("red", False), ("close", "Escape")]
# The batch search: the saved settings used without creating the key; switches -> the centres in the
# file, or exit status 2 and a part of the message, or an exit status.
P, Q = (1509, 109), (1529, 129)  # squares touching at a corner
BATCH = [
    ("screen", "batch", [SCREEN_A[0], SCREEN_A[5], *SCREEN_A[6:9], (GREY, (1500, 100, 1519, 119)),
                         (GREY, (1520, 120, 1539, 139))]),
    ("key", None), ("batch", "/hladaj", [A, P, Q, C]), ("saved", None),
    ("store", dict(StupneSedi=2, Spajanie=8)), ("batch", "/hladaj", [E]), ("batch", "/hladaj /stupen 0", [A, C]),
    ("store", {}), ("batch", "/HLADAJ /stupen 2", [E]), ("batch", "/hladaj /Velkost:15", [A, P, Q, D, C]),
    ("batch", "/vypln:80 /hladaj", [A, P, Q]), ("batch", "/hladaj /oblast 200,500,1919,1079 /velkost 15", [D, C]),
    ("batch", "/hladaj /oblast:995,795,1010,845 /velkost 10", [(1005, 819)]),  # c cut at its hole
    ("batch", "/hladaj /spajanie 4", [A, P, Q, C]), ("batch", "/hladaj /spajanie 8", [A, C]),  # p and q: 50 %
    ("batch", "/hladaj /spajanie:8 /vypln 50", [A, (1519, 119), C]), ("batch", "/hladaj /spajanie riadky", [A, P, Q, C]),
    ("batch", "/hladaj /oblast 5,5,4,9", "/oblast: „5,5,4,9“"),
    ("batch", "/hladaj /stupen 8", "/stupen: „8“ nie je celé číslo od 0 do 7"),
    ("batch", "/hladaj /najdi", "neznámy argument „/najdi“"), ("batch", "/stupen 1", "len spolu s /hladaj"),
    ("batch", "/subor iny.txt /hladaj", [A, P, Q, C]), ("batch", "/?", "Použitie: zornavit.exe /hladaj", 0),
    # a directory of that name cannot be written: status 3, the directory as it was
    ("shell", "rm Stredy.txt && mkdir -p Stredy.txt/stary"), ("batch", "/hladaj", 3), ("shell", "ls Stredy.txt/stary"),
]


# The outlines: in the search's order; the last is exactly the minimum size, so that with its edge
# pixels painted over it would no longer be found.
BOXES = [(100, 100, 139, 129), (1500, 120, 1559, 179), (300, 700, 319, 719)]
OUTLINED = [((l + r) // 2, (t + b) // 2) for l, t, r, b in BOXES]
PINK = re.compile(re.escape(bytes((255, 0, 128))))  # the outline's colour


def seen(s, name):
    """The objects outlined on the screen, on their boxes' edge and one pixel outside: number ->
    the white pixels (the number) of the label above the box. No outline colour elsewhere."""
    w = s.display.width
    px = rgb(s.display.screenshot(os.path.join(s.workdir, name + ".png")))
    pink = {(i // 3 % w, i // 3 // w) for i in (m.start() for m in PINK.finditer(px)) if i % 3 == 0}
    found, near = {}, set()
    for k, (l, t, r, b) in enumerate(BOXES, 1):
        ring = {(x, y) for d in (0, 1) for x in range(l - d, r + d + 1) for y in range(t - d, b + d + 1)
                if x in (l - d, r + d) or y in (t - d, b + d)}
        if ring <= pink:
            found[k] = frozenset((x - l, y - t) for y in range(t - 30, t) for x in range(l - 1, l + 40)
                                 if px[3 * (y * w + x):3 * (y * w + x) + 3] == b"\xff\xff\xff")
            near |= {(x, y) for x, y in pink if l - 1 <= x <= r + 1 and t - 30 <= y <= b + 1}
    check_equal(pink - near, set(), f"{name}: pixels of the outline colour off the outlines")
    return found


def outlined(s, name, count):
    return wait_for(lambda: (lambda f: len(f) == count and f)(seen(s, name)), 3, name, interval=0)


def overlay(s):
    """Outlines after ENTER for two seconds or until the next key, the same file with them shown;
    TAB and SHIFT+TAB outline the object they go to; the check box switches them off and is saved."""
    s.show("screen", [(GREY, box) for box in BOXES])
    store(s, UkazatObjekty=None)  # absent: on
    app = s.start()
    check_equal(app.search(), centres(OUTLINED), "Stredy.txt")
    numbers = outlined(s, "all", 3)
    check(all(numbers.values()) and len(set(numbers.values())) == 3, "three different numbers")
    check_equal(app.search(), centres(OUTLINED), "Stredy.txt of ENTER pressed with the outlines shown")
    written = time.monotonic()
    for after, count in ((0.7, 3), (3.0, 0)):  # two moments of their two seconds
        time.sleep(max(0.0, written + after - time.monotonic()))
        check_equal(len(seen(s, f"at{after}")), count, f"objects outlined {after} s after ENTER")
    for key, k in (("Tab", 1), ("Tab", 2), ("shift+Tab", 1), ("shift+Tab", 3), ("shift+Tab", 2)):
        check_equal(app.tab(key=key), OUTLINED[k - 1], f"cursor after {key}")
        check_equal(outlined(s, key, 1), {k: numbers[k]}, f"after {key}: object {k} with its number")
    app.key("Up")
    wait_for(lambda: not seen(s, "key"), 1, "the outlines to go at the next key", interval=0)
    settings(s, app, 502, 1)  # the check box off
    check_equal(app.search(), centres(OUTLINED), "Stredy.txt with the outlines off")
    check_equal(app.tab(), OUTLINED[1], "TAB with the outlines off")
    check(not any(seen(s, f"off{i}") for i in range(3)), "nothing outlined with the check box off")
    app.close_with("Escape")
    check_equal(s.wine.values().get("UkazatObjekty"), dword(0), "UkazatObjekty saved")


# Two monitors: 1280 x 1024 left of the 1920 x 1080 primary, under it a strip (y 1024..1079) on no
# monitor. Wine puts the primary at (0, 0): a screen point is the X root point less 1280 in x.
MONITORS = ("--addmode DUMMY1 1280x1024", "--output DUMMY0 --mode 1920x1080 --pos 1280x0 --primary "
            "--output DUMMY1 --mode 1280x1024 --pos 0x0", "")
# The strip black (band 0), as Windows shows it; objects on the left monitor, on the primary, across
# both (the window covers its right half), cut by the strip, wholly in it. Screen coordinates.
SHAPES = [((0, 0, 0), (-1280, 1024, -1, 1079)), (GREY, (-1200, 100, -1161, 129)), (GREY, (100, 100, 139, 139)),
          (GREY, (-20, 500, 19, 529)), (GREY, (-800, 1000, -761, 1049)), (GREY, (-400, 1030, -361, 1069))]
SPLIT = [(-1180, 114), (119, 119), (-10, 514), (-780, 1011)]  # truncated toward zero


ROOT = [(x + 1280, y) for x, y in SPLIT]
TWO_MONITORS = [
    ("screen", "screen", [(c, (x0 + 1280, y0, x1 + 1280, y1)) for c, (x0, y0, x1, y1) in SHAPES]),
    ("store", dict(WindowPos=(0, 480))), ("start",), ("find", SPLIT), ("tabs", ROOT),
    # closed partly off the left monitor: pulled onto it, and opened there again; in the strip: centred
    ("move", -30, 300, -1310, 300), ("close", "Escape"), ("saved", dict(WindowPos=(-1280, 300))),
    ("start",), ("at", 0, 300), ("close", "Escape"), ("store", dict(WindowPos=(-600, 1030))), ("start",),
    ("at", 848 + 1280, 411), ("close", "Escape"), ("batch", "/hladaj", SPLIT[:2] + [(0, 514)] + SPLIT[3:]),
]


SCENARIOS = {"search": (play(SEARCH), {}), "grouping": (play(GROUPING), {}),
             "placement": (play(PLACEMENT), dict(width=1024, height=768)),
             "checkers": (checkers, dict(width=640, height=480)), "held_centre_file": (play(HELD), {}),
             "corners_8k": (play(CORNERS_8K), dict(width=W8, height=H8)), "batch": (play(BATCH), {}),
             "overlay": (overlay, {}), "two_monitors": (play(TWO_MONITORS), dict(width=3200, height=1080, monitors=MONITORS))}

if __name__ == "__main__":
    import tvar  # noqa: E402
    SCENARIOS.update(tvar.SCENARIOS)
    sys.exit(main(SCENARIOS, __doc__))
