#!/usr/bin/env bash
# Picking's cost on a wlroots desktop and on GNOME (its screen cast) against the same picking on X11, in
# one run: each desktop headless (sway and Xvfb with a window manager at 1280x800, mutter at 1280x720),
# the program picking for 20 s while the pointer moves every 56 ms and the screen changes every 280 ms,
# then 10 s more with the pointer resting on a still screen. Prints the CPU of one core taken by the
# program, and on Wayland by the compositor too, which makes the copies the program asks for; with
# WAYLAND_ROUNDS (default 1) rounds of the three, each round's ratios to X11 and their least, median
# and most, since one round's ratio moves by a fifth on a shared machine. POINTER_WIGGLE_HZ (say 500)
# adds a hand-held mouse's small moves, that many a second, on the wlroots desktop only: for comparing
# two builds there, not for the ratios.
#   bench/wayland.sh [build folder with the tests, default build/test]
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/test}
seconds=20
rounds=${WAYLAND_ROUNDS:-1}
colours=(FF0000 00FF00 0000FF FFFF00 00FFFF)
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns}'; }

case "${INSIDE:-}" in
wayland)
  source "$here/../tests/e2e/lib.sh"
  program=$(install_program "$build/tintra")
  QT_QPA_PLATFORM=wayland "$program" 2>/dev/null &
  pid=$!
  sleep 2
  read -r left top < <(swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]): print(node["rect"]["x"], node["rect"]["y"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []): walk(child)
walk(json.load(sys.stdin))' "$pid")
  swaymsg -q "seat - cursor set $((left + 60)) $((top + 163))"
  swaymsg -q "seat - cursor press button1"
  swaymsg -q "seat - cursor release button1"
  compositor=${SWAYSOCK%.sock}
  compositor=${compositor##*.}
  move() { swaymsg -q "seat - cursor set $1 $2"; }
  paint() { swaymsg -q "output * bg #$1 solid_color"; }
  ;;
gnome)
  source "$here/../tests/e2e/lib.sh"
  source "$here/../tests/e2e/gnome-lib.sh"
  program=$(install_program "$build/tintra")
  # A share the desktop remembers, so that no question holds up the run.
  token=$(cat /proc/sys/kernel/random/uuid)
  seed_share "$token"
  printf '[default]\r\nScreenShareToken=%s\r\nAlwaysOnTop=0\r\n' "$token" >"$(dirname "$program")/default"
  # The picture moves by itself every 280 ms. It covers the monitor, so it shows first and the program
  # opens above it: a window under it would not be drawn at all, which is no measure of drawing it.
  shown=$(dirname "$program")/shown
  "$build/tests/tintra_gnome_pattern" 280 7>&- 8<&- >"$shown" &
  shifting=$!
  for ((wait = 0; wait < 100; ++wait)); do
    grep -q shown "$shown" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=wayland "$program" 7>&- 8<&- 2>/dev/null &
  pid=$!
  sleep 3
  compositor=$(pgrep -n -x mutter)
  move() { point "$1" "$2"; }
  paint() { :; }
  ;;
x11)
  source "$here/../tests/e2e/lib.sh"
  program=$(install_program "$build/tintra")
  start_program "$program" 2>/dev/null
  sleep 2 # picking is on from the first second
  compositor=
  move() { xdotool mousemove "$1" "$2"; }
  paint() { xsetroot -solid "#$1"; }
  ;;
*)
  # Shows a desktop's report and keeps the program's CPU while the pointer moves, from its line
  # "moving   program 1.23%, ...".
  report() {
    local text
    text=$("$@" 2>&1)
    echo "$text" >&2
    awk '/moving/ {sub("%,?", "", $3); print $3}' <<<"$text"
  }
  ratios_wlroots=() ratios_gnome=()
  for ((round = 1; round <= rounds; ++round)); do
    [ "$rounds" -gt 1 ] && echo "Round $round of $rounds:"
    echo "On a wlroots desktop (pick mode):"
    wlroots=$(INSIDE=wayland report "$here/../tests/e2e/with-sway.sh" "$build/tests/tintra_virtual_pointer" \
      "$0" "$build")
    echo "On GNOME (screen cast):"
    gnome=$(INSIDE=gnome report "$here/../tests/e2e/with-gnome.sh" "$0" "$build")
    echo "On X11:"
    x11=$(INSIDE=x11 XVFB_SCREEN=1280x800x24 report "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$build")
    ratios_wlroots+=("$(awk -v w="$wlroots" -v x="$x11" 'BEGIN {if (w != "" && x > 0) printf "%.2f", w / x}')")
    ratios_gnome+=("$(awk -v g="$gnome" -v x="$x11" 'BEGIN {if (g != "" && x > 0) printf "%.2f", g / x}')")
    echo "  this round: wlroots ${ratios_wlroots[-1]:-?}, GNOME ${ratios_gnome[-1]:-?} times X11's CPU"
  done
  source "$here/stats.sh"
  if [ "$rounds" -gt 1 ]; then
    echo "Against X11, least / median / most of $rounds rounds:"
    echo "  wlroots pick mode $(printf '%s\n' "${ratios_wlroots[@]}" | spread), GNOME screen cast $(printf '%s\n' "${ratios_gnome[@]}" | spread)"
  fi
  exit
  ;;
esac

before=$(cpu "$pid")
[ -n "$compositor" ] && compositor_before=$(cpu "$compositor")
start=$(date +%s%N)
step=0
while [ $(($(date +%s%N) - start)) -lt $((seconds * 1000000000)) ]; do
  move $((100 + (step * 37) % 900)) $((560 + (step * 23) % 200))
  [ $((step % 5)) = 0 ] && paint "${colours[$(((step / 5) % 5))]}"
  step=$((step + 1))
  sleep 0.056
done
elapsed=$((($(date +%s%N) - start) / 1000000))
used=$(($(cpu "$pid") - before))
[ -n "$compositor" ] && compositor_used=$(($(cpu "$compositor") - compositor_before))

[ -n "${shifting:-}" ] && kill -STOP "$shifting" # a still screen from now on
sleep 1
resting=$(cpu "$pid")
[ -n "$compositor" ] && compositor_resting=$(cpu "$compositor")
sleep 10
resting=$(($(cpu "$pid") - resting))
[ -n "$compositor" ] && compositor_resting=$(($(cpu "$compositor") - compositor_resting))
kill "$pid"
[ -n "${shifting:-}" ] && kill -CONT "$shifting" && kill "$shifting"
wait "$pid" 2>/dev/null
rows=$(tr -d '\r' <"$(dirname "$program")/colors" | wc -l)
awk -v u="$used" -v c="${compositor_used:-}" -v ms="$elapsed" -v rows="$rows" -v r="$resting" \
  -v cr="${compositor_resting:-}" 'BEGIN {
  s = ms / 1000
  printf "  moving   program %.2f%%", 100 * u / 1e9 / s
  if (c != "") printf ", compositor %.2f%%", 100 * c / 1e9 / s
  printf " of one core over %.1f s (%d history rows taken)\n", s, rows
  printf "  resting  program %.2f%%", 100 * r / 1e9 / 10
  if (cr != "") printf ", compositor %.2f%%", 100 * cr / 1e9 / 10
  printf " of one core over 10 s\n"
}'
rm -rf "$(dirname "$program")"
