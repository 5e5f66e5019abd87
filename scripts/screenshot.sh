#!/usr/bin/env bash
# Makes docs/screenshot.png: the program under a private X server with a set started.
# usage: scripts/screenshot.sh BUILD-DIR
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
work="$(mktemp -d)"
display=":$((90 + RANDOM % 100))"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$here"/media/*.bmp "$here"/media/*.wav "$work"/
Xvfb -noreset "$display" -screen 0 640x520x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && SDL_AUDIODRIVER=dummy exec "$build/app/mogran") & app=$!
for _ in $(seq 50); do xdotool search --name 'Ver2.01' >/dev/null 2>&1 && break; sleep 0.1; done
window="$(xdotool search --name 'Ver2.01' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$window")"

# Start a set of kind 8 and type an answer, as a pupil would.
xdotool mousemove $((X + 8 + 326 + 20)) $((Y + 13 + 24 + 8)) click 1
xdotool mousemove $((X + 168 + 40)) $((Y + 368 + 16)) click 1
sleep 0.3
xdotool type 12
sleep 0.3
mkdir -p "$here/docs"
"$build/tools/screen-grab" "$here/docs/screenshot.png" 0 "$X" "$Y" "$WIDTH" "$HEIGHT"
echo "wrote docs/screenshot.png"
