#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a reachable display the program prints one line and exits non-zero.
#   no_display.sh <cellaro>
set -uo pipefail
app=$1
check() {
  local what=$1; shift
  local err rc
  err=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$app" 2>&1 >/dev/null)
  rc=$?
  [ "$rc" -ne 0 ] || { echo "FAIL: $what: exit status 0"; exit 1; }
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "FAIL: $what: more than one line:"; echo "$err"; exit 1; }
  case "$err" in Cellaro:*display*) ;; *) echo "FAIL: $what: $err"; exit 1 ;; esac
  echo "ok: $what: $err"
}
check "no DISPLAY" -u DISPLAY
# A display number nothing listens on.
check "unreachable DISPLAY" DISPLAY=:9731
