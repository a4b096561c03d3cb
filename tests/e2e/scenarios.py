#!/usr/bin/env python3
"""End-to-end scenarios: tables of steps played by one driver on one X server and wine.

Its parts, in this order:
- the screen most scenarios show, and the steps the tables name (registry, closing, the Settings dialog, the
  batch search and its output, a centre file that cannot be written, a full disk), then OPS and play();
- the tables SEARCH, GROUPING, PLACEMENT and CORNERS_8K, the checks inside wine (checkers), HELD and BATCH;
- the outlines (overlay) and TWO_MONITORS;
- SCENARIOS, the names the CTest tests run.
The chords, clicks and labels live in dosah.py, near greys and colours in odtiene.py, the face by its pixels and
display scaling in tvar.py.
"""

import contextlib
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import check_mode, dialog_gone, main  # noqa: E402
from ovladac import (HEIGHT, LOW, REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ, VALUE_NAMES, WINE, WIDTH,  # noqa: E402
                     Failure, centres, check, check_equal, dword, log, middle, pack, rgb, saved, stop_process, store,
                     wait_for)
import dosah  # noqa: E402
import odtiene  # noqa: E402
from tvar import dpi_scales, face, red  # noqa: E402

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


def value(v):
    """Table shorthand: a number is a DWORD, a pair of numbers two packed words, bytes binary, None no value."""
    if v is None or isinstance(v, tuple) and isinstance(v[1], bytes):
        return v
    return dword(v) if isinstance(v, int) else (REG_BINARY, v) if isinstance(v, bytes) else dword(pack(*v))


def expect_saved(s, app, expected, exact=False):
    """The key's values (all with exact; None for a value absent), or no key for None."""
    got = s.wine.values()
    if expected is None:
        return check_equal(got, None, "the program's key")
    check(got is not None, "the program's key exists")
    want = {n: value(v) for n, v in expected.items()}
    check_equal({n: got.get(n) for n in (got if exact else want)}, want, "values in the registry")


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
    app.key("Tab")
    OPS["find"](s, app, points)
    check_equal(s.display.cursor(), park, "cursor after a TAB with nothing found")


def settings(s, app, *controls):
    """Opens the Settings dialog (ALT+N), clicks the controls by number, waits for it to go."""
    app.key("alt+n")
    for c in controls:
        box = wait_for(lambda: app.probe().get(f"settings_{c}"), 20, "the Settings dialog")
        s.display.click(*middle(box))
    dialog_gone(app, "settings", "^ Nastavenia$")


def run_batch(s, args):
    """Runs the program with args, checking that it shows no window: status, standard output (bytes), standard error."""
    p = subprocess.Popen([WINE, s.exe, *args.split()], cwd=s.workdir, env=s.wine.env(), stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE)
    while p.poll() is None:  # wine itself may show a window at times: only the program's count
        mine = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(p.pid)],
                              env=s.display.env(), capture_output=True, text=True).stdout
        check_equal(mine.split(), [], f"the program's windows while {args} runs")
        time.sleep(0.02)
    out, err = p.communicate()
    return p.returncode, out, err.decode(errors="replace")


def batch(s, app, args, want, old=b"1,2\r\n"):
    """A batch run over an old file: the centres (status 0), a part of the message (status 2, old file), or the status."""
    if not os.path.isdir(os.path.join(s.workdir, "Stredy.txt")):
        with open(os.path.join(s.workdir, "Stredy.txt"), "wb") as f:
            f.write(old)
    code, _, err = run_batch(s, args)
    if isinstance(want, int):
        return check_equal(code, want, f"exit status of {args}")
    with open(os.path.join(s.workdir, re.findall(r"/subor (\S+)", args + " /subor Stredy.txt")[0]), "rb") as f:
        written = f.read()
    message = isinstance(want, str)
    check_equal(code, 2 if message else 0, f"exit status of {args}")
    check_equal(written, old if message else centres(want), f"the file after {args}")
    lines = sum(line.startswith("zornavit") for line in err.splitlines())  # not wine's
    check_equal(lines, int(message), f"the program's lines on standard error of {args}")
    if message:
        check(want in err, f"the message of {args} on standard error", want, err)


def as_json(boxes):
    """The finder's --json for these boxes."""
    rows = ['  {"x": %d, "y": %d, "left": %d, "top": %d, "right": %d, "bottom": %d}' % (*middle(b), *b) for b in boxes]
    return ("[\n" + ",\n".join(rows) + "\n]\n" if rows else "[]\n").encode()


def output(s, app, args, boxes):
    """Standard output over an old file: the bytes the file would get, or with /json the finder's array; the file
    untouched with /subor -, else written."""
    path, lines, json = os.path.join(s.workdir, "Stredy.txt"), centres(map(middle, boxes)), "/json" in args
    with open(path, "wb") as f:
        f.write(b"1,2\r\n")
    code, out, err = run_batch(s, args)
    check_equal(code, 0, f"exit status of {args}")
    check_equal(out, as_json(boxes) if json else lines, f"standard output of {args}")
    with open(path, "rb") as f:
        check_equal(f.read(), b"1,2\r\n" if "/subor -" in args else lines, f"Stredy.txt after {args}")


def foreground(s, app, box, args, boxes):
    """The helper's grey window in front, with box as its frame: the batch run with args finds boxes."""
    x0, y0, x1, y1 = box
    helper = subprocess.Popen([WINE, s.probe, "popredie", *map(str, (x0, y0, x1 - x0 + 1, y1 - y0 + 1))], cwd=s.workdir,
                              env=s.wine.env(), stdout=subprocess.PIPE, text=True, start_new_session=True)
    try:
        check_equal(helper.stdout.readline().strip(), "front", "the helper's window in front")
        output(s, app, args, boxes)
    finally:
        stop_process(helper)


def blocked(s, app, how=None):
    """ENTER that cannot replace Stredy.txt: old bytes, no temporary file, red status, TAB works."""
    if how == "held":  # over the old bytes
        holder = subprocess.Popen([WINE, s.probe, "drzi", "Stredy.txt"], cwd=app.workdir, env=s.wine.env(),
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        with holder.stdin:
            check_equal(holder.stdout.readline().strip(), "held", "the helper holds Stredy.txt")
            return blocked(s, app)
    if how == "immutable":
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


def full_disk(s, app):
    """The batch search on a full disk: the old file byte for byte, no temporary file, exit status 3."""
    folder = os.path.join(s.workdir, "plny")
    os.makedirs(folder, exist_ok=True)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=16k", "tmpfs", folder], check=True)
    try:
        with open(os.path.join(folder, "Stredy.txt"), "wb") as f:
            f.write(b"7,8\r\n")
        with contextlib.suppress(OSError), open(os.path.join(folder, "vypln"), "wb") as f:
            f.write(bytes(1 << 20))
        batch(s, app, "/subor plny/Stredy.txt /hladaj", 3)
        with open(os.path.join(folder, "Stredy.txt"), "rb") as f:
            check_equal(f.read(), b"7,8\r\n", "the old file on the full disk")
        check_equal(sorted(os.listdir(folder)), ["Stredy.txt", "vypln"], "the files on the full disk")
    finally:
        subprocess.run(["umount", folder], check=True)


def move(s, app, x, y, *at):
    """Moves the window to (x, y); the program may keep it at another point."""
    s.display.xdotool("windowmove", "--sync", app.window, x, y)
    wait_for(lambda: app.probe()["window"][:2] == (tuple(at) or (x, y)), 20, f"the window at {at or (x, y)}")


def end_session(s, app, grey):
    """The session's end saves (its grey setting is awaited), every value once."""
    check_equal(s.wine.run(["wineboot", "--end-session"]).returncode, 0, "exit status of wineboot --end-session")
    wait_for(lambda: (s.wine.values() or {}).get("StupneSedi") == dword(grey), 20, "the save")
    once(s, app)
    app.stop()


OPS = {
    "screen": lambda s, app, name, shapes, verify=True: s.show(name, shapes, verify=verify and (
        not app or app.proc.poll() is not None)),
    "store": lambda s, app, changes: store(s, **{n: value(v) for n, v in changes.items()}),
    "key": lambda s, app, values: s.wine.set_values(values and {n: value(v) for n, v in values.items()}),
    "start": lambda s, app, trace=False: s.start(trace),
    "keys": lambda s, app, keys: app.key(*keys.split()),
    "find": lambda s, app, points: check_equal(app.search(), centres(points), "Stredy.txt"),
    "tabs": lambda s, app, points: check_equal([app.tab(30) for _ in points], points, "cursor after TABs"),
    "at": lambda s, app, *rect: check_equal(app.geometry()[:len(rect)], rect, "window rectangle"),
    "mode": lambda s, app, *a: check_mode(app, *a),
    "click": lambda s, app, dx, dy: s.display.click(app.geometry()[0] + dx, app.geometry()[1] + dy),
    "red": lambda s, app, red: check_equal(red_status(app), red, "red status text"),
    "shell": lambda s, app, command: check(subprocess.run(command, shell=True, cwd=s.workdir).returncode == 0, command),
}
OPS.update((f.__name__, f) for f in (no_jump, close, once, settings, batch, output, foreground, blocked, full_disk,
                                     move, end_session, *odtiene.OPS))
OPS["saved"] = expect_saved
OPS.update(dosah.OPS)


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
    ("keys", "Down Down Right Right"), ("find", [A, B, F, G]),  # fill 80 %: c (75 %) is out
    ("keys", "Left"), ("find", DEFAULT), ("keys", "Up Left"), ("find", [A, B, F, G, D, C]),  # size 15
    ("keys", "Up Right Right"), ("find", [E]), ("screen", "empty", []), ("find", []),
    ("close", "Escape"), ("saved", saved(848, 411, WIDTH, LOW, 2, 15, 75, 1, 0)),
    ("start", True), ("keys", "Right"), ("end_session", 3),  # the session's end saves, every value once
    ("saved", saved(848, 411, WIDTH, LOW, 3, 15, 75, 1, 0)),
]

# A panel with two buttons, each inside a 1-px border of another colour; two squares meeting at a
# corner. By rows the panel swallows the buttons; touching along a side (radio 512) finds them;
# touching at a corner too (513) joins the squares into one half-filled object (fill 70 rejects it).
PANEL, SQUARES, BUTTONS = [(349, 299)], [(614, 214), (644, 244)], [(289, 289), (409, 289)]
GROUPING = [
    ("screen", "grouping", [(GREY, (200, 200, 499, 399)), (BG, (250, 250, 329, 329)), (GREY, (251, 251, 328, 328)),
                            (BG, (370, 250, 449, 329)), (GREY, (371, 251, 448, 328)), (GREY, (600, 200, 629, 229)),
                            (GREY, (630, 230, 659, 259))]),
    ("store", {}), ("start",), ("find", PANEL + SQUARES), ("settings", 512, 1), ("find", PANEL + SQUARES + BUTTONS),
    ("settings", 513, 1), ("find", PANEL + BUTTONS), ("close", "Escape"), ("saved", dict(Spajanie=8)),
]

# On a 1024 x 768 desktop the first start centres the window at (400, 255).
HOME = (100, 100)
PLACEMENT = [
    ("key", None), ("start", True), ("saved", {}, True), ("mode", 400, 255, False), ("shell", "test ! -e run1/Stredy.txt"),
    ("keys", "Right"), ("close", "Escape"), ("once",),
    ("saved", saved(400, 255, WIDTH, LOW, 1, 20, 70, 1, 0), True),
    # Size up to one step past the desktop's width - 100; a saved row 4 is row 2.
    ("store", dict(WindowPos=HOME, VelkostObjektu=900, Volba=4)), ("start",),
    ("keys", "Right Right Right"), ("close", "Escape"), ("saved", dict(VelkostObjektu=950, Volba=2)),
    ("store", dict(WindowPos=HOME)), ("start", True), ("keys", "Left" + " Right" * 9 + (" Down" + " Right" * 7) * 2),
    ("close", "box"), ("once",), ("saved", dict(StupneSedi=7, VelkostObjektu=60, percento_vyplne=100, Volba=3)),
    ("start", True), ("keys", "Left " * 20 + "Up Left Left Up" + " Left" * 8), ("close", "alt+k"), ("once",),
    ("saved", dict(StupneSedi=0, VelkostObjektu=45, percento_vyplne=5, Volba=1)),  # loaded, then lowered
    ("store", dict(WindowPos=(500, 300), WindowSize=(111, 222))), ("start",), ("close", "minimised"),
    ("saved", dict(WindowPos=(500, 300), WindowSize=(111, 222), WindowShow=2)),
    ("store", dict(WindowPos=(REG_BINARY, bytes.fromhex("c800960000000000")), WindowSize=None, WindowShow=None,
                   StupneSedi=(REG_QWORD, (2).to_bytes(8, "little")), VelkostObjektu=(REG_SZ, b"1234567"),
                   percento_vyplne=b"\x50\x00", Volba=b"\x02", InfoKurzor=1)),
    ("start",), ("mode", 0, 0, True), ("keys", "Right"), ("close", "Escape"),  # row 2: size 20 -> 25
    ("saved", saved(0, 0, WIDTH, HEIGHT, 0, 25, 80, 2, 1)),
]

# The four corners of an 8K screen, in the search's order.
W8, H8 = 7680, 4320
CORNERS = [(0, 0, 39, 29), (W8 - 40, 0, W8 - 1, 39), (W8 - 50, H8 - 40, W8 - 1, H8 - 1), (0, H8 - 30, 49, H8 - 1)]
CORNERS_8K = [("screen", "corners", [(GREY, b) for b in CORNERS], False), ("store", dict(WindowPos=HOME)),
              ("start",), ("find", list(map(middle, CORNERS))), ("close", "Escape")]


def checkers(s):
    """The manifest; inside wine the drawing primitives and the program's copy of the screen."""
    with open(s.exe, "rb") as f:
        exe = f.read()  # the manifest lies in the program as it is written
    pe = int.from_bytes(exe[0x3C:0x40], "little")
    arch = b"amd64" if exe[pe + 4:pe + 6] == b"\x64\x86" else b"x86"  # the PE header's machine
    check_equal(exe.count(b'processorArchitecture="' + arch + b'"'), 2,
                "the manifest's entries of the program's architecture (its own and common controls 6)")
    for part in (b'"Microsoft.Windows.Common-Controls"', b'<requestedExecutionLevel level="asInvoker" uiAccess="false"/>',
                 b'<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>',
                 b'<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor<'):
        check(part in exe, "the manifest's part", part, "missing")
    utf16 = lambda text: re.escape(text.encode("utf-16-le"))  # noqa: E731
    for name, text in (("FileDescription", "Zornavit: hľadanie sivých objektov na obrazovke"), ("ProductName", "Zornavit"),
                       ("FileVersion", VERSION), ("ProductVersion", VERSION)):
        check(re.search(utf16(name) + b"\0\0(\0\0)?" + utf16(text) + b"\0\0", exe), f"the version resource's {name}",
              text, "missing")
    size = f"{s.display.width}x{s.display.height}"  # a plasma: neighbours and channels differ nearly everywhere
    for args in (["-seed", "7", "plasma:fractal", "rgb:s.rgb"], ["rgb:s.rgb", "PNG24:s.png"]):
        subprocess.run(["convert", "-size", size, "-depth", "8", *args], cwd=s.workdir, check=True, timeout=60)
    s.display.show(os.path.join(s.workdir, "s.png"))
    out = s.wine.run([s.probe, "s.rgb"], cwd=s.workdir, timeout=300).stdout
    log(out.strip())
    check_equal(out.split()[-2:], ["OK", "0"], "the checker's verdict")


def red_status(app):
    left, top, _, _ = app.probe()["client"]
    px = rgb(app.display.screenshot(os.path.join(app.workdir, "status.png")), f"140x95+{left + 35}+{top + 70}")
    return sum(map(red, zip(*[iter(px)] * 3))) >= 10


# Stredy.txt held open, then its folder immutable (its files still writable); freed, ENTER writes it.
HELD = [("screen", "two", SCREEN_A[:2]), ("store", {}), ("start",), ("shell", r"printf 'old\r\n' > run1/Stredy.txt"),
        ("blocked", "held"), ("blocked", "immutable"), ("find", [A, B]), ("red", False), ("close", "Escape")]
# The batch search: the saved settings used without creating the key; the switches reaching the
# search (their forms and messages are the parser's unit tests) -> the centres in the file, or exit
# status 2 and a part of the message; status 3 for Stredy.txt a directory, left as it was.
P, Q = (1509, 109), (1529, 129)  # squares touching at a corner
BOX_A, BOX_D, BOX_C, BOX_P, BOX_Q = SCREEN_A[0][1], SCREEN_A[5][1], SCREEN_A[6][1], (1500, 100, 1519, 119), (1520, 120, 1539, 139)
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "CMakeLists.txt")) as f:
    VERSION = re.search(r"project\(Zornavit VERSION (\S+)", f.read())[1]
BATCH = [
    ("screen", "batch", [SCREEN_A[0], SCREEN_A[5], *SCREEN_A[6:9], (GREY, (1500, 100, 1519, 119)),
                         (GREY, (1520, 120, 1539, 139))]),
    ("key", None), ("batch", "/hladaj", [A, P, Q, C]), ("saved", None),
    ("store", dict(StupneSedi=2, Spajanie=8)), ("batch", "/hladaj", [E]),
    ("batch", "/hladaj /stupen 0", [A, C]),  # p and q one object, 50 % filled
    ("store", {}), ("batch", "/hladaj /oblast 200,500,1919,1079 /velkost 15", [D, C]),
    ("batch", "/hladaj /farba 444646 /odchylka 2", [E]),  # e is (70, 70, 70)
    ("batch", "/hladaj /stupen 0 /farba 464646", "/stupen a /farba sa vylučujú"),
    ("batch", "/subor iny.txt /hladaj", [A, P, Q, C]),
    ("output", "/hladaj /subor -", [BOX_A, BOX_P, BOX_Q, BOX_C]), ("output", "/subor - /hladaj /stupen 5", []),
    ("output", "/hladaj /json /velkost 15", [BOX_A, BOX_P, BOX_Q, BOX_D, BOX_C]),
    ("output", "/hladaj /json /subor - /vypln 80", [BOX_A, BOX_P, BOX_Q]),
    ("foreground", (300, 300, 399, 379), "/hladaj /okno /json", [(300, 300, 399, 379)]),  # the helper's grey window
    ("shell", "rm Stredy.txt && mkdir -p Stredy.txt/stary"), ("batch", "/hladaj", 3), ("shell", 'test "$(ls Stredy.txt)" = stary'),
    ("full_disk",),
]


# The outlines: in the search's order; the last is exactly the minimum size, so that with its edge
# pixels painted over it would no longer be found.
BOXES = [(100, 100, 139, 129), (1500, 120, 1559, 179), (300, 700, 319, 719)]
OUTLINED = list(map(middle, BOXES))
PINK = re.compile(re.escape(bytes((255, 0, 128))))  # the outline's colour


def seen(s, name):
    """The objects outlined (box edge and one pixel out) -> the white pixels of their labels; no pink elsewhere."""
    w = s.display.width
    px = rgb(s.display.screenshot(os.path.join(s.workdir, name + ".png")))
    pink = {(i // 3 % w, i // 3 // w) for i in (m.start() for m in PINK.finditer(px)) if i % 3 == 0}
    found, near = {}, set()
    for k, (l, t, r, b) in enumerate(BOXES, 1):
        if {(x, y) for x in range(l - 1, r + 2) for y in range(t - 1, b + 2) if {x} & {l - 1, l, r, r + 1} or
                {y} & {t - 1, t, b, b + 1}} <= pink:
            found[k] = frozenset((x - l, y - t) for y in range(t - 30, t) for x in range(l - 1, l + 40)
                                 if px[3 * (y * w + x):3 * (y * w + x) + 3] == b"\xff\xff\xff")
            near |= {(x, y) for x, y in pink if l - 1 <= x <= r + 1 and t - 30 <= y <= b + 1}
    check_equal(pink - near, set(), f"{name}: pixels of the outline colour off the outlines")
    return found


outlined = lambda s, name, count: wait_for(lambda: (lambda f: len(f) == count and f)(seen(s, name)), 3, name, 0)  # noqa


def overlay(s):
    """Outlines for 2 s or the next key, no part of the copy; TAB, SHIFT+TAB one; the check box saved off."""
    s.show("screen", [(GREY, box) for box in BOXES])
    store(s, UkazatObjekty=None)  # absent: on
    app = s.start()
    check_equal(app.search(), centres(OUTLINED), "Stredy.txt")
    numbers = outlined(s, "all", 3)
    for k, digits in numbers.items():
        check(digits, f"object {k}'s number shown", "white pixels", digits)
    check_equal(len(set(numbers.values())), 3, "different numbers of the three objects")
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
    for i in range(3):
        check_equal(seen(s, f"off{i}"), {}, "objects outlined with the check box off")
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
    ("batch", "/hladaj /monitor 1", [(119, 119), (9, 514)]),  # the object across both cut at their edge
    ("batch", "/hladaj /monitor:2", [(-1180, 114), (-10, 514), (-780, 1011)]), ("batch", "/hladaj /monitor 3", "/monitor 3: taký monitor nie je"),
]


SCENARIOS = {"search": (play(SEARCH), {}), "grouping": (play(GROUPING), {}), "colours": (play(odtiene.COLOURS), {}),
             "placement": (play(PLACEMENT), dict(width=1024, height=768)),
             "checkers": (checkers, dict(width=640, height=480)), "held_centre_file": (play(HELD), {}),
             "corners_8k": (play(CORNERS_8K), dict(width=W8, height=H8)), "batch": (play(BATCH), {}),
             "overlay": (overlay, {}), "two_monitors": (play(TWO_MONITORS), dict(width=3200, height=1080, monitors=MONITORS)),
             "face": (face, {}), "dpi_scales": (dpi_scales, {}), "reach": (play(dosah.REACH), {})}

if __name__ == "__main__":
    sys.exit(main(SCENARIOS, __doc__))
