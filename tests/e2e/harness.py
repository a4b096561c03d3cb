"""The end-to-end tests' own checks over the driver (scripts/ovladac.py), and the runner of named scenarios."""

import argparse
import contextlib
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from ovladac import HEIGHT, LOW, WIDTH, Failure, Session, check_equal, log, wait_for  # noqa: E402


def check_mode(app, x, y, tracking):
    """Rectangle, topmost, no minimize box with tracking on; a dialog's change comes a moment later."""
    want = ((x, y, x + WIDTH, y + (HEIGHT if tracking else LOW)), tracking, not tracking)
    mode = lambda f: (f["window"], bool(f["exstyle"] & 0x8), bool(f["style"] & 0x20000))  # noqa: E731
    with contextlib.suppress(Failure):
        wait_for(lambda: mode(app.probe()) == want, 10, "the window's mode")
    for got, expected, what in zip(mode(app.probe()), want, ("window rectangle", "topmost", "minimize box")):
        check_equal(got, expected, what)


def dialog_gone(app, name, title):
    """Win32 closes the dialog before wine unmaps its X window; a click meanwhile would land on it."""
    wait_for(lambda: name not in app.probe(), 20, f"the {name} dialog to close")
    wait_for(lambda: not app.display.windows(title), 20, f"the {name} dialog's window to go")



def main(scenarios, description):
    """Runs the named scenarios {name: (function of the session, its keywords)} in the first one's session."""
    parser = argparse.ArgumentParser(description=description)
    for option in ("--exe", "--build-dir", "--probe"):
        parser.add_argument(option, required=True)
    parser.add_argument("scenario", nargs="+", choices=sorted(scenarios))
    args = parser.parse_args()
    name, started = "+".join(args.scenario), time.monotonic()
    workdir = os.path.join(args.build_dir, "e2e-work", name)
    try:
        with Session(args.exe, args.build_dir, workdir, args.probe, **scenarios[args.scenario[0]][1]) as session:
            for scenario in args.scenario:
                scenarios[scenario][0](session)
    except Failure as failure:
        log(f"FAIL {name}: {failure} (files in {workdir})")
        return 1
    log(f"PASS {name} in {time.monotonic() - started:.0f} s")
    return 0
