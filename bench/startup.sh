#!/usr/bin/env bash
# Start-up time of the program against a bare Qt Widgets window showing one label, both
# launched alternately on one private X server and timed from outside (bench/map_timer: from
# the launch to the X server's first map of the window), plus resident memory a second after
# the map. Not a test; prints the figures. On a busy machine the processor time used until the
# map (also printed) is the steadier comparison.
# usage: bench/startup.sh [build folder] [runs]   (the folder holds app/mogran, bench/map_timer
#        and bench/bare_window, as bench/run-all.sh builds them)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath "${1:-$here/build}")"
runs="${2:-20}"
timer="$build/bench/map_timer"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid"; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp "$here"/media/*.bmp "$here"/media/*.wav "$work"/
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
until xprop -root >/dev/null 2>&1; do sleep 0.1; done

# One warm-up launch each, so that both start from the same file cache.
(cd "$work" && "$timer" mogran "$build/app/mogran" >/dev/null)
"$timer" bare_window "$build/bench/bare_window" >/dev/null

program_ms=() program_cpu=() program_kb=() bare_ms=() bare_cpu=() bare_kb=()
for _ in $(seq "$runs"); do
    read -r ms cpu kb < <(cd "$work" && "$timer" mogran "$build/app/mogran")
    program_ms+=("$ms") program_cpu+=("$cpu") program_kb+=("$kb")
    read -r ms cpu kb < <("$timer" bare_window "$build/bench/bare_window")
    bare_ms+=("$ms") bare_cpu+=("$cpu") bare_kb+=("$kb")
done

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
mb() { awk -v k="$(median "$@")" 'BEGIN {printf "%.1f", k / 1024}'; }
program="$(median "${program_ms[@]}")"
bare="$(median "${bare_ms[@]}")"
echo "runs: $runs"
echo "program, launch to first map, ms: ${program_ms[*]}"
echo "bare window, launch to first map, ms: ${bare_ms[*]}"
echo "median ms: $program"
echo "bare window median ms: $bare"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "ratio: $(ratio "$program" "$bare")"
# Processor time used by the map: the same comparison, less disturbed by other load.
program_cpu="$(median "${program_cpu[@]}")"
bare_cpu="$(median "${bare_cpu[@]}")"
echo "processor ms by the map, median: $program_cpu"
echo "bare window processor ms by the map, median: $bare_cpu"
echo "processor ratio: $(ratio "$program_cpu" "$bare_cpu")"
echo "median VmRSS MB: $(mb "${program_kb[@]}")"
echo "bare window median VmRSS MB: $(mb "${bare_kb[@]}")"
