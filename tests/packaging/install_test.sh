#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds the Debian package, and checks that
# both hold the program, its documents (the English ones in en/), its icon and a valid desktop
# entry.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/chargefield" ] || fail "no program in bin"
for f in spravka.pdf gauss.pdf uprav.pdf instruction.txt \
         en/spravka.pdf en/gauss.pdf en/uprav.pdf en/instruction.txt; do
  [ -s "$prefix/share/chargefield/$f" ] || fail "no $f in share/chargefield"
done
svg=$prefix/share/icons/hicolor/scalable/apps/chargefield.svg
[ -s "$svg" ] || fail "no scalable icon"
grep -q '<svg' "$svg" || fail "the icon is not SVG"
png=$prefix/share/icons/hicolor/48x48/apps/chargefield.png
[[ $(file -b "$png") == *"PNG image data, 48 x 48"* ]] || fail "no 48x48 PNG icon"
desktop=$prefix/share/applications/chargefield.desktop
[ -s "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "the launcher starts $exec_name, which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon_name" = chargefield ] || fail "the launcher's icon is $icon_name"
[ -s "$prefix/share/doc/chargefield/LICENSE" ] || fail "no licence"
echo "ok: install into $prefix"

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >/dev/null) ||
  fail "cpack failed"
deb=$(ls "$tmp"/pkg/*.deb)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/chargefield ./usr/share/chargefield/spravka.pdf \
         ./usr/share/chargefield/gauss.pdf ./usr/share/chargefield/uprav.pdf \
         ./usr/share/chargefield/instruction.txt \
         ./usr/share/chargefield/en/spravka.pdf ./usr/share/chargefield/en/gauss.pdf \
         ./usr/share/chargefield/en/uprav.pdf ./usr/share/chargefield/en/instruction.txt \
         ./usr/share/icons/hicolor/scalable/apps/chargefield.svg \
         ./usr/share/applications/chargefield.desktop; do
  grep -q -- " $f\$" <<<"$contents" || fail "$f not in the package"
done
[ "$(dpkg-deb -f "$deb" Package)" = chargefield ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.0 ] || fail "wrong version"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6printsupport6 \
         qt6-translations-l10n fonts-liberation; do
  grep -q "\b$p\b" <<<"$depends" || fail "the package does not depend on $p"
done
echo "ok: $(basename "$deb")"
printf '%s\n' "$contents"
