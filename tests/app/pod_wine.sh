#!/usr/bin/env bash
# Runs one Win32 test program under wine64 on a private Xvfb (1920 x 1080, 24 bits) with its own wine
# prefix, and stops both afterwards. Usage: pod_wine.sh PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
prefix=$1
shift
wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver64

cislo=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$cislo" 2>/dev/null &
xvfb=$!
koniec() {
    WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -f "$cislo"
}
trap koniec EXIT
for _ in $(seq 100); do
    [ -s "$cislo" ] && break
    sleep 0.1
done
display=":$(cat "$cislo")"

mkdir -p "$prefix"
export DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" "$@"
