#!/usr/bin/env bash
# Picking on a real desktop: with the pointer resting outside the window and the desktop's colour
# changed every two seconds, the history gains one row per change, newest on top, each drawn in its
# colour, and the magnifier shows the enlarged area with its cross-hair. Run inside with-xvfb.sh --wm.
set -u
program=$1
probe=$2
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

xsetroot -solid '#404040'
xdotool mousemove 1500 800
"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window"; kill "$pid"; exit 1; }

# Picking starts by itself a second after start; the first sample comes a second later.
sleep 2.5
for colour in '#FF0000' '#0000FF' '#00FF00'; do
  xsetroot -solid "$colour"
  sleep 2
done
sleep 0.5

# The history list's rows on the screen: the window's client area is at (20, 10).
rows=()
for i in 0 1 2 3 4; do rows+=("310,$((10 + 12 + 60 + 27 + 16 * i + 8))"); done
# The magnifier's view starts at (20 + 117, 10 + 378); its cross-hair centre is at (184, 88) in it.
view=("142,393" "$((137 + 184)),$((388 + 88))" "$((137 + 184 + 20)),$((388 + 88))" "$((137 + 184)),$((388 + 88 + 20))")
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

kill "$pid"
wait "$pid" 2>/dev/null
[ "$failures" = 0 ] && echo "PASS: one history row per change of colour, and the magnifier follows"
exit "$failures"
