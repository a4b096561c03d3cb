#!/usr/bin/env python3
"""The program on two monitors under Xorg's dummy driver (Xvfb puts every screen at 0, 0): a
1280 x 1024 monitor left of a 1920 x 1080 primary, under it a strip (y 1024..1079) on no monitor.
Wine puts the primary at (0, 0): a screen point is the X root point less 1280 in x."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import check, check_equal, dword, log, pack, store, wait_for  # noqa: E402

XORG_CONF = """Section "ServerFlags" Option "AutoAddDevices" "false" EndSection
Section "Monitor" Identifier "m" HorizSync 5-500 VertRefresh 5-200 EndSection
Section "Device" Identifier "d" Driver "dummy" VideoRam 256000 EndSection
Section "Screen" Identifier "s" Device "d" Monitor "m" DefaultDepth 24
  SubSection "Display" Virtual 3200 1080 EndSubSection EndSection
"""
# The last, plain query makes the server re-probe its outputs; wine reads only the current state.
XRANDR = ("--addmode DUMMY1 1280x1024", "--output DUMMY0 --mode 1920x1080 --pos 1280x0 --primary "
          "--output DUMMY1 --mode 1280x1024 --pos 0x0", "")
GREY = (20, 20, 20)  # band 0, as the black of the strip
# The strip (black, as Windows shows it); objects on the left monitor, on the primary, across both
# (the window covers its right half), cut by the strip, wholly in it. Screen coordinates.
SHAPES = [((0, 0, 0), (-1280, 1024, -1, 1079)), (GREY, (-1200, 100, -1161, 129)),
          (GREY, (100, 100, 139, 139)), (GREY, (-20, 500, 19, 529)),
          (GREY, (-800, 1000, -761, 1049)), (GREY, (-400, 1030, -361, 1069))]
CENTRES = [(-1180, 114), (119, 119), (-10, 514), (-780, 1011)]  # truncated toward zero


class Xorg(harness.Display):
    folder = "e2e-xorg"

    def start(self):
        os.makedirs(self.folder, exist_ok=True)
        with open(os.path.join(self.folder, "xorg.conf"), "w") as f:
            f.write(XORG_CONF)
        read, write = os.pipe()
        self.proc = subprocess.Popen(
            ["Xorg", "-displayfd", str(write), "-config", os.path.join(self.folder, "xorg.conf"),
             "-logfile", os.path.join(self.folder, "log"), "-noreset", "-nolisten", "tcp",
             "-novtswitch", "-sharevts"], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        with os.fdopen(read) as f:
            self.name = ":" + f.readline().strip()
        check(self.name != ":", f"Xorg starts (log in {self.folder})")
        for args in XRANDR:
            subprocess.run(["xrandr", *args.split()], env=self.env(), check=True, timeout=30,
                           stdout=subprocess.DEVNULL)
        return self


def two_monitors(s):
    s.show("screen", [(rgb, (x0 + 1280, y0, x1 + 1280, y1)) for rgb, (x0, y0, x1, y1) in SHAPES])
    store(s, WindowPos=dword(pack(0, 480)))
    app = s.start()
    check_equal(app.search(), b"".join(b"%d,%d\r\n" % c for c in CENTRES), "Stredy.txt")
    for centre in CENTRES:
        check_equal((lambda x, y: (x - 1280, y))(*app.tab()), centre, "TAB")
    log("run: closed partly off the left monitor, pulled onto it; opened there again")
    s.display.xdotool("windowmove", "--sync", app.window, -30, 300)
    wait_for(lambda: app.probe()["window"][:2] == (-1310, 300), 20, "the window at (-1310, 300)")
    app.close_with("Escape")
    check_equal(s.wine.values()["WindowPos"], dword(pack(-1280, 300)), "saved position")
    for pos, opened in ((None, (-1280, 300)), ((-600, 1030), (848, 411))):  # as saved; in the strip
        if pos:
            store(s, WindowPos=dword(pack(*pos)))
        app = s.start()
        check_equal(app.probe()["window"][:2], opened, f"opened from {pos}")
        app.close_with("Escape")
    log("batch: /hladaj over both monitors, nothing left out, the window closed")
    check_equal(s.wine.run([s.exe, "/hladaj"], cwd=s.workdir).returncode, 0, "/hladaj exit status")
    with open(os.path.join(s.workdir, "Stredy.txt"), "rb") as f:
        check_equal(f.read(), b"".join(b"%d,%d\r\n" % c for c in CENTRES[:2] + [(0, 514)] + CENTRES[3:]),
                    "the batch search's Stredy.txt")


if __name__ == "__main__":
    known = argparse.ArgumentParser(add_help=False)
    known.add_argument("--build-dir", default=".")
    Xorg.folder = os.path.join(os.path.abspath(known.parse_known_args()[0].build_dir), Xorg.folder)
    harness.Display = Xorg
    sys.exit(harness.main({"two_monitors": (two_monitors, (3200, 1080))}, __doc__))
