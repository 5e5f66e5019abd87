#!/usr/bin/env bash
# Worksheet printing time: from the confirmation to the last print job queued, for 100
# problems (10 jobs), through the real window, QPrinter and a CUPS scheduler of our own.
# Reuses the printing end-to-end test, which also checks every spooled page. Not a test;
# prints the figures.
# usage: bench/print.sh [print_e2e program] [runs]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$here/build-bench/tests/print/print_e2e}")"
runs="${2:-10}"

out="$(mktemp)"
trap 'rm -f "$out"' EXIT
if ! bash "$here/tests/print/run_print_e2e.sh" "$program" "$here/media" "$runs" >"$out" 2>&1; then
    cat "$out"
    echo "FAIL: the print run failed"
    exit 1
fi

mapfile -t times < <(sed -n 's/^printed 100 problems in 10 jobs: \([0-9.]*\) ms.*/\1/p' "$out")
[ "${#times[@]}" -eq "$runs" ] || { cat "$out"; echo "FAIL: ${#times[@]} timings, $runs expected"; exit 1; }
echo "runs: $runs"
echo "confirmation to last job queued (100 problems, 10 jobs), ms: ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '
    {v[NR] = $1}
    END {
        median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median ms: %.1f\nmax ms: %.1f\n", median, v[NR]
    }'
