#!/usr/bin/env python3
"""The batch search (zornavit.exe /hladaj): file, switches, exit status, messages, no window."""

import os
import subprocess
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import WINE, App, check, check_equal, dword, main, store  # noqa: E402

G0, G2 = (20, 20, 20), (70, 70, 70)  # grey bands 0 and 2
SCREEN = [(G0, (100, 100, 139, 129)), (G0, (400, 600, 414, 614)),  # a; d 15 x 15
          (G0, (1000, 800, 1039, 839)), ((30, 90, 150), (1010, 810, 1029, 829)),  # c 75 % filled
          (G2, (300, 900, 329, 929)),  # e
          (G0, (1500, 100, 1519, 119)), (G0, (1520, 120, 1539, 139))]  # p, q touching at a corner
A, D, C, E, P, Q = (119, 114), (407, 607), (1019, 819), (314, 914), (1509, 109), (1529, 129)
OLD = b"1,2\r\n"
# Switches -> exit status and the centres in the file, or 2 and a part of the message.
ROWS = [("/hladaj", [A, P, Q, C]), ("/HLADAJ /stupen 2", [E]),
        ("/hladaj /Velkost:15", [A, P, Q, D, C]), ("/vypln:80 /hladaj", [A, P, Q]),
        ("/hladaj /oblast 200,500,1919,1079 /velkost 15", [D, C]),
        ("/hladaj /oblast:995,795,1010,845 /velkost 10", [(1005, 819)]),  # c cut at its hole
        ("/hladaj /spajanie 4", [A, P, Q, C]), ("/hladaj /spajanie 8", [A, C]),  # p and q: 50 %
        ("/hladaj /spajanie:8 /vypln 50", [A, (1519, 119), C]),
        ("/hladaj /spajanie riadky", [A, P, Q, C]),
        ("/hladaj /oblast 5,5,4,9", "/oblast: „5,5,4,9“"),
        ("/hladaj /stupen 8", "/stupen: „8“ nie je celé číslo od 0 do 7"),
        ("/hladaj /najdi", "neznámy argument „/najdi“"), ("/stupen 1", "len spolu s /hladaj")]


def run(s, args, cwd):
    """One batch run; its exit status, standard output and error. No window may show meanwhile."""
    p = subprocess.Popen([WINE, s.exe, *args.split()], cwd=cwd, env=s.wine.env(),
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    while p.poll() is None:  # wine itself may show a window at times: only the program's count
        mine = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(p.pid)],
                              env=s.display.env(), capture_output=True, text=True).stdout
        check_equal(mine.split(), [], f"the program's windows while {args} runs")
    out, err = p.communicate()
    return p.returncode, out.decode(), err.decode()


def batch(s):
    s.show("screen", SCREEN)
    work, centres = s.workdir, Path(s.workdir, "Stredy.txt")
    s.wine.set_values(None)
    check_equal(run(s, "/hladaj", work)[0], 0, "exit status without a saved key")
    check_equal(s.wine.values(), None, "the key after a batch search (not created)")
    store(s, StupneSedi=dword(2), Spajanie=dword(8))
    check_equal((run(s, "/hladaj", work)[0], centres.read_bytes()), (0, b"314,914\r\n"),
                "exit status and file with grey setting 2 saved")
    check_equal((run(s, "/hladaj /stupen 0", work)[0], centres.read_bytes()),
                (0, b"119,114\r\n1019,819\r\n"), "the saved grouping 8, the grey setting given")
    store(s)
    window = App(s, os.path.join(work, "window"))
    entered = window.search()
    window.close_with("Escape")
    for args, found in ROWS:
        centres.write_bytes(OLD)
        code, _, err = run(s, args, work)
        want = (2, OLD, 1) if isinstance(found, str) else (
            0, b"".join(b"%d,%d\r\n" % p for p in found), 0)
        check_equal((code, centres.read_bytes(), err.count("\n")), want,
                    f"status, file and lines on standard error of {args}")
        check(isinstance(found, list) or found in err, f"the message of {args}", found, err)
    check_equal(centres.read_bytes() if run(s, "/hladaj", work)[0] == 0 else None, entered,
                "the batch file against the window's ENTER")
    check_equal((run(s, "/subor iny.txt /hladaj", work)[0], Path(work, "iny.txt").read_bytes()),
                (0, entered), "/subor")
    centres.unlink()
    os.makedirs(centres / "stary")  # a directory of that name cannot be written
    check_equal((run(s, "/hladaj", work)[0], os.listdir(centres)), (3, ["stary"]),
                "Stredy.txt a directory: exit status 3, the directory as it was")
    code, out, _ = run(s, "/?", work)
    check(code == 0 and "Použitie: zornavit.exe /hladaj" in out, "/? prints the usage", None, out)


if __name__ == "__main__":
    sys.exit(main({"batch": (batch, (1920, 1080))}, __doc__))
