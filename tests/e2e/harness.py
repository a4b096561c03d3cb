"""Drives the real program under wine64 on a private Xvfb: screens, keys, cursor, registry, centre file."""

import argparse
import contextlib
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
KEY = r"HKEY_CURRENT_USER\Software\Zornavit"
WINDOW_NAME = "^ Objekty$"
VALUE_NAMES = ("WindowPos", "WindowSize", "WindowShow", "StupneSedi", "VelkostObjektu",
               "percento_vyplne", "Volba", "InfoKurzor", "Spajanie")
REG_SZ, REG_BINARY, REG_DWORD, REG_QWORD = 1, 3, 4, 11
# Mono and Gecko would ask to be downloaded; the menu builder would write desktop files.
DLL_OVERRIDES = "mscoree,mshtml=;winemenubuilder.exe=d"
FONT_REPLACEMENTS = {"Segoe UI": "DejaVu Sans Condensed", "Tahoma": "DejaVu Sans Condensed",
                     "MS Sans Serif": "DejaVu Sans Condensed", "Times New Roman": "DejaVu Serif",
                     "System": "DejaVu Sans"}


class Failure(AssertionError):
    pass


def check(condition, what, expected=None, got=None):
    if not condition:
        detail = "" if expected is None and got is None else f": expected {expected!r}, got {got!r}"
        raise Failure(what + detail)


def check_equal(got, expected, what):
    check(got == expected, what, expected, got)


def wait_steady(read, times, timeout, what, interval=0.05):
    """Polls read() until it has returned the same value times more times in a row; returns it."""
    last = [None, 0]

    def steady():
        value = read()
        last[1] = last[1] + 1 if value == last[0] else 0
        last[0] = value
        return last[1] >= times
    wait_for(steady, timeout, what, interval)
    return last[0]


def wait_for(probe, timeout, what, interval=0.05):
    """Polls probe() until it returns something true; returns that value or fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


VERBOSE = True


def log(*parts):
    if VERBOSE:
        print(time.strftime("%H:%M:%S"), *parts, flush=True)


# ---------------------------------------------------------------- screens

def make_screen(path, size, background, shapes):
    """Writes a PNG of size (w, h): the background colour, then each (rgb, (x0, y0, x1, y1)) box,
    corners inclusive, painted in order so that a later box can cut a hole into an earlier one."""
    w, h = size
    args = ["convert", "-size", f"{w}x{h}", "xc:rgb(%d,%d,%d)" % background, "+antialias"]
    for rgb, (x0, y0, x1, y1) in shapes:
        args += ["-fill", "rgb(%d,%d,%d)" % rgb, "-draw", f"rectangle {x0},{y0} {x1},{y1}"]
    args += ["-type", "TrueColor", "PNG24:" + path]
    subprocess.run(args, check=True, timeout=60)
    return path


class Display:
    """A private Xvfb on a display number the server picks itself."""

    def __init__(self, width=1920, height=1080):
        self.width, self.height = width, height
        self.proc = None
        self.name = None

    def start(self):
        read, write = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{self.width}x{self.height}x24",
             "-nolisten", "tcp", "-noreset"], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        check(number != "", "Xvfb starts", "a display number", "none")
        self.name = ":" + number
        log("Xvfb", self.name, f"{self.width}x{self.height}", "pid", self.proc.pid)
        return self

    def stop(self):
        if self.proc:
            stop_process(self.proc)
            self.proc = None

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def xdotool(self, *args, timeout=20):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env(), capture_output=True,
                           text=True, timeout=timeout)
        if r.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))} failed: {r.stderr.strip()}")
        return r.stdout

    def show(self, image, verify=True):
        """Puts the image on the root window and checks that the screen now shows it exactly
        (not while the program's window covers part of it)."""
        # display exits with 1 after setting the root window's background; the comparison
        # below is what tells whether it worked.
        subprocess.run(["display", "-display", self.name, "-window", "root", image], timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not verify:
            return
        with tempfile.TemporaryDirectory() as tmp:
            shot = self.screenshot(os.path.join(tmp, "root.png"))
            r = subprocess.run(["compare", "-metric", "AE", shot, image, "null:"],
                               capture_output=True, text=True, timeout=60)
            check(r.stderr.strip() == "0", f"screen shows {image}", "0 differing pixels",
                  r.stderr.strip())

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.name, "-window", "root", path], check=True,
                       timeout=60)
        return path

    def _shell(self, command, *args):
        out = self.xdotool(command, "--shell", *args)
        return {k: int(v) for k, v in (w.split("=", 1) for w in out.split()) if v.lstrip("-").isdigit()}

    def cursor(self):
        values = self._shell("getmouselocation")
        return values["X"], values["Y"]

    def move_cursor(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)
        wait_for(lambda: self.cursor() == (x, y), 5, f"cursor at {(x, y)}")

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", k)
            time.sleep(0.03)

    def windows(self, name=WINDOW_NAME):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env(),
                           capture_output=True, text=True, timeout=20)
        return [int(w) for w in r.stdout.split()]

    def geometry(self, window):
        """Outer rectangle (x, y, width, height) of a wine window: wine draws its own frame,
        so the X window covers the whole Win32 window."""
        values = self._shell("getwindowgeometry", window)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


def stop_process(proc, grace=5):
    """Stops a process this harness started, with its process group."""
    if proc.poll() is not None:
        return
    with contextlib.suppress(ProcessLookupError):
        os.killpg(proc.pid, signal.SIGTERM)
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(proc.pid, signal.SIGKILL)
        proc.wait(grace)


# ---------------------------------------------------------------- wine

class Wine:
    """A private WINEPREFIX, initialised once and then reused by every test of the build."""

    def __init__(self, prefix, display):
        self.prefix = os.path.abspath(prefix)
        self.display = display

    def env(self, debug="-all"):
        return dict(self.display.env(), WINEPREFIX=self.prefix, WINEDEBUG=debug,
                    WINEDLLOVERRIDES=DLL_OVERRIDES)

    def prepare(self):
        parent = os.path.dirname(self.prefix)
        os.makedirs(parent, exist_ok=True)
        stamp = os.path.join(self.prefix, ".zornavit-e2e-ready-3")
        with open(self.prefix + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            self.kill_server()
            if not os.path.exists(stamp):
                log("initialising wine prefix", self.prefix, "(first time only)")
                shutil.rmtree(self.prefix, ignore_errors=True)
                subprocess.run([WINE, "wineboot", "-i"], env=self.env(), check=True, timeout=600,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                # Without a window manager nobody would draw the frame: let wine draw it, so the
                # X window is the whole Win32 window and the close box can be clicked.
                self.reg("add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated", "/d", "N", "/f")
                # The program's Windows faces are missing here; without these the fallback is the
                # wide DejaVu Sans: the face's longest row runs past the window's edge, and the
                # dialogs' units (from "MS Sans Serif") grow so that the check box covers its label.
                for face, replacement in FONT_REPLACEMENTS.items():
                    self.reg("add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", face, "/d",
                             replacement, "/f")
                self.kill_server()
                with open(stamp, "w") as f:
                    f.write("ok\n")
        # Wine's own start-up windows, if any, must be gone before a test looks at the screen.
        wait_for(lambda: not self.display.windows("."), 60, "wine's own windows to go")
        return self

    def kill_server(self):
        subprocess.run([WINESERVER, "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        subprocess.run([WINESERVER, "-w"], env=self.env(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)

    def run(self, args, cwd=None, timeout=120):
        return subprocess.run([WINE, *args], env=self.env(), cwd=cwd, capture_output=True,
                              text=True, timeout=timeout)

    def reg(self, *args, cwd=None):
        r = self.run(["reg", *args], cwd=cwd)
        if r.returncode != 0:
            raise Failure(f"reg {' '.join(args)} failed: {r.stdout.strip()} {r.stderr.strip()}")
        return r

    def set_values(self, values):
        """Replaces the program's key by one holding the given values, name -> (type number,
        bytes), in one wine start; None deletes the key."""
        text = f"[-{KEY}]\n"
        if values is not None:
            text += f"\n[{KEY}]\n" + "".join(f'"{n}"={reg_data(*v)}\n' for n, v in values.items())
        with tempfile.TemporaryDirectory() as tmp:
            with open(os.path.join(tmp, "import.reg"), "w", encoding="utf-16") as f:
                f.write("Windows Registry Editor Version 5.00\n\n" + text + "\n")
            self.reg("import", "import.reg", cwd=tmp)

    def values(self):
        """The key's values as name -> (type number, bytes); None when the key does not exist.
        An export started while the program's wineserver is shutting down can fail: tried thrice."""
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "export.reg")
            for _ in range(3):
                if self.run(["reg", "export", KEY, "export.reg", "/y"], cwd=tmp).returncode == 0:
                    break
            if not os.path.exists(path):
                return None
            with open(path, "rb") as f:
                raw = f.read()
        text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode()
        return parse_reg_export(text)


def parse_reg_export(text):
    values = {}
    for name, data in re.findall(r'^"(.*?)"=(.*)$', re.sub(r"\\\r?\n\s*", "", text), re.M):
        data = data.strip()
        if data.startswith("dword:"):
            values[name] = dword(int(data[6:], 16))
        elif data.startswith('"'):
            values[name] = (REG_SZ, data[1:-1].encode())
        else:  # hex: is binary, hex(n): type n
            kind, hexed = data.split(":", 1)
            values[name] = (int(kind[4:-1] or "3", 16), bytes.fromhex(hexed.replace(",", "")))
    return values


def reg_data(kind, data):
    if kind == REG_DWORD and len(data) == 4:
        return "dword:%08x" % int.from_bytes(data, "little")
    if kind == REG_SZ:
        return '"%s"' % data.decode()
    return ("hex:" if kind == REG_BINARY else "hex(%x):" % kind) + ",".join("%02x" % b for b in data)


def dword(value):
    return (REG_DWORD, (value & 0xFFFFFFFF).to_bytes(4, "little"))


def pack(low, high):
    return (high & 0xFFFF) << 16 | (low & 0xFFFF)


WIDTH, HEIGHT = 224, 259  # the window's outer size with tracking on; 17 less with it off
LOW = HEIGHT - 17


def saved(x, y, w, h, grey, size, fill, row, tracking, grouping=0):
    """The values as the program saves them."""
    return {
        "WindowPos": dword(pack(x, y)), "WindowSize": dword(pack(w, h)), "WindowShow": dword(1),
        "StupneSedi": dword(grey), "VelkostObjektu": dword(size), "percento_vyplne": dword(fill),
        "Volba": dword(row), "InfoKurzor": (REG_BINARY, bytes([tracking])),
        "Spajanie": dword(grouping),
    }


def store(session, **changes):
    """Replaces the key by what a first run on 1920 x 1080 saves, with the given changes
    (None drops a value)."""
    values = dict(saved(848, 411, WIDTH, LOW, 0, 20, 70, 1, 0), **changes)
    session.wine.set_values({name: value for name, value in values.items() if value is not None})


def check_mode(app, x, y, tracking):
    """The window's rectangle and mode, tall and topmost without a minimize box with tracking on,
    once reached: a change made in a dialog reaches the window a moment after the dialog has gone."""
    height = HEIGHT if tracking else LOW
    want, last = ((x, y, x + WIDTH, y + height), tracking, not tracking), [None]

    def reached():
        f = app.probe()
        last[0] = (f["window"], bool(f["exstyle"] & 0x8), bool(f["style"] & 0x20000))
        return last[0] == want
    with contextlib.suppress(Failure):
        wait_for(reached, 10, "the window's mode")
    check_equal(last[0], want, "window rectangle, topmost (WS_EX_TOPMOST), minimize box")
    check_equal(app.geometry(), (x, y, WIDTH, height), "the X window's rectangle")


# ---------------------------------------------------------------- the program

class App:
    """One run of the program in its own working directory."""

    def __init__(self, session, workdir, trace=False):
        self.session = session
        self.workdir = workdir
        self.display = session.display
        os.makedirs(workdir, exist_ok=True)
        self.stderr_path = os.path.join(workdir, "wine-stderr.txt")
        debug = "-all,trace+reg" if trace else "-all"
        with open(self.stderr_path, "w") as err:
            self.proc = subprocess.Popen([WINE, session.exe], cwd=workdir,
                                         env=session.wine.env(debug), stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=err,
                                         start_new_session=True)
        session.apps.append(self)
        started = time.monotonic()
        try:
            self.window = wait_for(self._single_window, 60, "the program's window")
        except Failure as failure:
            raise Failure(f"{failure}; the program's messages are in {self.stderr_path}") from None
        self.wait_settled()
        log(f"program up in {time.monotonic() - started:.1f} s, window", self.geometry())
        self.display.xdotool("windowfocus", "--sync", self.window, timeout=10)

    def _single_window(self):
        check(self.proc.poll() is None, "the program is running", "running",
              f"exited with {self.proc.returncode}")
        found = self.display.windows()
        check(len(found) <= 1, "one window named ' Objekty'", 1, len(found))
        return found[0] if found else None

    def wait_settled(self):
        """Waits until the window's rectangle has stopped changing (creation, then the mode's resize)."""
        wait_steady(self.geometry, 6, 20, "the window to settle")

    def geometry(self):
        return self.display.geometry(self.window)

    def key(self, *keys):
        check(self.proc.poll() is None, "the program is running before keys are sent")
        self.display.key(*keys)

    @property
    def centre_file(self):
        return os.path.join(self.workdir, "Stredy.txt")

    def search(self, timeout=120):
        """Presses ENTER and returns the bytes of Stredy.txt once the search has written it."""
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.centre_file)
        self.key("Return")
        return self.wait_centre_file(timeout)

    def wait_centre_file(self, timeout=120):
        wait_for(lambda: os.path.isfile(self.centre_file), timeout, "Stredy.txt to be written")

        def read():
            with open(self.centre_file, "rb") as f:
                return f.read()
        return wait_steady(read, 3, 10, "Stredy.txt to be complete")

    def park(self):
        """Puts the cursor on the window's client area, away from every centre, and returns where.
        Wine learns of pointer moves only over its own windows and skips a SetCursorPos to where it
        believes the cursor already is; parked here, every jump is a real move."""
        x, y, w, h = self.geometry()
        spot = (x + w - 12, y + h - 12)
        self.display.move_cursor(*spot)
        return spot

    def tab(self, timeout=20):
        """Parks the cursor, presses TAB and returns where the program put the cursor."""
        park = self.park()
        self.key("Tab")
        where = wait_for(lambda: (lambda c: c if c != park else None)(self.display.cursor()),
                         timeout, "TAB to move the cursor")
        log("TAB put the cursor at", where)
        return where

    def probe(self, *args):
        """Win32 facts from inside wine: "window" and "client" rectangles, "style", "exstyle",
        and for an open dialog its rectangles and controls. With "close", the window is then asked
        to close (WM_SYSCOMMAND SC_CLOSE)."""
        r = self.session.wine.run([self.session.probe, *args], cwd=self.workdir, timeout=60)
        facts = {}
        for line in r.stdout.replace("\r", "").splitlines():
            name, *values = line.split() or [""]
            values = [int(v, 0) for v in values]
            facts[name] = values[0] if len(values) == 1 else tuple(values)
        check_equal(facts.get("found"), 1, "the probe finds the main window")
        return facts

    def wait_exit(self, timeout=30):
        try:
            self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout} s")
        wait_for(lambda: not self.display.windows(), 10, "the window to go")
        return self.proc.returncode

    def close_with(self, *keys):
        self.key(*keys)
        rc = self.wait_exit()
        check_equal(rc, 0, "exit code of the program")

    def stop(self):
        stop_process(self.proc)

    def register_writes(self):
        """How often each of the eight values was written, with the type and size of each write,
        from wine's registry trace."""
        writes = {}
        with open(self.stderr_path, errors="replace") as f:
            for line in f:
                m = re.search(r'NtSetValueKey \([^,]*,L"([^"]*)",(\d+),[^,]*,(\d+)\)', line)
                if m and m.group(1) in VALUE_NAMES:
                    writes.setdefault(m.group(1), []).append((int(m.group(2)), int(m.group(3))))
        return writes


class Session:
    """Display, wine prefix and the runs of one test; stops everything it started."""

    def __init__(self, exe, build_dir, workdir, probe=None, width=1920, height=1080):
        self.exe = exe and os.path.abspath(exe)
        self.probe = os.path.abspath(probe) if probe else None
        self.workdir = os.path.abspath(workdir)
        self.display = Display(width, height)
        self.wine = Wine(os.path.join(build_dir, "e2e-wine"), self.display)
        self.apps = []
        self.runs = 0

    def __enter__(self):
        # A terminated test still stops its Xvfb, program and wineserver on the way out.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
        check(self.exe is None or os.path.isfile(self.exe), "the program is built", self.exe, "missing")
        shutil.rmtree(self.workdir, ignore_errors=True)
        os.makedirs(self.workdir)
        try:
            self.display.start()
            self.wine.prepare()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None and self.display.proc:
            with contextlib.suppress(Exception):
                path = self.display.screenshot(os.path.join(self.workdir, "failure.png"))
                log("screen at the failure:", path)
        for app in self.apps:
            app.stop()
        if self.display.proc:
            with contextlib.suppress(Exception):
                self.wine.kill_server()
        self.display.stop()
        return False

    def start(self, trace=False, workdir=None):
        """Starts the program in a fresh working directory (or the one given)."""
        self.runs += 1
        workdir = workdir or os.path.join(self.workdir, f"run{self.runs}")
        return App(self, workdir, trace)

    def show(self, name, shapes, background=(30, 90, 150), verify=True):
        path = make_screen(os.path.join(self.workdir, name + ".png"),
                           (self.display.width, self.display.height), background, shapes)
        self.display.show(path, verify)
        return path


def main(scenarios, description):
    """Runs one scenario, name -> (function of the session, display size), given on the command line."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--exe", required=True, help="the x86_64 zornavit.exe")
    parser.add_argument("--build-dir", required=True, help="build folder; the wine prefix lives there")
    parser.add_argument("--probe", required=True, help="the window probe built beside the program")
    parser.add_argument("--workdir", help="folder for this scenario's files (default under the build)")
    parser.add_argument("scenario", choices=sorted(scenarios))
    args = parser.parse_args()
    function, (width, height) = scenarios[args.scenario]
    workdir = args.workdir or os.path.join(args.build_dir, "e2e-work", args.scenario)
    started = time.monotonic()
    try:
        with Session(args.exe, args.build_dir, workdir, args.probe, width, height) as session:
            function(session)
    except Failure as failure:
        log(f"FAIL {args.scenario}: {failure} (files in {workdir})")
        return 1
    log(f"PASS {args.scenario} in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    # A Win32 checker program run inside the shared prefix on a private display; its exit status.
    parser = argparse.ArgumentParser(description="Runs a Win32 checker under wine64 on a private Xvfb.")
    parser.add_argument("--build-dir", required=True, help="build folder; the wine prefix lives there")
    parser.add_argument("program", nargs=argparse.REMAINDER, help="the checker and its arguments")
    args = parser.parse_args()
    name = os.path.splitext(os.path.basename(args.program[0]))[0]
    with Session(None, args.build_dir, os.path.join(args.build_dir, "e2e-work", name)) as session:
        r = session.wine.run([os.path.abspath(args.program[0]), *args.program[1:]],
                             cwd=session.workdir, timeout=500)
    print(r.stdout.replace("\r", ""), r.stderr, end="")
    sys.exit(r.returncode)
