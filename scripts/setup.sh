# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for run.sh, test.sh and bench.sh: installs the Debian
# packages the build needs when any is missing, then configures and builds.
# Sourced, not run.

CELLARO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Everything a fresh Debian 12 machine needs to build, test and benchmark.
CELLARO_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  # The picture's text: glyphs, layout, bidirectional order, the machine's fonts.
  pkg-config libfreetype-dev libharfbuzz-dev libfribidi-dev libfontconfig-dev
  libbenchmark-dev
  libpng-dev libdeflate-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xdotool libx11-dev x11-utils
  # The window read through AT-SPI: the session bus, the accessibility bus
  # and registry, and Debian's Python bindings of the client library.
  dbus at-spi2-core python3-pyatspi
  # The renderer's SVG shown in a real browser and checked as XML.
  chromium libxml2-utils
  # The package: dpkg-shlibdeps for its Depends, and the validators the
  # tests run on the desktop entry and the AppStream metadata.
  dpkg-dev desktop-file-utils appstream
  # Every file's copyright and licence, checked by the suite.
  reuse
  # The locale .ci/run runs the renderer's and the parser's tests under a
  # second time (cellaro_ensure_locale makes it).
  locales
)

# What ./package.sh needs besides: the package's linter.
CELLARO_PACKAGE_TOOLS=(lintian)

cellaro_missing_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$pkg")
  done
  echo "${missing[@]}"
}

# Installs the given packages (default: all of the above) when any is missing.
cellaro_ensure_packages() {
  local wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${CELLARO_PACKAGES[@]}")
  local missing
  missing=$(cellaro_missing_packages "${wanted[@]}")
  [ -n "$missing" ] || return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing missing packages: $missing"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # With recommends: Qt's platform plugins and Xvfb's helpers come that way.
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
}

# Generates the locale named (de_DE.UTF-8) when the system does not have
# it yet; the package locales brings its sources and localedef.
cellaro_ensure_locale() {
  local name=$1
  local have
  have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8$/utf8/')
  grep -qx "$(echo "$name" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8$/utf8/')" <<<"$have" && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Generating the locale $name"
  "${sudo[@]}" localedef -i "${name%%.*}" -f UTF-8 "$name"
}

# Configures and builds into build/<name>; extra arguments go to cmake.
# CELLARO_TARGETS, when set, names the targets to build instead of all.
cellaro_build() {
  local name="$1"; shift
  local dir="$CELLARO_ROOT/build/$name"
  local targets=()
  # shellcheck disable=SC2206 # a list of target names
  [ -z "${CELLARO_TARGETS:-}" ] || targets=(--target ${CELLARO_TARGETS})
  cmake -S "$CELLARO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" "${targets[@]}" -j"$(nproc)" -- --no-print-directory >/dev/null \
    || cmake --build "$dir" "${targets[@]}" -j1   # again, with the errors in view
}
