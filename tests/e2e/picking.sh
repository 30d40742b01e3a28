#!/usr/bin/env bash
# Picking on a real desktop: with the pointer resting outside the window and the desktop's colour
# changed once the program has taken the last one, the history gains one row per change, newest on top,
# each drawn in its colour, and the magnifier shows the enlarged area with its cross-hair. The colours
# expected are the ones the test paints; the screen is read apart from the program (read_screen).
# Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")

xsetroot -solid '#404040'
xdotool mousemove 1500 800
start_program "$program"
read -r left top < <(client_origin)

# The history list's rows on the screen: the list starts at (125, 99) in the client area.
rows=()
for i in 0 1 2 3 4 5; do rows+=("$((left + 290)),$((top + 99 + 16 * i + 8))"); done

# Picking starts by itself a second after start; the first sample comes a second later.
for colour in 404040 FF0000 0000FF 00FF00; do
  xsetroot -solid "#$colour"
  wait_for_colour "${rows[0]}" "$colour" || fail "the history's top row never showed $colour"
done

# The magnifier's view starts at (117, 378) in the client area; its cross-hair centre is at (184, 88).
vx=$((left + 117))
vy=$((top + 378))
wait_for_colour "$((vx + 5)),$((vy + 5))" 00FF00 || fail "the magnifier never showed the desktop's colour"
view=("$((vx + 184)),$((vy + 88))" "$((vx + 204)),$((vy + 88))" "$((vx + 184)),$((vy + 108))")
mapfile -t seen < <(read_screen points "${rows[@]:0:5}" "${view[@]}")

expected_rows=(00FF00 0000FF FF0000 404040 F5FAFE)
for i in 0 1 2 3 4; do
  [ "${seen[$i]}" = "${expected_rows[$i]}" ] || fail "history row $i is ${seen[$i]}, not ${expected_rows[$i]}"
done
[ "${seen[5]}" = 000000 ] || fail "no cross-hair centre in the magnifier (${seen[5]})"
[ "${seen[6]}" = 000000 ] || fail "no horizontal arm in the magnifier (${seen[6]})"
[ "${seen[7]}" = 000000 ] || fail "no vertical arm in the magnifier (${seen[7]})"

# A click on a row stops picking and copies the row; picking again with the pointer resting on one
# colour adds one row. The row clicked is the newest: a sample taken on it before the click is heard
# repeats it and adds nothing.
xdotool mousemove "${rows[0]%,*}" "${rows[0]#*,}" click 1
wait_for_clipboard "#00FF00" || fail "a click on a row did not copy it"
xsetroot -solid '#FFFF00'
xdotool mousemove $((left + 60)) $((top + 12 + 60 + 79 + 13)) click 1 # the start/stop button
xdotool mousemove 1500 800
wait_for_colour "${rows[0]}" FFFF00 || fail "picking again did not take the desktop's colour"
sleep 1.5 # a further sample of the same colour, which adds nothing
rows+=("$((left + 290)),$((top + 99 + 16 * 6 + 8))")
mapfile -t seen < <(read_screen points "${rows[@]}")
# A sample may fall between the click and the pointer's move, on the button: a row of its own below the
# new one.
[ "${seen[1]}" != 00FF00 ] && [ "${seen[1]}" != FFFF00 ] && seen=("${seen[0]}" "${seen[@]:2}")
expected_rows=(FFFF00 00FF00 0000FF FF0000 404040 F5FAFE)
for i in 0 1 2 3 4 5; do
  [ "${seen[$i]}" = "${expected_rows[$i]}" ] || fail "after a click, history row $i is ${seen[$i]}, not ${expected_rows[$i]}"
done

# Aiming from the keyboard: with the window focused, the right arrow moves the pointer one pixel and
# Enter copies the colour there. The desktop is red and blue columns in turn, so the neighbour differs.
printf '#define s_width 2\n#define s_height 1\nstatic char s_bits[] = {\n  0x01};\n' >"$(dirname "$program")/columns.xbm"
xsetroot -bitmap "$(dirname "$program")/columns.xbm" -fg '#FF0000' -bg '#0000FF'
xdotool mousemove 1500 800
xdotool key Right Return
[ "$(xdotool getmouselocation --shell | head -n 2 | tr '\n' ' ')" = "X=1501 Y=800 " ] ||
  fail "the right arrow did not move the pointer one pixel ($(xdotool getmouselocation))"
wait_for_clipboard "#0000FF" || fail "Enter did not copy the blue of the pixel right of the red one ($text)"

kill "$pid"
expect_exit_0 "ended by SIGTERM"
rm -rf "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: one history row per change of colour, the magnifier follows, the arrow keys aim"
exit "$failures"
