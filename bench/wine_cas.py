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
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from harness import WINE, Failure, Session, check, dword, log, pack, stop_process  # noqa: E402

WIDTH, HEIGHT = 1920, 1080
MIN_SIZE, FILL = 20, 70  # the program's defaults


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


def time_enter(s, band, runs, timeout):
    """Starts the program with the band at its first-start place, presses ENTER up to `runs` times;
    returns the times (None for a search given up after `timeout` seconds), the window rectangle
    and the last centre file."""
    s.wine.set_values({"WindowPos": dword(pack(WIDTH // 2 - 112, HEIGHT // 2 - 129)),
                       "StupneSedi": dword(band), "VelkostObjektu": dword(MIN_SIZE),
                       "percento_vyplne": dword(FILL), "Volba": dword(1)})
    app = s.start()
    x, y, w, h = app.geometry()
    times, centres = [], None
    for _ in range(runs):
        if os.path.exists(app.centre_file):
            os.remove(app.centre_file)
        start = time.monotonic()
        app.display.xdotool("key", "Return")
        try:
            times.append(1000 * (wait_written(app.centre_file, timeout=timeout) - start))
        except Failure:
            times.append(None)
            app.stop()
            return times, (x, y, x + w, y + h), None
        with open(app.centre_file, "rb") as f:
            centres = f.read()
    app.close_with("Escape")
    return times, (x, y, x + w, y + h), centres


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


def measure(s, timer, name, args):
    png, band = make_screen(s, timer, name, s.workdir)
    s.display.show(png)
    log(f"{name}: ENTER in the program, grey setting {band}")
    enters, rect, centres = time_enter(s, band, args.enters, args.timeout)
    done = [t for t in enters if t is not None]
    if done:
        print(f"{name}_enter_to_file_first_ms: {done[0]:.1f}")
    if len(done) > 1:
        print(f"{name}_enter_to_file_median_ms: {statistics.median(done[1:]):.1f}")
        print(f"{name}_enter_to_file_min_ms: {min(done[1:]):.1f}")
    if None in enters:
        print(f"{name}_enter_to_file: over {args.timeout:.0f} s, given up")
    else:
        print(f"{name}_program_centres: {len(centres.splitlines())}")
    sys.stdout.flush()

    log(f"{name}: the steps inside one process")
    steps = os.path.join(s.workdir, "steps-" + name)
    os.makedirs(steps, exist_ok=True)
    found, finished = run_timer(s, [timer, "time", str(args.repetitions), str(band), str(MIN_SIZE),
                                    str(FILL), *map(str, rect)], steps, args.timeout)
    for key, value in found.items():
        print(f"{name}_{key}: {value}")
    if not finished:
        print(f"{name}_timer: over {args.timeout:.0f} s, given up")
    if centres is not None:
        with open(os.path.join(steps, "Stredy.txt"), "rb") as f:
            same = f.read() == centres
        print(f"{name}_timer_centres_same_as_program: {'yes' if same else 'NO'}")
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True, help="the program (x86_64)")
    parser.add_argument("--timer", required=True, help="zachyt_cas.exe")
    parser.add_argument("--build-dir", required=True, help="bench-wine/ in it holds the wine prefix")
    parser.add_argument("--screens", default="demo,desktop,greyui,noise")
    parser.add_argument("--repetitions", type=int, default=10, help="in-process timings")
    parser.add_argument("--enters", type=int, default=5, help="ENTER presses per screen")
    parser.add_argument("--timeout", type=float, default=120,
                        help="seconds after which a search is given up (the plain search on noise)")
    args = parser.parse_args()
    timer = os.path.abspath(args.timer)
    # A wine prefix of its own: the tests' prefix may be in use, and starting a session stops its
    # wineserver.
    own = os.path.join(os.path.abspath(args.build_dir), "bench-wine")
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
