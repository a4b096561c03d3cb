"""Drives the real program under wine64 on a private X server: screens, keys, cursor, registry, centre file."""

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

WINE, WINESERVER = "/usr/lib/wine/wine64", "/usr/lib/wine/wineserver"
KEY, WINE_KEY = r"HKEY_CURRENT_USER\Software\Zornavit", r"HKEY_CURRENT_USER\Software\Wine"
VALUE_NAMES = ("WindowPos", "WindowSize", "WindowShow", "StupneSedi", "VelkostObjektu",
               "percento_vyplne", "Volba", "InfoKurzor", "Spajanie", "UkazatObjekty", "Skratky", "Odchylka")
REG_SZ, REG_BINARY, REG_DWORD, REG_QWORD = 1, 3, 4, 11
WIDTH, HEIGHT = 224, 259  # the window's outer size with tracking on; 17 less with it off
LOW = HEIGHT - 17
# The Windows faces are missing here; the wide DejaVu Sans fallback would overflow the face's rows.
FONT_REPLACEMENTS = dict(dict.fromkeys(("Segoe UI", "Tahoma", "MS Sans Serif"), "DejaVu Sans Condensed"),
                         **{"Times New Roman": "DejaVu Serif", "System": "DejaVu Sans"})
# Xorg's dummy driver, for monitors that Xvfb would all put at (0, 0).
XORG_CONF = """Section "ServerFlags" Option "AutoAddDevices" "false" EndSection Section "Monitor" Identifier "m"
HorizSync 5-500 VertRefresh 5-200 EndSection Section "Device" Identifier "d" Driver "dummy" VideoRam 256000 EndSection
Section "Screen" Identifier "s" Device "d" Monitor "m" DefaultDepth 24 SubSection "Display" Virtual %d %d EndSubSection
EndSection"""
VERBOSE = True  # scripts/demo-run turns the log off


class Failure(AssertionError):
    """A check that failed: a test's, or the driver's own (a wait timed out, a tool failed)."""


def check(condition, what, expected=None, got=None):
    if not condition:
        raise Failure(what + ("" if expected is None and got is None else f": expected {expected!r}, got {got!r}"))


check_equal = lambda got, expected, what: check(got == expected, what, expected, got)  # noqa: E731


def wait_for(probe, timeout, what, interval=0.05):
    end = time.monotonic() + timeout
    while not (value := probe()):
        check(time.monotonic() < end, f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)
    return value


def wait_steady(read, times, timeout, what):
    seen = []

    def steady():
        seen.append(read())
        return seen[-times - 1:] == [seen[-1]] * (times + 1)
    wait_for(steady, timeout, what)
    return seen[-1]


def log(*parts):
    if VERBOSE:
        print(time.strftime("%H:%M:%S"), *parts, flush=True)


def rgb(path, crop=None):
    return subprocess.run(["convert", path, *(["-crop", crop, "+repage"] if crop else []), "-depth", "8", "rgb:-"],
                          capture_output=True, check=True, timeout=60).stdout


def stop_process(proc, grace=5):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
            if proc.poll() is None:
                os.killpg(proc.pid, sig)
                proc.wait(grace)


class Display:
    """A private Xvfb, or with monitors (xrandr arguments) Xorg's dummy driver."""

    def __init__(self, width=1920, height=1080, monitors=None, folder=None):
        self.width, self.height, self.monitors, self.folder, self.proc = width, height, monitors, folder, None

    def start(self):
        read, write = os.pipe()
        args = ["Xvfb", "-screen", "0", f"{self.width}x{self.height}x24"]
        if self.monitors:
            with open(conf := os.path.join(self.folder, "xorg.conf"), "w") as f:
                f.write(XORG_CONF % (self.width, self.height))
            args = ["Xorg", "-config", conf, "-logfile", conf + ".log", "-novtswitch", "-sharevts"]
        self.proc = subprocess.Popen(args + ["-displayfd", str(write), "-nolisten", "tcp", "-noreset"], pass_fds=(write,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        with os.fdopen(read) as f:
            self.name = ":" + f.readline().strip()
        check(self.name != ":", f"{args[0]} starts")
        for xrandr in self.monitors or ():  # wine reads the outputs as the last query left them
            subprocess.run(["xrandr", *xrandr.split()], env=self.env(), check=True, timeout=30, stdout=subprocess.DEVNULL)
        log(args[0], self.name, f"{self.width}x{self.height}")

    env = lambda self: dict(os.environ, DISPLAY=self.name)  # noqa: E731

    def xdotool(self, *args, timeout=20):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env(), capture_output=True, text=True, timeout=timeout)
        check(r.returncode == 0, f"xdotool {' '.join(map(str, args))}", "success", r.stderr.strip())
        return r.stdout

    def show(self, image, verify=True):
        """Puts the image on the root window; verified, the screen must then show exactly it."""
        subprocess.run(["display", "-display", self.name, "-window", "root", image], capture_output=True, timeout=60)
        if verify:
            r = subprocess.run(["compare", "-metric", "AE", self.screenshot(os.path.join(self.folder, "shown.png")),
                                image, "null:"], capture_output=True, text=True, timeout=60)
            check_equal(r.stderr.strip(), "0", f"pixels of the screen unlike {image}")

    def screenshot(self, path):
        return subprocess.run(["import", "-display", self.name, "-window", "root", path], check=True, timeout=60) and path

    def _shell(self, *args):
        out = self.xdotool(args[0], "--shell", *args[1:]).split()
        return {k: int(v) for k, v in (w.split("=", 1) for w in out) if v.lstrip("-").isdigit()}

    cursor = lambda self: tuple(self._shell("getmouselocation")[k] for k in "XY")  # noqa: E731

    def move_cursor(self, x, y):
        if self.cursor() != (x, y):  # under wine, --sync waits long for a move that is not needed
            self.xdotool("mousemove", "--sync", x, y)
        wait_for(lambda: self.cursor() == (x, y), 5, f"cursor at {(x, y)}")

    def click(self, x, y):
        self.move_cursor(x, y)
        self.xdotool("click", "1")

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", k)
            time.sleep(0.03)

    def windows(self, name="^ Objekty$"):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env(),
                           capture_output=True, text=True, timeout=20)
        return [int(w) for w in r.stdout.split()]

    def geometry(self, window):
        return tuple(self._shell("getwindowgeometry", window)[k] for k in ("X", "Y", "WIDTH", "HEIGHT"))


class Wine:
    """A private WINEPREFIX, made once, reused by every test of the build."""

    def __init__(self, prefix, display):
        self.prefix, self.display = os.path.abspath(prefix), display

    def env(self, debug="-all"):
        # Mono and Gecko would ask to be downloaded; the menu builder would write desktop files.
        return dict(self.display.env(), WINEPREFIX=self.prefix, WINEDEBUG=debug,
                    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")

    def prepare(self):
        os.makedirs(os.path.dirname(self.prefix), exist_ok=True)
        stamp = os.path.join(self.prefix, ".zornavit-e2e-ready-4")
        with open(self.prefix + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            self.kill_server()
            if not os.path.exists(stamp):
                log("initialising wine prefix", self.prefix, "(first time only)")
                shutil.rmtree(self.prefix, ignore_errors=True)
                subprocess.run([WINE, "wineboot", "-i"], env=self.env(), check=True, capture_output=True, timeout=600)
                # Without a window manager wine draws the frame: the X window is the whole Win32 window.
                fonts = "".join(f'"{face}"="{replacement}"\n' for face, replacement in FONT_REPLACEMENTS.items())
                self.import_reg(f'[{WINE_KEY}\\X11 Driver]\n"Decorated"="N"\n[{WINE_KEY}\\Fonts\\Replacements]\n{fonts}')
                self.kill_server()
                open(stamp, "w").close()
        wait_for(lambda: not self.display.windows("."), 60, "wine's own windows to go")

    def kill_server(self):
        for flag in ("-k", "-w"):
            subprocess.run([WINESERVER, flag], env=self.env(), capture_output=True, timeout=60)

    def run(self, args, cwd=None, timeout=120):
        return subprocess.run([WINE, *args], env=self.env(), cwd=cwd, capture_output=True, text=True, timeout=timeout)

    def import_reg(self, text):
        with tempfile.TemporaryDirectory() as tmp:
            with open(os.path.join(tmp, "i.reg"), "w", encoding="utf-16") as f:
                f.write("Windows Registry Editor Version 5.00\n\n" + text)
            r = self.run(["reg", "import", "i.reg"], cwd=tmp)
        check(r.returncode == 0, "reg import", "success", r.stdout.strip() + r.stderr.strip())

    def set_values(self, values):
        """Replaces the program's key by one holding values, name -> (type, bytes); None deletes it."""
        text = "".join(f'"{n}"={reg_data(*v)}\n' for n, v in (values or {}).items())
        self.import_reg(f"[-{KEY}]\n" + ("" if values is None else f"[{KEY}]\n{text}"))

    def values(self):
        """The key's values, name -> (type, bytes), or None; tried thrice (the wineserver may be ending)."""
        with tempfile.TemporaryDirectory() as tmp:
            if not any(self.run(["reg", "export", KEY, "e.reg", "/y"], cwd=tmp).returncode == 0 for _ in range(3)):
                return None
            with open(os.path.join(tmp, "e.reg"), "rb") as f:
                text = re.sub(r"\\\r?\n\s*", "", f.read().decode("utf-16"))
        # dword:, "text", hex: (binary) or hex(n): (type n)
        return {name: dword(int(data[6:], 16)) if data.startswith("dword:") else (REG_SZ, data[1:-1].encode())
                if data.startswith('"') else (int(data.split(":")[0][4:-1] or "3", 16), bytes.fromhex(
                    data.split(":")[1].replace(",", ""))) for name, data in re.findall(r'^"(.*?)"=(.*?)\r?$', text, re.M)}


def reg_data(kind, data):
    if kind == REG_DWORD and len(data) == 4:
        return "dword:%08x" % int.from_bytes(data, "little")
    if kind == REG_SZ:
        return '"%s"' % data.decode()
    return ("hex:" if kind == REG_BINARY else "hex(%x):" % kind) + ",".join("%02x" % b for b in data)


dword = lambda value: (REG_DWORD, (value & 0xFFFFFFFF).to_bytes(4, "little"))  # noqa: E731
pack = lambda low, high: (high & 0xFFFF) << 16 | (low & 0xFFFF)  # noqa: E731
centres = lambda points: b"".join(b"%d,%d\r\n" % p for p in points)  # noqa: E731
middle = lambda box: ((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)  # noqa: E731


def saved(x, y, w, h, grey, size, fill, row, tracking, grouping=0, tolerance=0):
    return dict(zip(VALUE_NAMES, [dword(pack(x, y)), dword(pack(w, h)), dword(1), dword(grey), dword(size),
                                  dword(fill), dword(row), (REG_BINARY, bytes([tracking])), dword(grouping),
                                  dword(1), dword(1), dword(tolerance)]))


def store(session, **changes):
    """Replaces the key by what a first run on 1920 x 1080 saves, changed (None drops a value)."""
    values = dict(saved(848, 411, WIDTH, LOW, 0, 20, 70, 1, 0), **changes)
    session.wine.set_values({n: v for n, v in values.items() if v is not None})


class App:

    def __init__(self, session, workdir, trace=False):
        self.session, self.workdir, self.display = session, workdir, session.display
        os.makedirs(workdir, exist_ok=True)
        self.stderr_path, self.centre_file = (os.path.join(workdir, n) for n in ("wine-stderr.txt", "Stredy.txt"))
        session.apps.append(self)
        for attempt in (1, 2):
            with open(self.stderr_path, "w") as err:
                self.proc = subprocess.Popen([WINE, session.exe], cwd=workdir, stdin=subprocess.DEVNULL, stdout=err,
                                             env=session.wine.env("-all,trace+reg" if trace else "-all"),
                                             stderr=err, start_new_session=True)
            try:
                self.window = wait_for(self._single_window, 60, f"the program's window (messages in {self.stderr_path})")
                break
            except Failure:
                # A start meeting the wineserver's end exits at once with status 1 (the program never does).
                if attempt == 2 or self.proc.returncode != 1:
                    raise
                log("the program ended at its start with status 1: started again")
        wait_steady(self.geometry, 6, 20, "the window to settle")  # creation, then the mode's resize
        self.display.xdotool("windowfocus", "--sync", self.window, timeout=10)

    def _single_window(self):
        check(self.proc.poll() is None, "the program is running", "running", self.proc.returncode)
        check(len(found := self.display.windows()) <= 1, "one window named ' Objekty'", 1, len(found))
        return found and found[0]

    geometry = lambda self: self.display.geometry(self.window)  # noqa: E731

    def key(self, *keys):
        check(self.proc.poll() is None, "the program is running before keys are sent")
        self.display.key(*keys)

    def search(self, timeout=120, key="Return"):
        """Presses ENTER (or the key) and returns the bytes of Stredy.txt once the search has written them."""
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.centre_file)
        self.key(key)
        wait_for(lambda: os.path.isfile(self.centre_file), timeout, f"Stredy.txt to be written after {key}")
        return wait_steady(lambda: open(self.centre_file, "rb").read(), 3, 10, "Stredy.txt to be whole")

    def park(self):
        """The cursor onto the window, off the centres: wine skips a SetCursorPos to where it believes it is."""
        x, y, w, h = self.geometry()
        self.display.move_cursor(x + w - 12, y + h - 12)
        return x + w - 12, y + h - 12

    def tab(self, timeout=20, key="Tab"):
        park = self.park()
        self.key(key)
        return wait_for(lambda: (lambda c: c != park and c)(self.display.cursor()), timeout, f"{key} to move the cursor")

    def probe(self, *args):
        """Win32 facts: rectangles, styles, an open dialog's controls; "close" then closes the window."""
        out = self.session.wine.run([self.session.probe, "sonda", *args], cwd=self.workdir, timeout=60).stdout
        facts = {}
        for name, *values in (line.split() for line in out.splitlines() if line.strip()):
            facts[name] = int(values[0], 0) if len(values) == 1 else tuple(int(v, 0) for v in values)
        check_equal(facts.get("found"), 1, "the probe finds the main window")
        return dict(facts, client=facts["window_client"])

    def wait_exit(self, timeout=30):
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.proc.wait(timeout)
        check(self.proc.poll() is not None, f"the program ends within {timeout} s")
        wait_for(lambda: not self.display.windows(), 10, "the window to go")
        return self.proc.returncode

    def close_with(self, *keys):
        self.key(*keys)
        check_equal(self.wait_exit(), 0, "exit code of the program")

    stop = lambda self: stop_process(self.proc)  # noqa: E731


class Session:

    def __init__(self, exe, build_dir, workdir, probe=None, width=1920, height=1080, monitors=None):
        self.exe, self.probe = exe and os.path.abspath(exe), probe and os.path.abspath(probe)
        self.workdir, self.apps = os.path.abspath(workdir), []
        self.display = Display(width, height, monitors, self.workdir)
        self.wine = Wine(os.path.join(build_dir, "e2e-wine"), self.display)

    def __enter__(self):
        # A terminated test still stops its X server, program and wineserver on the way out.
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
        if kind:
            with contextlib.suppress(Exception):
                log("screen at the failure:", self.display.screenshot(os.path.join(self.workdir, "failure.png")))
        for app in self.apps:
            app.stop()
        if self.display.proc:
            with contextlib.suppress(Exception):
                self.wine.kill_server()
            stop_process(self.display.proc)

    def start(self, trace=False, workdir=None):
        return App(self, workdir or os.path.join(self.workdir, f"run{len(self.apps) + 1}"), trace)

    def show(self, name, shapes, background=(30, 90, 150), verify=True):
        """Shows the background with each (rgb, (x0, y0, x1, y1)) box, corners inclusive, in order."""
        path = os.path.join(self.workdir, name + ".png")
        d = [a for c, b in shapes for a in ("-fill", "rgb(%d,%d,%d)" % c, "-draw", "rectangle %d,%d %d,%d" % b)]
        subprocess.run(["convert", "-size", f"{self.display.width}x{self.display.height}",
                        "xc:rgb(%d,%d,%d)" % background, "+antialias", *d, "-type", "TrueColor", "PNG24:" + path],
                       check=True, timeout=60)
        self.display.show(path, verify)
        return path
