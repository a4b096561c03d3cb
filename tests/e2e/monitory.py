#!/usr/bin/env python3
"""The program on two monitors: Xorg's dummy driver, a 1280 x 1024 monitor left of a 1920 x 1080
primary, and under it a strip (y 1024..1079) on no monitor. Wine puts the primary at (0, 0), so a
screen point is the X root point less 1280 in x."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keeps the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import check, check_equal, dword, log, pack, store, wait_for  # noqa: E402

XORG_CONF = """Section "ServerFlags"
  Option "AutoAddDevices" "false"
EndSection
Section "Monitor"
  Identifier "m"
  HorizSync 5 - 500
  VertRefresh 5 - 200
EndSection
Section "Device"
  Identifier "d"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Screen"
  Identifier "s"
  Device "d"
  Monitor "m"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1920x1080" "1280x1024"
    Virtual 3200 1080
  EndSubSection
EndSection
"""
LAYOUT = (["--addmode", "DUMMY1", "1280x1024"],
          ["--output", "DUMMY0", "--mode", "1920x1080", "--pos", "1280x0", "--primary",
           "--output", "DUMMY1", "--mode", "1280x1024", "--pos", "0x0"],
          [])  # a full query: wine reads only the state the server has re-probed
DX = 1280
GREY, BLACK = (20, 20, 20), (0, 0, 0)
# Screen rectangles of the objects (grey band 0, like the black of the strip) and their centres.
SHAPES = [(BLACK, (-1280, 1024, -1, 1079)),      # the strip: shown black, as Windows shows it
          (GREY, (-1200, 100, -1161, 129)),      # on the left monitor
          (GREY, (100, 100, 139, 139)),          # on the primary
          (GREY, (-20, 500, 19, 529)),           # across the two monitors
          (GREY, (-800, 1000, -761, 1049)),      # cut by the strip
          (GREY, (-400, 1030, -361, 1069))]      # wholly in it
CENTRES = [(-1180, 114), (119, 119), (0, 514), (-780, 1011)]


class Xorg(harness.Display):
    """Xorg with the dummy driver instead of Xvfb; its configuration and log in the build folder."""

    folder = "xorg"

    def start(self):
        folder = self.folder
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "xorg.conf"), "w") as f:
            f.write(XORG_CONF)
        read, write = os.pipe()
        self.proc = subprocess.Popen(
            ["Xorg", "-displayfd", str(write), "-config", os.path.join(folder, "xorg.conf"),
             "-logfile", os.path.join(folder, "log"),
             "-noreset", "-nolisten", "tcp", "-novtswitch", "-sharevts"], pass_fds=(write,),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write)
        with os.fdopen(read) as f:
            self.name = ":" + f.readline().strip()
        check(self.name != ":", "Xorg starts", "a display number", f"none (see {folder}/log)")
        for args in LAYOUT:
            subprocess.run(["xrandr", *args], env=self.env(), check=True, timeout=30,
                           stdout=subprocess.DEVNULL)
        log("Xorg", self.name, "pid", self.proc.pid)
        return self


def on_screen(app):
    """The window's top-left corner in screen coordinates, from inside wine."""
    return app.probe()["window"][:2]


def two_monitors(s):
    s.show("screen", [(rgb, (x0 + DX, y0, x1 + DX, y1)) for rgb, (x0, y0, x1, y1) in SHAPES])
    store(s, WindowPos=dword(pack(1500, 600)))
    app = s.start()
    check_equal(app.search(), b"".join(b"%d,%d\r\n" % c for c in CENTRES),
                "Stredy.txt: both monitors, nothing of the strip")
    for centre in CENTRES:
        x, y = app.tab()
        check_equal((x - DX, y), centre, "TAB")

    log("run: moved partly off the left monitor, pulled onto it at the close")
    s.display.xdotool("windowmove", "--sync", app.window, -30, 300)
    wait_for(lambda: on_screen(app) == (-1310, 300), 20, "the window at (-1310, 300)")
    app.close_with("Escape")
    check_equal(s.wine.values()["WindowPos"], dword(pack(-1280, 300)), "saved position")
    app = s.start()
    check_equal(on_screen(app), (-1280, 300), "opened where it was closed")
    app.close_with("Escape")

    log("run: a position in the strip opens centred on the primary")
    store(s, WindowPos=dword(pack(-600, 1030)))
    app = s.start()
    check_equal(on_screen(app), (848, 411), "opened centred")
    app.close_with("Escape")


if __name__ == "__main__":
    known = argparse.ArgumentParser(add_help=False)
    known.add_argument("--build-dir", default=".")
    Xorg.folder = os.path.join(os.path.abspath(known.parse_known_args()[0].build_dir), "e2e-xorg")
    harness.Display = Xorg
    sys.exit(harness.main({"two_monitors": (two_monitors, (3200, 1080))}, __doc__))
