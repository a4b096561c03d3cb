#!/usr/bin/env python3
"""End-to-end scenarios: tables of steps played by one driver on one X server and wine; the face by its pixels.

Its parts, in this order:
- the screen most scenarios show, and the steps the tables name (registry, closing, the Settings dialog, the
  batch search and its output, a centre file that cannot be written, a full disk), then OPS and play();
- the tables SEARCH, GROUPING, PLACEMENT and CORNERS_8K, the checks inside wine (checkers), HELD and BATCH;
- the outlines (overlay) and TWO_MONITORS;
- the face by its pixels (Picture, rows and status, the dialogs, the readout: face) and display scaling
  (dpi_scales);
- SCENARIOS, the names the CTest tests run.
The chords, clicks and labels live in dosah.py, near greys and colours in odtiene.py.
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
from ovladac import (HEIGHT, KEY, LOW, REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ, VALUE_NAMES, WINE,  # noqa: E402
                     WIDTH, Failure, centres, check, check_equal, dword, log, middle, pack, reg_data, rgb, saved,
                     stop_process, store, wait_for)
import dosah  # noqa: E402
import odtiene  # noqa: E402

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


SCENARIOS = {"search": (play(SEARCH), {}), "grouping": (play(GROUPING), {}), "colours": (play(odtiene.COLOURS), {}),
             "placement": (play(PLACEMENT), dict(width=1024, height=768)),
             "checkers": (checkers, dict(width=640, height=480)), "held_centre_file": (play(HELD), {}),
             "corners_8k": (play(CORNERS_8K), dict(width=W8, height=H8)), "batch": (play(BATCH), {}),
             "overlay": (overlay, {}), "two_monitors": (play(TWO_MONITORS), dict(width=3200, height=1080, monitors=MONITORS)),
             "face": (face, {}), "dpi_scales": (dpi_scales, {}), "reach": (play(dosah.REACH), {})}

if __name__ == "__main__":
    sys.exit(main(SCENARIOS, __doc__))
