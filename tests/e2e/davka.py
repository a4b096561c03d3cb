#!/usr/bin/env python3
"""The batch search (zornavit.exe /hladaj): centre file, switches, exit status, messages, no window."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import WINE, App, check, check_equal, dword, main, store  # noqa: E402

G0, G2 = (20, 20, 20), (70, 70, 70)  # grey bands 0 and 2
SCREEN = [(G0, (100, 100, 139, 129)), (G0, (400, 600, 414, 614)),  # a; d 15 x 15
          (G0, (1000, 800, 1039, 839)), ((30, 90, 150), (1010, 810, 1029, 829)),  # c 75 % filled
          (G2, (300, 900, 329, 929))]  # e
A, D, C, E = (119, 114), (407, 607), (1019, 819), (314, 914)
OLD = b"1,2\r\n"
# Switches -> exit status, centres in the file (None: the old file left as it was), message part.
ROWS = [
    (["/hladaj"], 0, [A, C], ""),
    (["/HLADAJ", "/stupen", "2"], 0, [E], ""),
    (["/hladaj", "/Velkost:15"], 0, [A, D, C], ""),
    (["/vypln:80", "/hladaj"], 0, [A], ""),
    (["/hladaj", "/oblast", "200,500,1919,1079", "/velkost", "15"], 0, [D, C], ""),
    (["/hladaj", "/oblast:995,795,1010,845", "/velkost", "10"], 0, [(1005, 819)], ""),  # c cut
    (["/hladaj", "/spajanie", "8"], 0, [A, C], ""),
    (["/hladaj", "/stupen", "8"], 2, None, "/stupen: „8“ nie je celé číslo od 0 do 7"),
    (["/hladaj", "/velkost:-1"], 2, None, "/velkost"),
    (["/hladaj", "/vypln", "101"], 2, None, "/vypln"),
    (["/hladaj", "/oblast", "5,5,4,9"], 2, None, "obdĺžnik"),
    (["/hladaj", "/oblast", "1,2,3"], 2, None, "obdĺžnik"),
    (["/hladaj", "/spajanie", "6"], 2, None, "/spajanie"),
    (["/hladaj", "/stupen"], 2, None, "potrebuje hodnotu"),
    (["/hladaj", "/najdi"], 2, None, "neznámy argument „/najdi“"),
    (["/stupen", "1"], 2, None, "/hladaj"),
]


def run(s, args, cwd):
    """One batch run; its exit status, standard output and error. No window may show meanwhile."""
    p = subprocess.Popen([WINE, s.exe, *args], cwd=cwd, env=s.wine.env(), stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE)
    while p.poll() is None:  # wine itself may show a window at times: only the program's count
        mine = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(p.pid)],
                              env=s.display.env(), capture_output=True, text=True).stdout
        check_equal(mine.split(), [], f"the program's windows while {args} runs")
    out, err = p.communicate()
    return p.returncode, out.decode(), err.decode()


def file_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def batch(s):
    s.show("screen", SCREEN)
    work = s.workdir
    centres = os.path.join(work, "Stredy.txt")
    s.wine.set_values(None)
    check_equal(run(s, ["/hladaj"], work)[0], 0, "exit status without a saved key")
    check_equal(s.wine.values(), None, "the key after a batch search (not created)")

    store(s, StupneSedi=dword(2))
    check_equal(run(s, ["/hladaj"], work)[0], 0, "exit status with grey setting 2 saved")
    check_equal(file_bytes(centres), b"%d,%d\r\n" % E, "the file with the saved grey setting")
    store(s)
    window = App(s, os.path.join(work, "window"))
    entered = window.search()
    window.close_with("Escape")
    for args, status, found, message in ROWS:
        with open(centres, "wb") as f:
            f.write(OLD)
        got = run(s, args, work)
        want = OLD if found is None else b"".join(b"%d,%d\r\n" % p for p in found)
        check_equal((got[0], file_bytes(centres)), (status, want), f"status and file of {args}")
        check(message in got[2] and got[2].count("\n") == int(bool(message)),
              f"one message on standard error for {args}", message, got[2])
        if args == ["/hladaj"]:
            check_equal(file_bytes(centres), entered, "the batch file against the window's ENTER")

    code, out, _ = run(s, ["/subor", "iny.txt", "/hladaj"], work)
    check_equal((code, file_bytes(os.path.join(work, "iny.txt"))), (0, entered), "/subor")
    os.remove(centres)
    os.makedirs(os.path.join(centres, "stary"))  # a directory of that name cannot be written
    check_equal((run(s, ["/hladaj"], work)[0], os.listdir(centres)), (3, ["stary"]),
                "Stredy.txt a directory: exit status 3, the directory as it was")
    code, out, _ = run(s, ["/?"], work)
    check(code == 0 and "Použitie: zornavit.exe /hladaj" in out, "/? prints the usage", None, out)


if __name__ == "__main__":
    sys.exit(main({"batch": (batch, (1920, 1080))}, __doc__))
