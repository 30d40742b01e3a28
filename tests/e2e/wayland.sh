#!/bin/bash
# The program on a wlroots desktop, as a person uses it there: picking waits for the button, the
# button opens the pick mode, the magnifier and the once-a-second sample follow the pointer, a click
# picks, Esc leaves. Runs inside with-sway.sh.
#   wayland.sh PROGRAM
set -u
. "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
folder=$(dirname "$program")
export QT_QPA_PLATFORM=wayland

background() { swaymsg -q "output * bg $1 solid_color"; }
point() { swaymsg -q "seat - cursor set $1 $2"; }
click() {
  swaymsg -q "seat - cursor press button1"
  swaymsg -q "seat - cursor release button1"
}
# The colour of one screen pixel, "RRGGBB", as the desktop's own screenshot tool reads it.
pixel() {
  grim -g "$1,$2 1x1" -t ppm - | python3 -c 'import sys; print(sys.stdin.buffer.read().split(b"\n", 3)[3][:3].hex().upper())'
}
# Sets left and top to the program window's place on the desktop.
find_window() {
  read -r left top < <(swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]):
        print(node["rect"]["x"], node["rect"]["y"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$pid")
}
# A point of the magnifier's view, near its top-left corner, away from its cross.
magnifier_pixel() { pixel $((left + 125)) $((top + 385)); }
start_wayland_program() {
  "$program" &
  pid=$!
  for _ in $(seq 100); do
    find_window
    [ -n "${left:-}" ] && break
    sleep 0.1
  done
  [ -n "${left:-}" ] || { echo "FAIL: no window within 10 s"; kill "$pid"; exit 1; }
  sleep 1.5 # the first tick has passed
}
# Presses the start button and moves the pointer on to X, Y at once, so that no sample falls on the
# button.
press_pick_button() {
  point $((left + 60)) $((top + 163))
  click
  point "$1" "$2"
  sleep 0.5
}

background "#FF0000"
start_wayland_program
point 100 650
sleep 1.5
[ "$(magnifier_pixel)" != FF0000 ] || fail "the first tick started picking by itself"

press_pick_button 100 650
sleep 0.8
[ "$(magnifier_pixel)" = FF0000 ] || fail "the magnifier does not show the screen under the pointer"
background "#0000FF"
sleep 1.3
[ "$(magnifier_pixel)" = 0000FF ] || fail "the magnifier does not follow a changing screen"
click
sleep 0.5
[ "$(wl-paste -n 2>/dev/null)" = "#0000FF" ] || fail "a click did not copy the picked colour: $(wl-paste -n 2>&1)"
[ "$(magnifier_pixel)" != 0000FF ] || fail "the pick mode did not end with the click"

# Esc leaves the pick mode and picks nothing.
press_pick_button 200 700
background "#00FF00"
sleep 1.3
wtype -s 300 -k Escape # the seat's keyboard exists while this runs: a moment for it to reach the overlay
sleep 0.5
[ "$(magnifier_pixel)" != 00FF00 ] || fail "Esc did not end the pick mode"
click
sleep 0.3
[ "$(wl-paste -n 2>/dev/null)" = "#0000FF" ] || fail "a click after Esc picked a colour"

kill "$pid"
expect_exit_0 "the end"
# The samples taken while the pick mode was up, newest first; the click repeated the last one.
history=$(tr -d '\r' <"$folder/colors" | paste -sd ' ')
[ "$history" = "#00FF00 #0000FF #FF0000" ] || fail "history after the pick mode: $history"

[ "$failures" = 0 ] && echo "PASS" || exit 1
