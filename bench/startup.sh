#!/usr/bin/env bash
# Start-up time (launch to first exposure of the window) and resident memory after start-up,
# measured on a private X server. Not a test; prints the figures.
# usage: bench/startup.sh [program] [runs]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$here/build/app/mogran}")"
runs="${2:-10}"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid"; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp "$here"/media/*.bmp "$here"/media/*.wav "$work"/

Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
until xprop -root >/dev/null 2>&1; do sleep 0.1; done

times=()
rss=()
for _ in $(seq "$runs"); do
    rm -f "$work/err"
    start="$EPOCHREALTIME"
    (cd "$work" && MOGRAN_REPORT_SHOWN=1 SDL_AUDIODRIVER=dummy exec "$program") 2>"$work/err" &
    pid=$!
    until grep -q '^mogran-shown ' "$work/err" 2>/dev/null; do sleep 0.005; done
    shown="$(sed -n 's/^mogran-shown //p' "$work/err")"
    sleep 1
    rss+=("$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")")
    times+=("$(awk -v a="$start" -v b="$shown" 'BEGIN {printf "%.1f", (b - a) * 1000}')")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
echo "runs: $runs"
echo "launch to first shown window, ms: ${times[*]}"
echo "median ms: $(median "${times[@]}")"
echo "VmRSS after start-up, kB: ${rss[*]}"
echo "median VmRSS MB: $(awk -v k="$(median "${rss[@]}")" 'BEGIN {printf "%.1f", k / 1024}')"
