#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this build tree with CPack, unpacks it into
# a temporary root with dpkg-deb and runs the programs from there, with the
# system's libraries only: their versions must be the build tree's, and the
# default list's PNG byte for byte the build tree's. The desktop entry's
# program and icon, and a manual page for each program, must be in it.
#   install_check.sh <build dir> <cellaro-render> <cellaro-count> <sanitize ON|OFF>
# Exits 77 (skipped) where dpkg-deb is missing, and in the sanitizer build:
# the package ships Release programs (./package.sh), not sanitized ones.
set -euo pipefail
build=$1
render=$2
count=$3
sanitize=$4

if [ "$sanitize" = ON ]; then
  echo "SKIP: a sanitizer build; the package is made from a Release build"
  exit 77
fi
if ! command -v dpkg-deb >/dev/null; then
  echo "SKIP: dpkg-deb is not installed"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || fail "CPack could not build the package: $(cat "$work/cpack.log")"
debs=("$work"/cpack/cellaro_*.deb)
[ -f "${debs[0]}" ] || fail "CPack wrote no cellaro_*.deb: $(ls "$work/cpack")"
depends=$(dpkg-deb -f "${debs[0]}" Depends)
[[ $depends != *-dev* ]] || fail "Depends names a development package: $depends"

root="$work/root"
dpkg-deb -x "${debs[0]}" "$root"
unset LD_LIBRARY_PATH

for program in "$render" "$count"; do
  name=$(basename "$program")
  unpacked=$("$root/usr/bin/$name" --version) || fail "the unpacked $name --version failed"
  [ "$unpacked" = "$("$program" --version)" ] || fail "the unpacked $name prints \"$unpacked\""
done

"$root/usr/bin/cellaro-render" -o "$work/unpacked.png" || fail "the unpacked cellaro-render could not draw"
"$render" -o "$work/built.png"
cmp -s "$work/unpacked.png" "$work/built.png" || fail "the unpacked cellaro-render draws other bytes"

desktop=("$root"/usr/share/applications/*.desktop)
exec_line=$(sed -n 's/^Exec=//p' "${desktop[0]}")
icon=$(sed -n 's/^Icon=//p' "${desktop[0]}")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "the desktop entry's Exec=$exec_line is not in the package"
for size in 16x16 32x32 48x48 64x64 128x128; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
for program in "$root"/usr/bin/*; do
  [ -f "$root/usr/share/man/man1/$(basename "$program").1.gz" ] || fail "no manual page for $(basename "$program")"
done
echo "PASS: ${debs[0]##*/} unpacked; cellaro-render and cellaro-count run from it as built, the same PNG; Depends: $depends"
