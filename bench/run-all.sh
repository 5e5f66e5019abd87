#!/usr/bin/env bash
# Builds a Release tree (build-bench) and the web page (build-web) and runs every figure: problem
# generation per kind, start-up time and memory against a bare Qt window, answer feedback,
# worksheet printing, a class's worksheets as one PDF, and the web page in headless Chromium
# (first visit, navigation to ready against a static page, Enter to the next problem painted).
# Prints each tool's own output, then a short table.
# usage: bench/run-all.sh [build folder]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-bench}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMOGRAN_WITH_BENCH=ON -DMOGRAN_WITH_TESTS=ON -DMOGRAN_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2 --target bench_generator bench_feedback map_timer bare_window mogran \
    print_e2e mogran-worksheets

log="$(mktemp -d)"
trap 'rm -rf "$log"' EXIT

echo "== problem generation, one whole set from a fixed random state"
"$build/bench/bench_generator" --benchmark_filter='BM_GenerateProblemSet/' \
    --benchmark_format=csv 2>/dev/null | tee "$log/generator.csv"

echo "== start-up"
bash "$here/bench/startup.sh" "$build" 20 | tee "$log/startup.txt"

echo "== answer feedback"
"$build/bench/bench_feedback" 500 2>/dev/null | tee "$log/feedback.txt"

echo "== worksheet printing"
bash "$here/bench/print.sh" "$build/tests/print/print_e2e" 10 | tee "$log/print.txt"

echo "== worksheets for a class"
bash "$here/bench/worksheets.sh" "$build/app/mogran-worksheets" 10 | tee "$log/worksheets.txt"

echo "== the web page in headless Chromium"
(export NODE_PATH=/usr/share/nodejs
 emcmake cmake -S "$here" -B "$here/build-web" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
 cmake --build "$here/build-web" -j2 >/dev/null)
/usr/bin/python3 "$here/bench/web_bench.py" "$here/build-web/site" 20 300 | tee "$log/web.txt"

value() { sed -n "s/^$2: //p" "$1"; }
feedback() { sed -n "s/^$1 .*handler median \([0-9]*\) us, p90 \([0-9]*\) us;.*/\1 \/ \2/p" "$log/feedback.txt"; }

echo
echo "== summary"
printf '%-46s %s\n' "figure" "measured"
awk -F, 'NR > 1 {
    gsub(/"/, "", $1); sub(/.*\//, "", $1)
    printf "%-46s %.1f us\n", "generate one set, kind " $1, $3
}' "$log/generator.csv"
printf '%-46s %s ms\n' "launch to first map of the window, median" "$(value "$log/startup.txt" "median ms")"
printf '%-46s %s ms\n' "the same for a bare Qt window, median" "$(value "$log/startup.txt" "bare window median ms")"
printf '%-46s %s\n' "ratio program / bare window" "$(value "$log/startup.txt" "ratio")"
first="$(sed -n 's/^first  answer: Enter handler \([0-9]*\) us.*/\1/p' "$log/feedback.txt")"
printf '%-46s %s us\n' "Enter, first right answer (loads sound)" "$first"
printf '%-46s %s MB\n' "resident memory after start-up, median" "$(value "$log/startup.txt" "median VmRSS MB")"
printf '%-46s %s us\n' "Enter, right answer: median / p90" "$(feedback right)"
printf '%-46s %s us\n' "Enter, wrong answer: median / p90" "$(feedback wrong)"
printf '%-46s %s ms\n' "print 100 problems (10 jobs), median" "$(value "$log/print.txt" "median ms")"
printf '%-46s %s ms\n' "class PDF, 400 pages, median" "$(value "$log/worksheets.txt" "median ms")"
printf '%-46s %s\n' "class PDF, pages per second" "$(value "$log/worksheets.txt" "pages per second")"
printf '%-46s %s\n' "class PDF, bytes per page" "$(value "$log/worksheets.txt" "bytes per page")"
printf '%-46s %s KB\n' "web, first visit transferred" "$(value "$log/web.txt" "first visit transferred KB")"
printf '%-46s %s KB\n' "web, all files of the site" "$(value "$log/web.txt" "site files KB")"
printf '%-46s %s ms\n' "web, navigation to ready, median" "$(value "$log/web.txt" "ready median ms")"
printf '%-46s %s ms\n' "web, the same for the static page, median" "$(value "$log/web.txt" "static ready median ms")"
printf '%-46s %s\n' "web, ratio page / static page" "$(value "$log/web.txt" "ready ratio")"
printf '%-46s %s ms\n' "web, Enter to next problem painted, p90" "$(value "$log/web.txt" "enter to next problem painted p90 ms")"
