#!/usr/bin/env python3
"""Times a search under wine64 on a private 1920 x 1080 Xvfb, for several screens: inside one process
the screen copy, the search and the centre file as the program makes them (zachyt_cas.exe), and from
outside the real program, from ENTER sent with xdotool to "Stredy.txt" written. Prints "name: value"
lines, times in milliseconds."""

import argparse
import os
import statistics
import struct
import subprocess
import sys
import time
import zlib

sys.dont_write_bytecode = True  # keeps the source folder clean
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from ovladac import WINE, Failure, Session, check, dword, log, pack, stop_process  # noqa: E402

WIDTH, HEIGHT = 1920, 1080
MIN_SIZE, FILL = 20, 70  # the program's defaults
STEPS_FILE = "casy.txt"  # ZORNAVIT_CASY: the program appends its own step times of each ENTER
UP_TO_FILE = ("searching", "hide", "copy", "search", "file")  # the steps before it is written
OUTLINES_GONE = 2.5  # seconds: the outlines stay up for 2


def write_png(path, w, h, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\x00" + rgb[3 * w * y:3 * w * (y + 1)] for y in range(h))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


def values(text):
    out = {}
    for line in text.replace("\r", "").splitlines():
        if ": " in line:
            name, value = line.split(": ", 1)
            out[name.strip()] = value.strip()
    return out


def make_screen(s, timer, name, workdir):
    """Writes the named screen as a PNG and returns (path, grey band it is meant for)."""
    png = os.path.join(workdir, name + ".png")
    if name == "demo":
        subprocess.run([os.path.join(ROOT, "scripts", "demo-screen"), "--size",
                        f"{WIDTH}x{HEIGHT}", png], check=True, timeout=120)
        return png, 0
    r = s.wine.run([timer, "screen", name, name + ".rgb"], cwd=workdir, timeout=300)
    check(r.returncode == 0, f"the {name} screen is written", 0, r.returncode)
    with open(os.path.join(workdir, name + ".rgb"), "rb") as f:
        write_png(png, WIDTH, HEIGHT, f.read())
    return png, int(values(r.stdout)["band"])


def wait_written(path, settle=0.4, timeout=600):
    """Polls the file until it exists and its size has not changed for `settle` seconds; returns
    the monotonic time of its last change."""
    end = time.monotonic() + timeout
    last, changed = None, None
    while time.monotonic() < end:
        try:
            size = os.stat(path).st_size
        except FileNotFoundError:
            size = None
        now = time.monotonic()
        if size != last:
            last, changed = size, now
        elif size is not None and now - changed >= settle:
            return changed
        time.sleep(0.001)
    raise Failure(f"{path} not written within {timeout} s")


def last_steps(path):
    """The program's own times of the steps of its last ENTER (ZORNAVIT_CASY): name -> ms."""
    try:
        with open(path) as f:
            words = f.read().splitlines()[-1].split()
    except (FileNotFoundError, IndexError):
        return {}
    return {name: float(ms) for name, ms in zip(words[::2], words[1::2])}


def time_enter(s, band, runs, timeout):
    """Starts the program with the band at its first-start place, presses ENTER `runs` times in a
    row (each while the outlines of the one before are still up), then once more after they are
    gone; returns (time, steps) per ENTER (time None for a search given up after `timeout`
    seconds), the window rectangle and every centre file written."""
    s.wine.set_values({"WindowPos": dword(pack(WIDTH // 2 - 112, HEIGHT // 2 - 129)),
                       "StupneSedi": dword(band), "VelkostObjektu": dword(MIN_SIZE),
                       "percento_vyplne": dword(FILL), "Volba": dword(1)})
    app = s.start()
    x, y, w, h = app.geometry()
    steps = os.path.join(app.workdir, STEPS_FILE)
    if os.path.exists(steps):
        os.remove(steps)
    enters, centres = [], []
    for k in range(runs + 1):
        if k == runs:
            time.sleep(OUTLINES_GONE)
        if os.path.exists(app.centre_file):
            os.remove(app.centre_file)
        start = time.monotonic()
        app.display.xdotool("key", "Return")
        try:
            enters.append((1000 * (wait_written(app.centre_file, timeout=timeout) - start),
                           last_steps(steps)))
        except Failure:
            enters.append((None, {}))
            app.stop()
            return enters, (x, y, x + w, y + h), centres
        with open(app.centre_file, "rb") as f:
            centres.append(f.read())
    app.close_with("Escape")
    return enters, (x, y, x + w, y + h), centres


def run_timer(s, args, cwd, timeout):
    """Runs zachyt_cas.exe; returns its lines as a dict and whether it finished within timeout."""
    out = os.path.join(cwd, "timer-output.txt")
    with open(out, "w") as f:
        proc = subprocess.Popen([WINE, *args], cwd=cwd, env=s.wine.env(), stdout=f,
                                stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            finished = proc.wait(timeout) == 0
        except subprocess.TimeoutExpired:
            finished = False
        stop_process(proc)
    with open(out) as f:
        return values(f.read()), finished


def xdotool_ms(display, runs=10):
    """What starting xdotool costs, included in every ENTER time."""
    times = []
    for _ in range(runs):
        start = time.monotonic()
        display.xdotool("getmouselocation")
        times.append(1000 * (time.monotonic() - start))
    return statistics.median(times)


def print_steps(label, group):
    """The program's own step times of one or several ENTERs (the median of each step), and what
    the ENTER took outside them up to the file: starting xdotool, the key's way to the program."""
    group = [(t, st) for t, st in group if st]
    if group:
        steps = {k: statistics.median(st[k] for _, st in group) for k in group[0][1]}
        outside = statistics.median(t - sum(st[k] for k in UP_TO_FILE) for t, st in group)
        print(f"{label}_steps_ms: " + " ".join(f"{k} {v:.2f}" for k, v in steps.items())
              + f" (outside the program {outside:.1f})")


def print_enters(name, enters, runs, timeout):
    """The first ENTER, those pressed in a row after it and the one after the outlines had gone,
    each with the program's own step times; returns the first time and the median in a row."""
    done = [e for e in enters if e[0] is not None]
    groups = {"first": done[:1], "in_a_row": done[1:runs], "outlines_gone": done[runs:]}
    for label, group in groups.items():
        times = [t for t, _ in group]
        if not times:
            continue
        if label == "in_a_row":
            print(f"{name}_enter_to_file_in_a_row_median_ms: {statistics.median(times):.1f}")
            print(f"{name}_enter_to_file_in_a_row_min_ms: {min(times):.1f}")
        else:
            print(f"{name}_enter_to_file_{label}_ms: {times[0]:.1f}")
        print_steps(f"{name}_enter_{label}", group)
    if len(done) < len(enters):
        print(f"{name}_enter_to_file: over {timeout:.0f} s, given up")
    row = groups["in_a_row"]
    return (done[0][0] if done else None), (statistics.median(t for t, _ in row) if row else None)


def print_against_copy(name, first, row, found):
    """ENTER against the copy inside one process, with the targets: the first within 15 ms of the
    first copy, those in a row within 12 ms of the copy's median."""
    for label, enter, copy, target in (("first", first, "capture_fast_first_ms", 15),
                                       ("in_a_row", row, "capture_fast_median_ms", 12)):
        if enter is not None and copy in found:
            over = enter - float(found[copy])
            print(f"{name}_enter_{label}_minus_copy_ms: {over:.1f} "
                  f"({'within' if over <= target else 'OVER'} the target {target})")


def measure(s, timer, name, args):
    png, band = make_screen(s, timer, name, s.workdir)
    s.display.show(png)
    log(f"{name}: ENTER in the program, grey setting {band}")
    enters, rect, centres = time_enter(s, band, args.enters, args.timeout)
    first, row = print_enters(name, enters, args.enters, args.timeout)
    if centres:
        print(f"{name}_program_centres: {len(centres[-1].splitlines())}")
        # Those in a row were searched with the outlines of the one before on screen.
        same = len(set(centres)) == 1
        print(f"{name}_same_file_with_and_without_outlines: {'yes' if same else 'NO'}")
    sys.stdout.flush()

    log(f"{name}: the steps inside one process")
    steps = os.path.join(s.workdir, "steps-" + name)
    os.makedirs(steps, exist_ok=True)
    found, finished = run_timer(s, [timer, "time", str(args.repetitions), str(band), str(MIN_SIZE),
                                    str(FILL), *map(str, rect)], steps, args.timeout)
    for key, value in found.items():
        print(f"{name}_{key}: {value}")
    print_against_copy(name, first, row, found)
    if not finished:
        print(f"{name}_timer: over {args.timeout:.0f} s, given up")
    if centres:
        with open(os.path.join(steps, "Stredy.txt"), "rb") as f:
            same = f.read() == centres[-1]
        print(f"{name}_timer_centres_same_as_program: {'yes' if same else 'NO'}")
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True, help="the program (x86_64)")
    parser.add_argument("--timer", required=True, help="zachyt_cas.exe")
    parser.add_argument("--build-dir", required=True, help="bench-wine/ in it holds the wine prefix")
    parser.add_argument("--screens", default="demo,desktop,greyui,noise")
    parser.add_argument("--repetitions", type=int, default=10, help="in-process timings")
    parser.add_argument("--enters", type=int, default=5,
                        help="ENTER presses in a row per screen, then one more after the outlines")
    parser.add_argument("--timeout", type=float, default=120,
                        help="seconds after which a search is given up (the plain search on noise)")
    args = parser.parse_args()
    timer = os.path.abspath(args.timer)
    # A wine prefix of its own: the tests' prefix may be in use, and starting a session stops its
    # wineserver.
    own = os.path.join(os.path.abspath(args.build_dir), "bench-wine")
    os.environ["ZORNAVIT_CASY"] = STEPS_FILE  # relative: in the program's working folder
    try:
        with Session(args.exe, own, os.path.join(own, "work"), width=WIDTH, height=HEIGHT) as s:
            print(f"xdotool_start_ms: {xdotool_ms(s.display):.1f}", flush=True)
            for name in args.screens.split(","):
                measure(s, timer, name, args)
    except Failure as failure:
        log(f"bench-wine failed: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
