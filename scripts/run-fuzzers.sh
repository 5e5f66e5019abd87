#!/usr/bin/env bash
# Runs every fuzz target found in the given build folder for a bounded time each; a target
# whose memory grows past 300 MB counts as a fault. The address sanitizer keeps freed memory
# aside for a while to catch late uses; that quarantine is kept small, so that what is
# counted is the memory the code itself holds.
set -euo pipefail
dir="$1"
seconds="${FUZZ_SECONDS:-30}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64}"
ran=0
for target in "$dir"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name="$(basename "$target")"
    corpus="$(mktemp -d)"
    seeds="fuzz/seeds/${name#fuzz_}"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
    echo "-- $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=300 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
    ran=$((ran + 1))
done
[ "$ran" -gt 0 ] || { echo "no fuzz targets built" >&2; exit 1; }
# A target that finds a fault stops the script above (pipefail), so all that ran passed.
echo "fuzz: $ran passed, 0 failed"
