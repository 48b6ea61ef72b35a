#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a virtual X server, presses Alt+S with real X
# input and checks the screen's pixels against the cell colours of the
# default list in the grey scheme. Then a mouse release over cell b must
# bring up the marker's modal box titled "Cellaro"; once Return closes it,
# b's box is outlined in black (the box stood over another part of the
# window, so the repaint of what it uncovered leaves the outline). Before
# that, the label ">=" must show both bars of "=" inside its 12 x 13 pixels.
# The window's class (WM_CLASS) must be the desktop entry's StartupWMClass,
# so that a dock ties the window to its launcher. Finally the window is
# closed as its title bar does it, and the program must end with status 0.
#   x11_end_to_end.sh <cellaro> <screen_pixels> <close_window> <desktop entry>
# Exits 77 (skipped) only when Xvfb is not installed.
set -euo pipefail
app=$1
pixels=$2
close_window=$3
desktop_entry=$4

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
x11_prologue
start_xvfb

start_cellaro

command -v xprop >/dev/null || fail "xprop (x11-utils) is not installed"
wm_class=$(xprop -id "$window" WM_CLASS) || fail "could not read the window's WM_CLASS"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[ -n "$startup_class" ] || fail "the desktop entry has no StartupWMClass"
[[ $wm_class == *", \"$startup_class\"" ]] \
  || fail "the window's class is $wm_class, the desktop entry's StartupWMClass \"$startup_class\""

# Without a window manager there is no frame: 802 x 670 pixels (12030 x
# 10050 twips) centred on 1280 x 1024: (19200 - 12030) / 2 = 3585 twips,
# (15360 - 10050) / 2 = 2655 twips.
[ "$X,$Y,$WIDTH,$HEIGHT" = "239,177,802,670" ] \
  || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, expected 239,177 size 802x670"

# Points in client pixels: inside the boxes of a (1,1), e-umlaut (2,2) and
# v (1,6), away from their texts, and on the left edge of a's box.
at() { echo "$((X + $1)),$((Y + $2))"; }
points=("$(at 100 100)" "$(at 200 200)" "$(at 100 600)" "$(at 20 60)" "$(at 5 5)")
read_pixels() { "$pixels" "${points[@]}" | paste -sd'|'; }
# Waits up to 5 s for the points to show $expected; leaves the last reading
# in $seen.
wait_for_pixels() {
  for _ in $(seq 50); do
    seen=$(read_pixels)
    [ "$seen" = "$expected" ] && return 0
    sleep 0.1
  done
  return 1
}

# The label ">=" at client (753, 5), 12 x 13 pixels, in the default font:
# each bar of "=" is five dark pixels in the label's right half, so the
# whole glyph lies inside the label.
label_points=()
for y in $(seq 5 17); do for x in $(seq 753 764); do label_points+=("$(at "$x" "$y")"); done; done
mapfile -t label < <("$pixels" "${label_points[@]}")
[ ${#label[@]} -eq 156 ] || fail "could not read the label's pixels"
bars=0
for row in $(seq 0 12); do
  ink=""
  for column in $(seq 0 11); do
    read -r r g b <<<"${label[$((row * 12 + column))]}"
    if [ "$r" -lt 128 ] && [ "$g" -lt 128 ] && [ "$b" -lt 128 ]; then ink+="#"; else ink+="."; fi
  done
  [[ ${ink:6} == *"#####"* ]] && bars=$((bars + 1))
done
[ "$bars" -eq 2 ] || fail "the label does not show both bars of \"=\" whole ($bars found)"

before=$(read_pixels) || fail "could not read the screen"
background=${before##*|}
blank=$(printf '%s|%s|%s|%s|%s' "$background" "$background" "$background" "$background" "$background")
[ "$before" = "$blank" ] || fail "the drawing area is not empty at start-up: $before"

xdotool windowfocus --sync "$window"
xdotool key alt+s
expected="175 175 175|0 0 0|255 255 255|0 64 64|$background"
wait_for_pixels || fail "after Alt+S: $seen, expected $expected"

# A release over cell b (x 3000 twips) shows the marker's box.
xdotool mousemove --window "$window" 200 46 click 1
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Cellaro$' | head -n1) \
  || fail "no message box after a mouse release over the grid"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Cellaro$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Cellaro$' >/dev/null 2>&1 && fail "Return did not close the box"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

# b's box runs from pixel (120, 20) to (219, 119); its interior stays.
points=("$(at 120 60)" "$(at 219 60)" "$(at 170 20)" "$(at 170 119)" "$(at 21 60)")
expected="0 0 0|0 0 0|0 0 0|0 0 0|175 175 175"
wait_for_pixels || fail "marker outline: $seen, expected $expected"
# Closing the window as its title bar does ends the program normally, with
# exit status 0 (in the sanitizer build: with no finding at exit).
close_cellaro
echo "PASS: window at $X,$Y, class \"$startup_class\"; \">=\" whole in its label; after Alt+S cells a, e-umlaut, v and the outline as expected; marker box shown, closed, cell b outlined; closed normally"
