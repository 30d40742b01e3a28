#!/usr/bin/env bash
# The global hotkey on X11: turned on in the menu, Ctrl+Alt+Shift+C pressed while another program's
# window has the focus puts the colour under the pointer on the clipboard in the chosen format (HTML
# without its prefix) and at the top of the history, with picking off, NumLock on or off. A second copy, for another
# folder, finds the combination grabbed by the first and says so.
# Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
probe=$2
printf '[default]\r\nColorValType=0\r\nCbColorPre=1\r\n' >"$(dirname "$program")/default"

xsetroot -solid '#C8DCF0'
xdotool mousemove 1500 800
start_program "$program"
first=$pid
wait_for_current C8DCF0 || fail "the program did not pick the desktop's colour"
# Picking off, so that only the hotkey can add a row.
click_column_button 79
# The last item of the further-functions menu.
click_column_button 162
xdotool key Up Return
sleep 0.5

"$probe" --window 3A7BD5 1400,700,200,200 >/dev/null &
shown=$!
xlogo -geometry 200x200+900+100 &
logo=$!
other=$(find_window 10 --class xlogo)
xdotool windowactivate --sync "$other"
xdotool mousemove 1500 800
wait_for_colour 1500,800 3A7BD5 || fail "the probe's window did not show"
[ "$(xdotool getwindowfocus)" = "$other" ] || fail "another window should have the focus"
xdotool key ctrl+alt+shift+c
wait_for_clipboard "3A7BD5" || fail "after the hotkey the clipboard holds '$text'"
[ "$(xdotool getwindowfocus)" = "$other" ] || fail "the hotkey took the focus from the other window"
read -r left top < <(client_origin)
# The top history row, which starts at (125, 99) in the client area, right of its text.
wait_for_colour "$((left + 125 + 120)),$((top + 99 + 8))" 3A7BD5 || fail "the history's top row is not the colour"
wait_for_current 3A7BD5 || fail "the colour is not the current colour"
# With NumLock on, over the desktop.
xdotool key Num_Lock
xdotool mousemove 1000 900
xdotool key ctrl+alt+shift+c
wait_for_clipboard "C8DCF0" || fail "with NumLock on, after the hotkey the clipboard holds '$text'"
xdotool key Num_Lock

# Another copy, for another folder, where the first holds the combination.
second=$(install_program "$1")
printf '[default]\r\nGlobalHotkey=1\r\n' >"$(dirname "$second")/default"
log=$(mktemp)
"$second" 2>"$log" &
pid=$!
find_window 20 --pid "$pid" >/dev/null
grep -q 'Ctrl+Alt+Shift+C.*cannot be grabbed: X error 10' "$log" ||
  fail "the second copy did not say the combination is taken: $(cat "$log")"
kill "$pid"
expect_exit_0 "the second copy ended by SIGTERM"
grep -q '^GlobalHotkey=1' "$(dirname "$second")/default" || fail "the second copy did not keep its choice"

kill "$shown" "$logo"
pid=$first
kill "$pid"
expect_exit_0 "ended by SIGTERM"
grep -q $'^GlobalHotkey=1\r$' "$(dirname "$program")/default" || fail "the choice was not saved"
rm -rf "$(dirname "$program")" "$(dirname "$second")" "$log"
[ "$failures" = 0 ] && echo "PASS: the hotkey copies the colour under the pointer from another window, and a taken one is said"
exit "$failures"
