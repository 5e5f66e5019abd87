#!/usr/bin/env bash
# End-to-end smoke test: starts the real program on a private X server, checks its window
# title and class, clicks "おしまい" and expects the program to end with status 0.
# usage: smoke.sh <program> <media folder>
set -euo pipefail

program="$(realpath "$1")"
media="$(realpath "$2")"
caption='モグラン（３つの整数の四則） Ver2.01 R2'

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in Xvfb xprop xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$program" ] || fail "no program at $program"

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid"; fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid"; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cp "$media"/mascot.bmp "$media"/maru1.bmp "$media"/batu1.bmp \
   "$media"/maru1.wav "$media"/batu1.wav "$work"/

# The server picks a free display number and writes it to fd 3.
Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"
for _ in $(seq 50); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done
xprop -root >/dev/null 2>&1 || fail "cannot reach the X server on $DISPLAY: $(cat "$work/xvfb.log")"

# No sound hardware, and no session bus of the host: the program needs neither.
(cd "$work" && SDL_AUDIODRIVER=dummy DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
    exec "$program") 2>"$work/app.log" &
app_pid=$!

window=""
for _ in $(seq 150); do
    window="$(xdotool search --onlyvisible --classname '^mogran$' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null ||
        fail "the program ended early: $(cat "$work/app.log") (X server: $(cat "$work/xvfb.log"))"
    sleep 0.1
done
[ -n "$window" ] || fail "no window appeared"

title="$(LC_ALL=C.UTF-8 xprop -id "$window" -notype _NET_WM_NAME)"
[ "$title" = "_NET_WM_NAME = \"$caption\"" ] || fail "title is: $title"
class="$(LC_ALL=C.UTF-8 xprop -id "$window" -notype WM_CLASS)"
[ "$class" = 'WM_CLASS = "mogran", "mogran"' ] || fail "class is: $class"

# "おしまい" (Button2) lies at 408,368 with size 81x33 in the client area.
xdotool mousemove --window "$window" 448 384 click 1

for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after おしまい"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/app.log")"
echo "PASS: window \"$caption\" appeared and おしまい ended the program"
