#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a virtual X server inside a private D-Bus
# session, where the AT-SPI bus and registry start on the first request, as
# on a desktop with a screen reader, and drives it through AT-SPI alone
# (atspi_grid.py). The window is closed at the end as its title bar does it
# and the program must end with status 0.
#   atspi_grid.sh <cellaro> <close_window> <median-limit-ms> <max-limit-ms>
# Exits 77 (skipped) only when Xvfb is not installed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
app=$1
close_window=$2
# Debian's interpreter, which has the AT-SPI bindings (python3-pyatspi).
python=/usr/bin/python3
source "$here/xvfb.sh"

if [ "${5:-}" = --in-session ]; then
  # The program is on the display before any AT-SPI client starts: the
  # bus launcher's short visit to the display would otherwise be its only
  # client, and the server resets when that one leaves, dropping whoever
  # connects meanwhile.
  trap '[ -z "${app_pid:-}" ] || kill "$app_pid" 2>/dev/null || true' EXIT
  start_cellaro
  "$python" "$here/atspi_grid.py" "$3" "$4" || fail "through AT-SPI"
  close_cellaro
  exit 0
fi

x11_prologue
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"
command -v dbus-run-session >/dev/null || fail "dbus-run-session is not installed (dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "the AT-SPI bus launcher is not installed (at-spi2-core)"
start_xvfb
# The toolkit starts its AT-SPI bridge without waiting to hear that a
# screen reader runs. Counts and shares in the C locale.
export work QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
# What went wrong in the session was said there; its standard error (a
# Python traceback, the bus's complaints) follows.
if ! dbus-run-session -- bash "$0" "$@" --in-session 2>"$work/session.log"; then
  grep -v 'dbus-daemon\|SpiRegistry' "$work/session.log" | sed 's/^/  session: /'
  exit 1
fi
