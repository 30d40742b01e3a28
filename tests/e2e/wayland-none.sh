#!/bin/bash
# A Wayland session whose compositor offers the program no way to its screen, the windows shown through
# the session's X server as for older programs: that X server's screen is not what the user sees, so
# nothing is read from it, and no colour is recorded however long the pointer rests or the button is
# pressed. Runs inside with-xvfb.sh.
#   wayland-none.sh PROGRAM
set -u
. "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
xsetroot -solid "#FF0000"
WAYLAND_DISPLAY=tintra-no-such-display XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=xcb \
  DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent start_program "$program"
xdotool mousemove 1200 700
sleep 2.5
click_column_button 78 # the start and stop button
xdotool mousemove 1200 700
sleep 1.5
kill "$pid"
expect_exit_0 "the end"
history=$(cat "$(dirname "$program")/colors")
[ -z "$history" ] || fail "colours were recorded from a screen the program cannot see: $history"
[ "$failures" = 0 ] && echo "PASS" || exit 1
