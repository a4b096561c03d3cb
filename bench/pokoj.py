#!/usr/bin/env python3
"""The program at rest and at its peak, under wine64 on private Xvfbs: its peak memory (VmHWM) after a
search at 1920 x 1080, 3840 x 2160 and 7680 x 4320, and the processor time it takes over 20 s with
the cursor still, readout off and on (utime + stime from /proc/PID/stat, and the X server's beside
it, which answers the readout's pixel reads). Prints "name: value" lines."""

import argparse
import os
import sys
import time

sys.dont_write_bytecode = True  # keeps the source folder clean
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from ovladac import REG_BINARY, Session, dword, store  # noqa: E402

GREY = (20, 20, 20)
TICK = os.sysconf("SC_CLK_TCK")


def status(pid, name):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith(name + ":"))


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK  # utime and stime, fields 14 and 15


def peak_memory(args, w, h, name):
    with Session(args.exe, args.build_dir, os.path.join(args.build_dir, "bench-pokoj", name),
                 args.probe, w, h) as s:
        boxes = [(0, 0, 39, 29), (w - 40, 0, w - 1, 39), (w // 3, h // 3, w // 3 + 59, h // 3 + 59)]
        s.show(name, [(GREY, b) for b in boxes], verify=False)
        store(s, WindowPos=dword(100 | 100 << 16))
        app = s.start()
        before = status(app.proc.pid, "VmRSS")
        app.search(timeout=300)
        print(f"{name}_rss_before_search_mb: {before / 1024:.0f}")
        print(f"{name}_peak_after_search_mb: {status(app.proc.pid, 'VmHWM') / 1024:.0f}", flush=True)
        app.close_with("Escape")


def idle_cpu(args, seconds):
    with Session(args.exe, args.build_dir, os.path.join(args.build_dir, "bench-pokoj", "cpu"),
                 args.probe) as s:
        s.show("still", [(GREY, (100, 100, 139, 129))], verify=False)
        for readout in (0, 1):
            store(s, InfoKurzor=(REG_BINARY, bytes([readout])))
            app = s.start()
            s.display.move_cursor(500, 500)  # on the desktop, away from the window's own readout
            time.sleep(2)  # the start's own work done, the readout slowed down
            pids = {"program": app.proc.pid, "xvfb": s.display.proc.pid}
            start = {k: cpu_seconds(p) for k, p in pids.items()}
            time.sleep(seconds)
            for k, p in pids.items():
                share = 100 * (cpu_seconds(p) - start[k]) / seconds
                print(f"idle_{k}_cpu_readout_{'on' if readout else 'off'}_percent: {share:.2f}",
                      flush=True)
            app.close_with("Escape")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--skip", default="", help="memory or cpu")
    args = parser.parse_args()
    if "memory" not in args.skip:
        for w, h, name in ((1920, 1080, "1080p"), (3840, 2160, "4k"), (7680, 4320, "8k")):
            peak_memory(args, w, h, name)
    if "cpu" not in args.skip:
        idle_cpu(args, args.seconds)


if __name__ == "__main__":
    main()
