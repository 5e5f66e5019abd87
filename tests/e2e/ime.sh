#!/usr/bin/env bash
# Answers in the real program with a Japanese input method switched on: fcitx5 with Mozc on a
# private X server and session bus, keys typed through XTest, the verdict read through the
# accessibility bus. Mozc's server does not run as root, so root runs this as a throwaway user,
# on a copy of the program, the media and these scripts in a folder of that user's own (the
# originals may lie where only their owner can enter), removed afterwards.
# usage: ime.sh <program> <media folder>
set -euo pipefail
skip() { echo "SKIP: $*"; exit 77; }

for tool in fcitx5 fcitx5-remote Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
ls /usr/lib/*/fcitx5/fcitx5-mozc.so >/dev/null 2>&1 || skip "fcitx5-mozc is not installed"
here="$(dirname "$(realpath "$0")")"

user=mogran-ime
if [ "$(id -u)" -eq 0 ]; then
    id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
        skip "cannot add the user $user to run the input method"
    copy="$(mktemp -d /tmp/mogran-ime.XXXXXX)" && trap 'rm -rf "$copy" || true' EXIT
    mkdir "$copy/media" "$copy/tmp" && cp "$1" "$here"/{ime,window_reader}.py "$here"/*.sh "$copy/"
    cp "$2"/{mascot,maru1,batu1}.bmp "$2"/{maru1,batu1}.wav "$copy/media/"
    chown -R "$user" "$copy" && runuser -u "$user" -- test -r "$copy/ime.sh" ||
        skip "user $user cannot read $copy"
    runuser -u "$user" -- env TMPDIR="$copy/tmp" \
        bash "$copy/ime.sh" "$copy/$(basename "$1")" "$copy/media"
    exit 0
fi
[ -r "$1" ] && [ -x "$1" ] && [ -r "$2/mascot.bmp" ] || skip "user $(id -un) cannot read $1 and $2"

source "$here/private_x.sh"

# Mozc is the one input method; the input state is shared by all windows.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/fcitx5"
printf '[Behavior]\nShareInputState=All\n' >"$XDG_CONFIG_HOME/fcitx5/config"
printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=mozc' \
    '[Groups/0/Items/0]' 'Name=keyboard-us' '[Groups/0/Items/1]' 'Name=mozc' \
    '[GroupOrder]' '0=Default' >"$XDG_CONFIG_HOME/fcitx5/profile"

start_x "$2"

cd "$work"
status=0
dbus-run-session -- env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_IM_MODULE=fcitx SDL_AUDIODRIVER=dummy /usr/bin/python3 "$here/ime.py" "$1" || status=$?
# Mozc's server outlives the session that started it; this run's is the one with its HOME.
for pid in $(pgrep -u "$(id -u)" -x mozc_server || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "HOME=$HOME"; then
        kill "$pid" 2>/dev/null || true
    fi
done
exit "$status"
