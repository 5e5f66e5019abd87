#!/usr/bin/env bash
# Plays a short set in the real program on a private X server, with key autorepeat on, and
# reads the window back through the accessibility bus of a private session bus.
# usage: play.sh <program> <media folder>
set -euo pipefail

here="$(dirname "$(realpath "$0")")"
program="$(realpath "$1")"
source "$here/private_x.sh"
start_x "$2"
xset r on

cd "$work"
dbus-run-session -- env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    SDL_AUDIODRIVER=dummy /usr/bin/python3 "$here/play.py" "$program"
