#!/bin/bash
# The pick mode on two monitors of a wlroots desktop, the second at scale 2 and left of the first (at
# negative coordinates): a click on each picks that monitor's colour, and the magnifier shows it. On
# the scaled monitor, under a picture whose every device pixel differs, the pointer between two pixels
# of the layout picks the device pixel under it, the magnifier shows one device pixel a block, and the
# wheel zooms. Runs inside with-sway.sh with SWAY_OUTPUTS=2.
#   wayland-monitors.sh PROGRAM PATTERN_PROGRAM
set -u
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/wayland-lib.sh"
program=$(install_program "$1")
export QT_QPA_PLATFORM=wayland

background "#FF0000" HEADLESS-1
background "#00FFFF" HEADLESS-2
start_wayland_program
for case in "-400 300 00FFFF" "1100 700 FF0000" "-1 599 00FFFF"; do
  read -r x y colour <<<"$case"
  press_pick_button "$x" "$y"
  sleep 0.3
  [ "$(magnifier_pixel)" = "$colour" ] || [ "$x" = -1 ] || fail "the magnifier at $x,$y shows $(magnifier_pixel)"
  click
  sleep 0.5
  [ "$(wl-paste -n 2>/dev/null)" = "#$colour" ] || fail "a click at $x,$y picked $(wl-paste -n 2>&1), not #$colour"
done
# The picture (GnomePattern.cpp) over the scaled monitor: at its device pixel (x, y) red x % 256, green
# y % 256, blue 255 - 48 * (x / 256) - 16 * (y / 256), wrapping.
"$2" >/dev/null &
pattern=$!
for _ in $(seq 50); do
  swaymsg -q "[pid=$pattern] move to output HEADLESS-2, fullscreen enable" 2>/dev/null && break
  sleep 0.1
done
sleep 1
# The layout starts at -800: 400.5,300.5 from its corner is the device pixel 801,601 of the monitor.
press_pick_button -400 300
swaymsg -q "seat - cursor set 400.5 300.5"
sleep 0.5
# Two rows of the view two apart show neighbouring device rows at twice; four apart once zoomed in.
green() { printf '%d' "0x$(pixel $((left + 125)) $((top + $1)) | cut -c3-4)"; }
[ $(($(green 387) - $(green 385))) = 1 ] || fail "the magnifier does not show each device row twice: $(green 385), $(green 387)"
swaymsg -q "seat - cursor press button4" # a wheel's notch away from the user
sleep 0.5
[ $(($(green 393) - $(green 385))) = 2 ] || fail "the wheel did not zoom to four times: $(green 385), $(green 393)"
click
sleep 0.5
[ "$(wl-paste -n 2>/dev/null)" = "#21594F" ] || fail "a click between layout pixels picked $(wl-paste -n 2>&1), not #21594F"
# The arrow keys move the pick point by device pixels (Shift: ten) and Enter picks there: 802,611.
press_pick_button -400 300
swaymsg -q "seat - cursor set 400.5 300.5"
sleep 0.5
wtype -s 300 -k Right -M shift -k Down -m shift -k Return
sleep 0.5
[ "$(wl-paste -n 2>/dev/null)" = "#22634F" ] || fail "the arrow keys and Enter picked $(wl-paste -n 2>&1), not #22634F"
kill "$pattern"

kill "$pid"
expect_exit_0 "the end"
[ "$failures" = 0 ] && echo "PASS" || exit 1
