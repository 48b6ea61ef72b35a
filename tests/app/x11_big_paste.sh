#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Pastes 5 MB into the real window's list box on a virtual X server, with
# one Ctrl+V through the clipboard, and times how long the window takes to
# answer what a user does next: the first and a later release over the grid
# (until the marker's box is on the screen), Ctrl+Home and a key typed into
# the list box (until the list box shows it), a release over the grid after
# that edit, and Show (Alt+S). Prints one line per step:
# "<step> <milliseconds>".
#   x11_big_paste.sh <cellaro> <clipboard> <answer_time> line|lines [first-ms later-ms]
# line: one line of "label,count" pairs with spaces between, no line break;
# lines: "label,count" lines with CR LF breaks. With the two limits, the
# paste and the first click must be answered within first-ms, every later
# step within later-ms. Either way the list box must give back what was
# pasted when its text is copied to the clipboard.
# Exits 77 (skipped) only when Xvfb is not installed.
set -euo pipefail
app=$1
clipboard=$2
answer_time=$3
kind=$4
first_limit=${5:-}
later_limit=${6:-}

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
x11_prologue

# 5 MB (5242880 bytes) of "label,count" items; the labels and counts vary so
# no two lines look alike to the text layout.
awk -v kind="$kind" 'BEGIN {
  split("alpha beta gamma delta eps zeta eta theta iota kappa lambda mu", words, " ")
  sep = kind == "line" ? " " : "\r\n"
  for (i = 0; size < 5242880; ++i) {
    item = words[i % 12 + 1] i "," (i * 7919) % 2000 sep
    if (size + length(item) > 5242880) item = substr("padding,0" sep, 1, 5242880 - size)
    printf "%s", item; size += length(item)
  }
}' >"$work/list.txt"

start_xvfb

start_cellaro
xdotool windowfocus --sync "$window"

# Client rectangles: the list box's text area, the Show button.
list_area="$((X + 642)),$((Y + 32)),138,575"
button_area="$((X + 642)),$((Y + 7)),58,20"
grid_x=200 grid_y=46 # over cell b

# Prints "<step> <milliseconds to the answer> ms"; fails after 60 s.
# With limits, fails when the answer took longer than the step's limit.
step() {
  local name=$1 ms limit=$later_limit; shift
  ms=$("$answer_time" "$@") || fail "$name: no answer within 60 s"
  echo "$name $ms ms"
  case $name in paste|first_click) limit=$first_limit ;; esac
  [ -z "$limit" ] || [ "$ms" -lt "$limit" ] || fail "$name answered in $ms ms, the limit is $limit ms"
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
# Waits until the program has used at most one clock tick in 200 ms.
settle() {
  local last now
  last=$(cpu_ticks)
  while sleep 0.2; now=$(cpu_ticks); [ $((now - last)) -gt 1 ]; do last=$now; done
}
# The next input comes a second after the last answer, at a user's pace,
# whether or not the program has finished what it does after answering.
pause() { sleep 1; }
# Return closes the marker's box: the answer is the window painted again
# where the box was. Without a window manager nothing gives the window the
# focus back, so this does, as a window manager would.
close_box() {
  local ms
  ms=$("$answer_time" gone Cellaro 60000 -- xdotool key Return) || fail "Return did not close the box"
  echo "  (closed in $ms ms)"
  xdotool windowfocus --sync "$window"
  pause
}
click_grid() { step "$1" window Cellaro 60000 -- xdotool mousemove --window "$window" $grid_x $grid_y click 1; close_box; }

# The default list's grid is on the screen; the list box is emptied and
# the text pasted into it.
xdotool key alt+s
settle
xdotool mousemove --window "$window" 700 300 click 1
xdotool key ctrl+Home ctrl+shift+End Delete
settle
coproc CLIP { exec "$clipboard" set "$work/list.txt" 300; }
clip_pid=$CLIP_PID
read -r ready <&"${CLIP[0]}" && [ "$ready" = ready ] || fail "could not set the clipboard"
step paste area "$list_area" 60000 -- xdotool key ctrl+v
pause
click_grid first_click
click_grid later_click
# The text cursor is at the end of the paste; the edit goes to the start
# (Ctrl+Home shows nothing new where the start is already in view).
step keys area "$list_area" 60000 -- xdotool key ctrl+Home x
pause
click_grid click_after_edit
xdotool key BackSpace
pause
if [ "$kind" = lines ]; then
  # 320000 lines are more than the grid takes: Show says so in a box.
  step show window Cellaro 60000 -- xdotool key alt+s
  close_box
else
  # No line break, no entry: Show leaves the grid; the button goes down, and
  # comes up once Show has run.
  step show area-twice "$button_area" 60000 -- xdotool key alt+s
fi
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

# The list box gives back, through the clipboard, exactly what was pasted
# (the text edit copies a line break as a line feed).
settle
xdotool key ctrl+Home ctrl+shift+End ctrl+c
settle
"$clipboard" get "$work/copied.txt" || fail "could not read the clipboard"
cmp -s <(tr -d '\r' <"$work/list.txt") "$work/copied.txt" || fail "the list box's text differs from the paste"
echo "PASS: $kind: every step answered$([ -z "$later_limit" ] || echo " within its limit"); the text copied back is the paste"
