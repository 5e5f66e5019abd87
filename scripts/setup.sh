#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # tests, benchmarks, fuzzing
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # window, printing, sound
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libsdl2-dev libcups2-dev libxcb1-dev
  libfontconfig-dev
  qt6-translations-l10n
  # Japanese gothic faces
  fonts-ipafont-gothic fontconfig
  # end-to-end checks: X server, window tools, private print scheduler, PDF text
  xvfb xauth x11-utils x11-xserver-utils xdotool cups cups-client cups-filters poppler-utils
  ghostscript
  # end-to-end reading of the window through the accessibility bus
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  # end-to-end answers through a Japanese input method
  fcitx5 fcitx5-mozc fcitx5-frontend-qt6
  # the web page: the core compiled to WebAssembly, and its browser tests
  emscripten chromium chromium-driver python3-selenium
  # the same page in WebKit: its WebDriver, the engine with its MiniBrowser, and the engine's
  # print operation from Python
  webkit2gtk-driver gir1.2-webkit2-4.1 python3-gi
  # desktop metadata validation, the Debian package and its checks
  appstream desktop-file-utils dpkg-dev fakeroot lintian file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
