#!/usr/bin/env bash
# Picking on a real desktop: with the pointer resting outside the window and the desktop's colour
# changed every two seconds, the history gains one row per change, newest on top, each drawn in its
# colour, and the magnifier shows the enlarged area with its cross-hair. Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
probe=$2

xsetroot -solid '#404040'
xdotool mousemove 1500 800
start_program "$program"
read -r left top < <(client_origin)

# Picking starts by itself a second after start; the first sample comes a second later.
sleep 2.5
for colour in '#FF0000' '#0000FF' '#00FF00'; do
  xsetroot -solid "$colour"
  sleep 2
done
sleep 0.5

# The history list's rows on the screen: the list starts at (125, 99) in the client area.
rows=()
for i in 0 1 2 3 4; do rows+=("$((left + 290)),$((top + 99 + 16 * i + 8))"); done
# The magnifier's view starts at (117, 378) in the client area; its cross-hair centre is at (184, 88).
vx=$((left + 117))
vy=$((top + 378))
view=("$((vx + 5)),$((vy + 5))" "$((vx + 184)),$((vy + 88))" "$((vx + 204)),$((vy + 88))" "$((vx + 184)),$((vy + 108))")
mapfile -t seen < <("$probe" "${rows[@]}" "${view[@]}")

expected_rows=(00FF00 0000FF FF0000 404040)
for i in 0 1 2 3; do
  [ "${seen[$i]}" = "${expected_rows[$i]}" ] || fail "history row $i is ${seen[$i]}, not ${expected_rows[$i]}"
done
[ "${seen[4]}" = F5FAFE ] || fail "the history has a fifth row (${seen[4]})"
[ "${seen[5]}" = 00FF00 ] || fail "the magnifier shows ${seen[5]}, not the desktop's colour"
[ "${seen[6]}" = 000000 ] || fail "no cross-hair centre in the magnifier (${seen[6]})"
[ "${seen[7]}" = 000000 ] || fail "no horizontal arm in the magnifier (${seen[7]})"
[ "${seen[8]}" = 000000 ] || fail "no vertical arm in the magnifier (${seen[8]})"

# A click on a row stops picking; picking again with the pointer resting on one colour adds one row.
xdotool mousemove "${rows[2]%,*}" "${rows[2]#*,}" click 1
sleep 0.5
xsetroot -solid '#FFFF00'
xdotool mousemove $((left + 60)) $((top + 12 + 60 + 79 + 13)) click 1 # the start/stop button
xdotool mousemove 1500 800
sleep 4.5
rows+=("$((left + 290)),$((top + 99 + 16 * 5 + 8))")
mapfile -t seen < <("$probe" "${rows[@]}")
expected_rows=(FFFF00 00FF00 0000FF FF0000 404040 F5FAFE)
for i in 0 1 2 3 4 5; do
  [ "${seen[$i]}" = "${expected_rows[$i]}" ] || fail "after a click, history row $i is ${seen[$i]}, not ${expected_rows[$i]}"
done

kill "$pid"
expect_exit_0 "ended by SIGTERM"
rm -rf "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: one history row per change of colour, and the magnifier follows"
exit "$failures"
