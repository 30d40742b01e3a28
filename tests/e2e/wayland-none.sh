#!/bin/bash
# A Wayland session whose compositor offers the program no way to its screen, the windows shown through
# the session's X server as for older programs: that X server's screen is not what the user sees, so
# nothing is read from it, and no colour is recorded however long the pointer rests or the button is
# pressed. The session is told by WAYLAND_DISPLAY, or by XDG_SESSION_TYPE alone (with-xvfb.sh leaves
# WAYLAND_DISPLAY unset). Runs inside with-xvfb.sh.
#   wayland-none.sh PROGRAM
set -u
. "$(dirname "$0")/lib.sh"
xsetroot -solid "#FF0000"
for session in "WAYLAND_DISPLAY=tintra-no-such-display XDG_SESSION_TYPE=wayland" "XDG_SESSION_TYPE=wayland"; do
  program=$(install_program "$1")
  # shellcheck disable=SC2086 # the session's variables, one word each
  env $session QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$program" &
  pid=$!
  window=$(find_window 20 --pid "$pid")
  [ -n "$window" ] || fail "$session: no window was mapped within 20 s"
  xdotool mousemove 1200 700
  sleep 2.5
  click_column_button 78 # the start and stop button
  xdotool mousemove 1200 700
  sleep 1.5
  kill "$pid"
  expect_exit_0 "$session: the end"
  history=$(cat "$(dirname "$program")/colors")
  [ -z "$history" ] || fail "$session: colours were recorded from a screen the program cannot see: $history"
  rm -rf "$(dirname "$program")"
done
[ "$failures" = 0 ] && echo "PASS" || exit 1
