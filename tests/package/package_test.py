#!/usr/bin/env python3
"""The release archives: scripts/package twice, the programs linked anew between, gives the same bytes; each holds
the program, README.txt (UTF-8 with BOM, CR LF) and SHA256SUMS; the unpacked programs print the version for /?."""

import hashlib
import io
import os
import re
import subprocess
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
with open(os.path.join(ROOT, "CMakeLists.txt")) as f:
    VERSION = re.search(r"project\(Zornavit VERSION (\S+)", f.read())[1]
failures = []
passes = []


def check(condition, what, got=None):
    print(("ok  " if condition else "FAIL ") + what + ("" if condition or got is None else f": got {got!r}"))
    (passes if condition else failures).append(what)


def package():
    subprocess.run([os.path.join(ROOT, "scripts", "package")], check=True)
    return {p: open(os.path.join(ROOT, "dist", f"zornavit-{VERSION}-{p}.zip"), "rb").read() for p in ("win32", "win64")}


def archive(preset, data, run):
    folder = f"zornavit-{VERSION}-{preset}"
    z = zipfile.ZipFile(io.BytesIO(data))
    names = [f"{folder}/{n}" for n in ("README.txt", "SHA256SUMS", "zornavit.exe")]
    check(z.namelist() == names, f"{preset}: the archive's files in order", z.namelist())
    readme, exe = z.read(names[0]), z.read(names[2])
    check(readme.startswith(b"\xef\xbb\xbf"), f"{preset}: README.txt starts with the UTF-8 BOM", readme[:3])
    check(readme.count(b"\n") == readme.count(b"\r\n"), f"{preset}: README.txt has no line without CR",
          readme.count(b"\n") - readme.count(b"\r\n"))
    for text in (f"Zornavit {VERSION}", "Čo zaberá miesto"):
        check(text.encode() in readme, f"{preset}: README.txt says {text}")
    sums = "".join(f"{hashlib.sha256(z.read(n)).hexdigest()}  {n.split('/')[1]}\n" for n in (names[0], names[2]))
    check(z.read(names[1]).decode() == sums, f"{preset}: SHA256SUMS", z.read(names[1]))
    if run:
        path = os.path.join(ROOT, "build", "package-test", preset, "zornavit.exe")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(exe)
        env = dict(os.environ, WINEPREFIX=os.path.join(ROOT, "build", "package-test", "wine"), WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        r = subprocess.run(["/usr/lib/wine/wine64", path, "/?"], env=env, capture_output=True, timeout=300)
        check(r.returncode == 0, f"{preset}: the unpacked program's /? ends with status 0", r.returncode)
        check(r.stdout.startswith(f"Zornavit {VERSION}\r\nPoužitie:".encode()),
              f"{preset}: the unpacked program's /? shows the version", r.stdout[:40])
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=env, capture_output=True)


def main():
    first = package()
    for preset in first:
        os.remove(os.path.join(ROOT, "build", preset, "zornavit.exe"))
    check(package() == first, "scripts/package twice: the same archives")
    for preset, data in first.items():
        archive(preset, data, preset == "win64" or "--win32" in sys.argv)
    print(f"package: {len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
