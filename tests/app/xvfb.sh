# Sourced by the scripts that drive the real window: starts a virtual X
# server on a free display (the server picks the number and writes it to
# descriptor 3), sets xvfb_pid, and exports DISPLAY for what follows, with
# no other platform, scale or Wayland display in the way. Needs $work, a
# folder of the script's own, and a fail function.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY
}
