#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree.
set -euo pipefail
build="$1"
source="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

app_id=jp.mogran.Mogran
[ -x "$prefix/bin/mogran" ] || fail "program not installed"
[ -x "$prefix/bin/mogran-worksheets" ] || fail "worksheet tool not installed"
for f in mascot.bmp maru1.bmp batu1.bmp maru1.wav batu1.wav; do
    cmp -s "$source/media/$f" "$prefix/share/mogran/media/$f" || fail "media file $f missing or different"
done
for size in 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "icon $size missing"
done
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
[ -s "$metainfo" ] || fail "metainfo missing"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "installed metainfo does not validate"

desktop="$prefix/share/applications/$app_id.desktop"
[ -s "$desktop" ] || fail "desktop entry missing"
desktop-file-validate "$desktop" || fail "installed desktop entry does not validate"
grep -qx 'Name=モグラン（３数の計算）' "$desktop" || fail "desktop entry name"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry icon"
grep -qx 'StartupWMClass=mogran' "$desktop" || fail "desktop entry window class"

# The entry must start the installed program in the installed media folder. The build was
# configured for its own prefix, so compare against that.
configured_prefix="$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")"
grep -qx "Exec=$configured_prefix/bin/mogran" "$desktop" || fail "desktop entry Exec"
grep -qx "Path=$configured_prefix/share/mogran/media" "$desktop" || fail "desktop entry Path"

# The window announces the same application id as the entry's file name (Wayland app id).
grep -q "kDesktopFileName\[\] = \"$app_id\"" "$source/ui/window/app_identity.h" \
    || fail "window's desktop file name differs from the entry"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "metainfo launchable differs from the entry"
echo "install layout ok"
