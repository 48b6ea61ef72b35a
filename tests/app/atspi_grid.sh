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
app=$1
close_window=$2
median_limit=$3
max_limit=$4

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
x11_prologue
# Debian's interpreter, which has the AT-SPI bindings (python3-pyatspi).
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"
command -v dbus-run-session >/dev/null || fail "dbus-run-session is not installed (dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "the AT-SPI bus launcher is not installed (at-spi2-core)"
start_xvfb

# The toolkit starts its AT-SPI bridge without waiting to hear that a
# screen reader runs. Counts and shares in the C locale.
export work QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
status=0
dbus-run-session -- "$python" "$(dirname "${BASH_SOURCE[0]}")/atspi_grid.py" \
  "$app" "$close_window" "$median_limit" "$max_limit" 2>"$work/session.log" || status=$?
[ "$status" -eq 0 ] || fail "through AT-SPI (status $status)$(grep -v 'dbus-daemon\|SpiRegistry' "$work/session.log" | sed 's/^/\n  /')"
