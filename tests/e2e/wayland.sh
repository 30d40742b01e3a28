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

. "$(dirname "$0")/wayland-lib.sh"

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

# Another button leaves as Esc does, and picks nothing.
press_pick_button 200 700
background "#FFFF00"
sleep 1.3
swaymsg -q "seat - cursor press button3"
swaymsg -q "seat - cursor release button3"
sleep 0.5
[ "$(magnifier_pixel)" != FFFF00 ] || fail "a right click did not end the pick mode"
[ "$(wl-paste -n 2>/dev/null)" = "#0000FF" ] || fail "a right click picked a colour: $(wl-paste -n 2>&1)"

kill "$pid"
expect_exit_0 "the end"
# The samples taken while the pick mode was up, newest first; the click repeated the last one.
history=$(tr -d '\r' <"$folder/colors" | paste -sd ' ')
[ "$history" = "#FFFF00 #00FF00 #0000FF #FF0000" ] || fail "history after the pick mode: $history"

# The command line's pick goes through the same pick mode.
"$program" --pick --format RGB >"$folder/picked" &
picking=$!
sleep 1
point 300 300
sleep 0.3
click
for _ in $(seq 50); do kill -0 "$picking" 2>/dev/null || break; sleep 0.1; done
wait "$picking" || fail "--pick ended with status $?"
[ "$(cat "$folder/picked")" = "255,255,0" ] || fail "--pick printed $(cat "$folder/picked")"

[ "$failures" = 0 ] && echo "PASS" || exit 1
