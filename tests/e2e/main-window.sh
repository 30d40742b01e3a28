#!/usr/bin/env bash
# The main window on a real desktop: title, place and size, the always-on-top band the window manager
# sees, and both ways of ending the program. Run inside with-xvfb.sh --wm.
set -u
program=$1
failures=0
pid=

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

start() {
  "$program" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  if [ -z "$window" ]; then
    echo "FAIL: no window was mapped within 20 s"
    kill "$pid" 2>/dev/null
    exit 1
  fi
}

above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

# Where the window's client area is on the screen, and its size: "x,y,width,height".
placement() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                /Width:/ {w=$2} /Height:/ {h=$2} END {print x "," y "," w "," h}'
}

# The window's client coordinates of a button in the column (left 2, 102 by 26, given its top).
click_column_button() {
  xdotool mousemove --window "$window" 60 $((12 + 60 + $1 + 13)) click 1
  sleep 0.5
}

# Waits for the program to end and checks how.
expect_exit_0() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$1: the program is still running"
    kill "$pid"
    return
  fi
  wait "$pid"
  rc=$?
  [ "$rc" = 0 ] || fail "$1: exit code $rc"
}

start
name=$(xdotool getwindowname "$window")
[ "$name" = "Tintra1.6" ] || fail "window title is '$name'"
where=$(placement)
[ "$where" = "20,10,498,600" ] || fail "window is at $where"
above || fail "a first start is not marked always-on-top"

click_column_button 246
above && fail "always-on-top stays after one click"
click_column_button 246
above || fail "two clicks do not bring always-on-top back"
where=$(placement)
[ "$where" = "20,10,498,600" ] || fail "toggling moved the window to $where"

wmctrl -i -c "$window"
expect_exit_0 "closed by the window manager"

start
click_column_button 219
expect_exit_0 "ended by the exit button"

[ "$failures" = 0 ] && echo "PASS: title, place, always-on-top and both ways out"
exit "$failures"
