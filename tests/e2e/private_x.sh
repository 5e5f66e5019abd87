# Sourced by the end-to-end scripts: a work folder with the media files of folder $1, and a
# private X server (-noreset) on DISPLAY; both go when the script exits.
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work" 2>/dev/null || true  # a helper of the input method may still be writing there
}
trap cleanup EXIT

start_x() {  # media folder
    for name in mascot.bmp maru1.bmp batu1.bmp maru1.wav batu1.wav; do cp "$1/$name" "$work/"; done
    Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "FAIL: Xvfb gave no display: $(cat "$work/xvfb.log")" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
}
