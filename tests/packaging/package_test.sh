#!/usr/bin/env bash
# Makes the Debian package from the build tree, checks its fields and lintian's verdict,
# unpacks it into a throw-away root and checks that it holds exactly what cmake --install
# puts under /usr, laid out as the desktop entry promises.
set -euo pipefail
build="$1" source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb="$work/out/mogran_2.01.2_amd64.deb"
[ "$(dpkg-deb -f "$deb" Package Version Architecture)" = $'Package: mogran\nVersion: 2.01.2\nArchitecture: amd64' ] \
    || fail "package name, version or architecture"
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libqt6widgets6 libqt6printsupport6 libc6 libsdl2-2.0-0 fonts-ipafont-gothic qt6-translations-l10n; do
    [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done
lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian errors"; }

root="$work/root" plain="$work/plain"
dpkg-deb -x "$deb" "$root"
DESTDIR="$plain" cmake --install "$build" --prefix /usr >/dev/null
diff <(cd "$root" && find . -type f | sort) <(cd "$plain" && find . -type f | sort) \
    || fail "the package holds other files than cmake --install"
while read -r f; do  # the package's programs and print module are stripped
    [[ "$f" == ./usr/bin/* || "$f" == ./usr/lib/*/worksheet-printing.so ]] ||
        cmp -s "$root/$f" "$plain/$f" || fail "$f differs"
done < <(cd "$root" && find . -type f)
[ -n "$(find "$root/usr/lib" -path '*/mogran/worksheet-printing.so')" ] || fail "no print module"

app_id=jp.mogran.Mogran
for f in mascot.bmp maru1.bmp batu1.bmp maru1.wav batu1.wav; do
    cmp -s "$source/media/$f" "$root/usr/share/mogran/media/$f" || fail "media file $f"
done
desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
for line in 'Name=モグラン（３数の計算）' "Icon=$app_id" 'StartupWMClass=mogran' \
    'Exec=/usr/bin/mogran' 'Path=/usr/share/mogran/media'; do
    grep -qx "$line" "$desktop" || fail "desktop entry lacks $line"
done
echo "package ok"
