#!/usr/bin/env bash
# Plays a short set in the real program on a private X server, with key autorepeat on, and
# reads the window back through the accessibility bus of a private session bus.
# usage: play.sh <program> <media folder>
set -euo pipefail

here="$(dirname "$(realpath "$0")")"
program="$(realpath "$1")"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for name in mascot.bmp maru1.bmp batu1.bmp maru1.wav batu1.wav; do cp "$2/$name" "$work/"; done
Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb gave no display: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
xset r on

cd "$work"
dbus-run-session -- env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    SDL_AUDIODRIVER=dummy /usr/bin/python3 "$here/play.py" "$program"
