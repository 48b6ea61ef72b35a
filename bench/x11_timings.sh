#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on a real (virtual) X server, timed from outside as a user
# sees it: from the program's start to its first frame on the screen, and
# from a key to the changed picture with 10000 entries in the list box, for
# Alt+S, Escape and a scheme picked with the arrow keys. Each figure is the
# median with min-max of several runs, in ms.
# With cellaro_first_paint given, it also times process start to the first
# paint as the program itself sees it, on the same server.
#   x11_timings.sh <cellaro> <clipboard> <answer_time> [runs] [cellaro_first_paint]
# Prints nothing and exits 0 where Xvfb is not installed.
set -euo pipefail
app=$1
clipboard=$2
answer_time=$3
runs=${4:-7}
first_paint=${5:-}
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 0
source "$(dirname "${BASH_SOURCE[0]}")/../tests/app/xvfb.sh"
x11_prologue
fail() { echo "x11_timings: $*" >&2; exit 1; }
start_xvfb

# 10000 entries; thresholds 0 and 1000 give two different pictures of it.
awk 'BEGIN { for (i = 0; i < 10000; ++i) printf "e%d,%d\r\n", i, (i * 7919) % 2000 }' >"$work/list.txt"

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%d (%d-%d)", v[int((NR + 1) / 2)], v[1], v[NR] }'; }

# Start to first frame: the screen where the window appears changes.
starts=()
for _ in $(seq "$runs"); do
  starts+=("$("$answer_time" area 0,0,1280,1024 10000 -- sh -c "\"$app\" >/dev/null 2>&1 & echo \$! >\"$work/pid\"")")
  app_pid=$(cat "$work/pid")
  xdotool search --sync --onlyvisible --name '^Cellaro - ' >/dev/null
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
  # Until the server has taken the window away, the next start would show
  # the same pixels.
  while xdotool search --onlyvisible --name '^Cellaro - ' >/dev/null 2>&1; do sleep 0.05; done
  sleep 0.2
done

"$app" >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Cellaro - ' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
grid="$X,$Y,639,639"
coproc CLIP { exec "$clipboard" set "$work/list.txt" 30; }
clip_pid=$CLIP_PID
read -r _ <&"${CLIP[0]}"
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 700 300 click 1
xdotool key ctrl+Home ctrl+shift+End Delete ctrl+v
sleep 1
set_threshold() { # the threshold box, at 765,5 in the client area
  xdotool mousemove --window "$window" 780 14 click 1
  xdotool key End shift+Home
  xdotool type "$1"
}
# A key's answer in ms; "none" when the picture did not change in 10 s.
time_key() { "$answer_time" area "$grid" 10000 -- xdotool key "$1" || echo none; }

alt_s=() escape=() scheme=()
for run in $(seq "$runs"); do
  set_threshold 1000
  alt_s+=("$(time_key alt+s)")
  sleep 0.3
  set_threshold 0
  escape+=("$(time_key Escape)")
  sleep 0.3
  xdotool key shift+Tab # from the threshold box to the scheme selector
  scheme+=("$(time_key $([ $((run % 2)) = 1 ] && echo Down || echo Up))")
  sleep 0.3
done

echo
echo "Window on Xvfb, ms from outside, median (min-max) of $runs runs"
echo "  start to first frame            $(printf '%s\n' "${starts[@]}" | median)"
echo "  Alt+S, 10000 entries            $(printf '%s\n' "${alt_s[@]}" | median)"
echo "  Escape, 10000 entries           $(printf '%s\n' "${escape[@]}" | median)"
echo "  scheme picked, 10000 entries    $(printf '%s\n' "${scheme[@]}" | median)"
if [ -n "$first_paint" ]; then
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
  QT_QPA_PLATFORM=xcb "$first_paint" "$runs" 2>/dev/null | sed -n 's/^  process start to first paint */  start to first paint, inside    /p'
fi
