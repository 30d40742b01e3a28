#!/bin/bash
# The pick mode on two monitors of a wlroots desktop, the second at scale 2 and left of the first (at
# negative coordinates): a click on each picks that monitor's colour, and the magnifier shows it.
# Runs inside with-sway.sh with SWAY_OUTPUTS=2.
#   wayland-monitors.sh PROGRAM
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
kill "$pid"
expect_exit_0 "the end"
[ "$failures" = 0 ] && echo "PASS" || exit 1
