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
# The program's requests are logged, so that the copies it asks for can be counted.
WAYLAND_DEBUG=client start_wayland_program 2>"$folder/requests"
point 100 650
sleep 1.5
[ "$(magnifier_pixel)" != FF0000 ] || fail "the first tick started picking by itself"

press_pick_button 100 650
wait_until magnifier_shows FF0000 || fail "the magnifier does not show the screen under the pointer"
wait_until history_shows FF0000 || fail "no sample of #FF0000 was taken in the pick mode"
# A still screen under a resting pointer is not copied again at every tick of the magnifier, forty a
# second: a copy waits for the desktop to draw. The once-a-second sample still copies its pixel.
copies() { grep -c 'zwlr_screencopy_manager_v1@[0-9]*\.capture_output_region' "$folder/requests"; }
before=$(copies)
sleep 2
[ $(($(copies) - before)) -lt 30 ] || fail "the pick mode copied a still screen $(($(copies) - before)) times in 2 s"
# The pointer is a cross-hair open at its middle; this desktop draws it into the screen itself.
desktop_shows 100 656 000000 || fail "no cross-hair under the pointer: $(pixel 100 656) below it"
# The arrow keys aim away from the pointer and hide the cross until the pointer moves, even back.
wtype -s 300 -k Right -k Left
sleep 0.3
desktop_shows 100 656 FF0000 || fail "the cross stayed while the keys aimed: $(pixel 100 656) below it"
point 100 640
sleep 0.3
desktop_shows 100 646 000000 || fail "the cross did not come back with the pointer: $(pixel 100 646) below it"
background "#0000FF"
wait_until magnifier_shows 0000FF || fail "the magnifier does not follow a changing screen"
click
wait_until clipboard_holds "#0000FF" || fail "a click did not copy the picked colour: $(wl-paste -n 2>&1)"
wait_until not magnifier_shows 0000FF || fail "the pick mode did not end with the click"

# Esc leaves the pick mode and picks nothing. The background changes first: while it does, the
# desktop shows its bare grey for a moment. (Its colour is looked at away from the pointer's picture.)
background "#00FF00"
wait_until desktop_shows 100 100 00FF00 || fail "the background did not turn green: $(pixel 100 100)"
press_pick_button 200 700
wait_until history_shows 00FF00 || fail "no sample of #00FF00 was taken in the pick mode"
wtype -s 300 -k Escape # the seat's keyboard exists while this runs: a moment for it to reach the overlay
wait_until not magnifier_shows 00FF00 || fail "Esc did not end the pick mode"
click
sleep 0.3
[ "$(wl-paste -n 2>/dev/null)" = "#0000FF" ] || fail "a click after Esc picked a colour"

# Another button leaves as Esc does, and picks nothing.
background "#FFFF00"
wait_until desktop_shows 100 100 FFFF00 || fail "the background did not turn yellow: $(pixel 100 100)"
press_pick_button 200 700
wait_until history_shows FFFF00 || fail "no sample of #FFFF00 was taken in the pick mode"
swaymsg -q "seat - cursor press button3"
swaymsg -q "seat - cursor release button3"
wait_until not magnifier_shows FFFF00 || fail "a right click did not end the pick mode"
[ "$(wl-paste -n 2>/dev/null)" = "#0000FF" ] || fail "a right click picked a colour: $(wl-paste -n 2>&1)"

kill "$pid"
expect_exit_0 "the end"
# The samples taken while the pick mode was up, newest first; the click repeated the last one. One may
# have fallen on the bare grey shown while the background turned blue.
history=$(tr -d '\r' <"$folder/colors" | grep -vx '#3F3F3F' | paste -sd ' ')
[ "$history" = "#FFFF00 #00FF00 #0000FF #FF0000" ] || fail "history after the pick mode: $history"

# The command line's pick goes through the same pick mode.
"$program" --pick --format RGB >"$folder/picked" &
picking=$!
# A click before the pick mode is up falls on the bare desktop: one each half second until one is taken.
point 300 300
for tick in $(seq 100); do
  kill -0 "$picking" 2>/dev/null || break
  [ $((tick % 5)) = 1 ] && click
  sleep 0.1
done
if kill -0 "$picking" 2>/dev/null; then
  fail "--pick took no click within 10 s"
  kill "$picking"
  wait "$picking"
else
  wait "$picking" || fail "--pick ended with status $?"
  [ "$(cat "$folder/picked")" = "255,255,0" ] || fail "--pick printed $(cat "$folder/picked")"
fi

[ "$failures" = 0 ] && echo "PASS" || exit 1
