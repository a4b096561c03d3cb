#!/usr/bin/env bash
# The demo screen's objects, found by the finder, are the ones the generator says it placed.
set -euo pipefail
cli="$1"
demo="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 1920x1080 640x360 1366x768; do
    "$demo" --size "$size" --expected "$tmp/demo.png" >"$tmp/expected"
    "$cli" "$tmp/demo.png" >"$tmp/found"
    [ "$(wc -l <"$tmp/expected")" -eq 4 ] || { echo "generator lists no objects for $size"; exit 1; }
    diff -u "$tmp/expected" "$tmp/found" || { echo "demo screen $size differs"; exit 1; }
done
