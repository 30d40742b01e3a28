#!/usr/bin/env bash
# The main window on a real desktop: title, place and size, the always-on-top band the window manager
# sees, no library loaded that X11 never uses, and both ways of ending the program. Run inside
# with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")

start() { start_program "$program"; }

above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }


start
name=$(xdotool getwindowname "$window")
[ "$name" = "Tintra1.6" ] || fail "window title is '$name'"
where=$(placement "$window")
[ "$where" = "20,10,498,600" ] || fail "window is at $where"
above || fail "a first start is not marked always-on-top"
# What an X11 session never uses is not loaded: PipeWire, nor the image plugins.
sleep 0.5
grep -qE 'libpipewire|/imageformats/' "/proc/$pid/maps" &&
  fail "loaded without use: $(grep -oE '[^ ]*(libpipewire|/imageformats/)[^ ]*' "/proc/$pid/maps" | sort -u | xargs)"

click_column_button 246
above && fail "always-on-top stays after one click"
click_column_button 246
above || fail "two clicks do not bring always-on-top back"
where=$(placement "$window")
[ "$where" = "20,10,498,600" ] || fail "toggling moved the window to $where"

wmctrl -i -c "$window"
expect_exit_0 "closed by the window manager"

start
click_column_button 219
expect_exit_0 "ended by the exit button"

rm -rf "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: title, place, always-on-top, nothing loaded unused and both ways out"
exit "$failures"
