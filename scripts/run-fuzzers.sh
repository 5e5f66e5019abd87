#!/usr/bin/env bash
# Runs every fuzz target found in the given build folder for a bounded time each.
set -euo pipefail
dir="$1"
seconds="${FUZZ_SECONDS:-30}"
found=0
for target in "$dir"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    found=1
    name="$(basename "$target")"
    corpus="$(mktemp -d)"
    seeds="fuzz/seeds/${name#fuzz_}"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
    echo "-- $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
[ "$found" = 1 ] || { echo "no fuzz targets built" >&2; exit 1; }
