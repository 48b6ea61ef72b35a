# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the real window on a virtual X server.
#   x11_prologue   skips the script (exit 77) where Xvfb is not installed and
#                  fails it without xdotool; makes $work, a folder of the
#                  script's own, removed at exit with the processes named
#                  in xvfb_pid, app_pid and clip_pid
#   start_xvfb     starts the server on a free display (the server picks the
#                  number and writes it to descriptor 3), sets xvfb_pid and
#                  exports DISPLAY, with no other platform, scale or Wayland
#                  display in the way
#   start_cellaro  starts the program named by $app with its standard error
#                  in $work/app.log, sets app_pid, waits for the main window
#                  and sets window and its geometry: X Y WIDTH HEIGHT
#   close_cellaro  closes the window as its title bar does it, with the
#                  program named by $close_window, and fails unless the
#                  program then ends with exit status 0
# fail prints one line (and the program's log, where there is one) and exits
# with 1; a script may define its own after sourcing this.

fail() { echo "FAIL: $*"; [ ! -s "$work/app.log" ] || sed 's/^/  cellaro: /' "$work/app.log"; exit 1; }

x11_cleanup() {
  local pid
  for pid in ${clip_pid:-} ${app_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}

x11_prologue() {
  if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
  fi
  command -v xdotool >/dev/null || { echo "FAIL: xdotool is not installed"; exit 1; }
  work=$(mktemp -d)
  xvfb_pid= app_pid= clip_pid=
  trap x11_cleanup EXIT
}

start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY
}

start_cellaro() {
  "$app" 2>"$work/app.log" &
  app_pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Cellaro - ' | head -n1) \
    || fail "the window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

close_cellaro() {
  "$close_window" "$window" || fail "could not ask the window to close"
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its window was closed"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status when its window was closed"
}
