#!/usr/bin/env bash
# A class set with mogran-worksheets: 40 sets of 100 problems, 400 pages in one PDF. Times
# each run from start to the file in place and reports pages per second and bytes per page.
# Not a test; prints the figures.
# usage: bench/worksheets.sh [mogran-worksheets program] [runs]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$here/build-bench/app/mogran-worksheets}")"
runs="${2:-10}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" --kind 8 --count 100 --sets 40 --seed 20240401 --output "$work/class.pdf" 2>/dev/null
    end=$(date +%s%N)
    times+=("$(((end - start) / 1000000))")
done
pages="$(pdfinfo "$work/class.pdf" | sed -n 's/^Pages: *//p')"
[ "$pages" = 400 ] || { echo "FAIL: $pages pages instead of 400"; exit 1; }
bytes="$(stat -c %s "$work/class.pdf")"

echo "runs: $runs"
echo "40 sets of 100 problems, 400 pages, ms: ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk -v pages="$pages" -v bytes="$bytes" '
    {v[NR] = $1}
    END {
        median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median ms: %d\nmax ms: %d\n", median, v[NR]
        printf "pages per second: %d\n", pages * 1000 / median
        printf "file bytes: %d\nbytes per page: %d\n", bytes, bytes / pages
    }'
