#!/usr/bin/env bash
# Picking's cost against the floor, in one run on its own Xvfb of 1920x1080 with a window manager,
# over a screen that changes every 280 ms under a pointer that moves every 56 ms (tintra_scenery):
# 1. each tick's cost, median and 95th percentile, wall and CPU: the program's magnifier and pick ticks
#    (tintra_bench_ticks) and the floor's (tintra_floor, the least a magnifier can do on X11);
# 2. the whole program and the floor picking side by side, in rounds of 30 s (the floor started anew for
#    each): CPU of one core, resident memory, and the ratio of the two CPUs, each round's and their
#    least, median and most, since a single round's ratio moves by a fifth on a shared machine;
# 3. the program idle, picking stopped, for 10 s: wake-ups a second and CPU.
#   bench/picking.sh [build folder, default build/bench]
# PICKING_LEVEL (1 to 4, default 1) enlarges 2 to 8 times; PICKING_TICK_SECONDS (default 20, 0 for none)
# and PICKING_SECONDS (default 30) set the lengths of the first part and of each round of the second,
# PICKING_ROUNDS (default 3) the number of rounds.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
build=${1:-$here/../build/bench}
source "$here/../tests/e2e/lib.sh"
source "$here/stats.sh"

"$build/bench/tintra_scenery" &
scenery=$!
sleep 0.5

# The magnifier's zoom-in button, in the window's client area.
click_zoom_in() {
  xdotool mousemove --window "$window" 228 365 click 1
  sleep 0.3
}

level=${PICKING_LEVEL:-1}
ticks=${PICKING_TICK_SECONDS:-20}
seconds=${PICKING_SECONDS:-30}
if [ "$ticks" != 0 ] && [ "$level" = 1 ]; then
  echo "Each tick over $ticks s:"
  "$build/bench/tintra_bench_ticks" "$ticks" 2>/dev/null
  "$build/bench/tintra_floor" "$ticks" --report
fi

program=$(install_program "$build/tintra")
start_program "$program" 2>/dev/null
for ((i = 1; i < level; ++i)); do
  click_zoom_in
done
rounds=${PICKING_ROUNDS:-3}
sleep 3 # picking is on from the first second
# Time on a core in nanoseconds, every thread's, as the scheduler counts it (not sampled at each tick).
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns}'; }
echo "Picking side by side, enlarged $((2 * level)) times, $rounds rounds of $seconds s:"
ratios=() qt_timer_ratios=()
for ((round = 1; round <= rounds; ++round)); do
  "$build/bench/tintra_floor" $((seconds + 10)) --level="$level" &
  floor=$!
  "$build/bench/tintra_qt_timer_floor" $((seconds + 10)) &
  qt_timer=$!
  sleep 1
  before=$(cpu "$pid")
  floor_before=$(cpu "$floor")
  qt_timer_before=$(cpu "$qt_timer")
  start=$(date +%s%N)
  sleep "$seconds"
  used=$(($(cpu "$pid") - before))
  floor_used=$(($(cpu "$floor") - floor_before))
  qt_timer_used=$(($(cpu "$qt_timer") - qt_timer_before))
  elapsed=$((($(date +%s%N) - start) / 1000000))
  memory=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status")
  floor_memory=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$floor/status")
  kill "$floor" "$qt_timer"
  wait "$floor" "$qt_timer" 2>/dev/null
  ratios+=("$(awk -v u="$used" -v f="$floor_used" 'BEGIN {printf "%.2f", (f > 0 ? u / f : 0)}')")
  qt_timer_ratios+=("$(awk -v u="$qt_timer_used" -v f="$floor_used" 'BEGIN {printf "%.2f", (f > 0 ? u / f : 0)}')")
  awk -v n="$round" -v u="$used" -v f="$floor_used" -v ms="$elapsed" -v m="$memory" -v fm="$floor_memory" \
    -v r="${ratios[-1]}" 'BEGIN {
    s = ms / 1000
    printf "  round %d: program %.2f%% of one core, %s MB resident; floor %.2f%%, %s MB; %s times the floor'\''s CPU\n",
      n, 100 * u / 1e9 / s, m, 100 * f / 1e9 / s, fm, r
  }'
done
echo "  the program takes (least / median / most) $(printf '%s\n' "${ratios[@]}" | spread) times the floor's CPU"
echo "  Qt's own timer at the magnifier's pace, doing nothing (tintra_qt_timer_floor), takes" \
  "$(printf '%s\n' "${qt_timer_ratios[@]}" | spread) times the floor's CPU"
kill "$scenery"

# Every thread's switches off a core: each is a wake-up.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
click_column_button 78 # the start and stop button
idle_switches=$(switches "$pid")
idle_cpu=$(cpu "$pid")
sleep 10
idle_switches=$(($(switches "$pid") - idle_switches))
idle_cpu=$(($(cpu "$pid") - idle_cpu))
kill "$pid"
wait 2>/dev/null
rm -rf "$(dirname "$program")"
awk -v iw="$idle_switches" -v ic="$idle_cpu" 'BEGIN {
  printf "Idle, picking stopped, for 10 s: %.1f wake-ups a second, %.3f%% of one core\n", iw / 10, 100 * ic / 1e9 / 10
}'
