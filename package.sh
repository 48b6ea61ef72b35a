#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds in Release and writes the Debian package
# build/package/cellaro_<version>_<arch>.deb, then lints it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cellaro_ensure_packages "${CELLARO_PACKAGES[@]}" "${CELLARO_PACKAGE_TOOLS[@]}"

# Built as Debian builds its own packages, with its hardening flags (stack
# protector, fortified functions, read-only relocations), in a tree of its
# own so the Release tree that the tests and benchmarks use keeps its flags.
# No -g: the package's programs are stripped.
cd "$CELLARO_ROOT"
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
CELLARO_TARGETS=cellaro_package_files cellaro_build package \
  -DCMAKE_CXX_FLAGS="${cxx_flags//-g /}" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON

out="$CELLARO_ROOT/build/package"
rm -f "$out"/cellaro_*.deb
(cd "$out" && cpack >cpack.log 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(echo "$out"/cellaro_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
